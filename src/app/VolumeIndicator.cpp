#include "app/VolumeIndicator.h"

#include "core/Palette.h"
#include "platform/Fonts.h"

#include <QPainter>
#include <QTimer>

namespace {
constexpr int kSteps = 10;
}

TVolumeIndicator::TVolumeIndicator(QWidget* Parent) : QWidget(Parent), FHide(new QTimer(this))
{
    setObjectName(QStringLiteral("VolumeIndicator"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(250, 45);
    FHide->setSingleShot(true);
    FHide->setInterval(kShownMs);
    connect(FHide, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void TVolumeIndicator::Show(int Percent, bool Muted)
{
    FPercent = std::clamp(Percent, 0, 100);
    FMuted = Muted;
    // In the middle of the ribbon, above whatever lies there.
    if (QWidget* parent = parentWidget()) move((parent->width() - width()) / 2, (57 - height()) / 2);
    raise();
    show();
    update();
    FHide->start();
}

void TVolumeIndicator::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette::Yellow, 2));
    p.setBrush(palette::DeepBlue);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    p.setFont(fonts::StandIn(QStringLiteral("Arial"), 15, true));
    const QRect inner = rect().adjusted(12, 6, -12, -6);
    if (FMuted) {
        p.drawText(inner, Qt::AlignCenter, QStringLiteral("Без звука"));
        return;
    }
    const QRect label(inner.left(), inner.top(), 96, inner.height());
    p.drawText(label, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Громкость"));
    // Ten steps, lit up to the volume.
    const int lit = (FPercent + kSteps / 2) / kSteps;
    const int left = label.right() + 8, width = inner.right() - left, gap = 3;
    const int step = (width - (kSteps - 1) * gap) / kSteps;
    for (int i = 0; i < kSteps; ++i) {
        const QRect cell(left + i * (step + gap), inner.top() + 4, step, inner.height() - 8);
        p.setPen(Qt::NoPen);
        p.setBrush(i < lit ? palette::Yellow : palette::LightSkyBlue.darker(160));
        p.drawRect(cell);
    }
}
