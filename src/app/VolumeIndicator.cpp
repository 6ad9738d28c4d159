#include "app/VolumeIndicator.h"

#include "core/Palette.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Fonts.h"

#include <QEvent>

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
    if (Parent) Parent->installEventFilter(this);
    Place();  // a window already shown sends no more resizes until it changes size
    hide();
}

void TVolumeIndicator::Show(int Percent, bool Muted, int ShownMs)
{
    FPercent = std::clamp(Percent, 0, 100);
    FMuted = Muted;
    Place();
    raise();
    show();
    update();
    FHide->start(ShownMs);
}

int TVolumeIndicator::ShownMs() const
{
    return FHide->interval();
}

void TVolumeIndicator::Place()
{
    // In the middle of the ribbon, above whatever lies there.
    if (QWidget* parent = parentWidget()) move((parent->width() - width()) / 2, (57 - height()) / 2);
}

bool TVolumeIndicator::eventFilter(QObject* Watched, QEvent* Event)
{
    // Shown at the start, it may outlast the window's maximising.
    if (Watched == parentWidget() && Event->type() == QEvent::Resize) Place();
    return QWidget::eventFilter(Watched, Event);
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

TMuteMark::TMuteMark(QWidget* Ribbon) : QWidget(Ribbon)
{
    setObjectName(QStringLiteral("MuteMark"));
    setAccessibleName(QStringLiteral("Звук выключен"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Right of the title, left of the voice chooser (at 1008), kept beside the chooser.
    ui::SetBase(this, QRect(958, 14, 30, 30), akRight | akTop);
    hide();
}

void TMuteMark::paintEvent(QPaintEvent*)
{
    // Calm: the screens' light blue on the ribbon, not the bright yellow of its lettering.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::LightSkyBlue);
    const QPointF speaker[] = {{3, 11}, {9, 11}, {16, 5}, {16, 25}, {9, 19}, {3, 19}};
    p.drawPolygon(speaker, 6);
    p.setPen(QPen(palette::LightSkyBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(27, 19));
    p.drawLine(QPointF(27, 11), QPointF(20, 19));
}
