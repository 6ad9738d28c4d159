#include "platform/widgets/Image.h"

#include "platform/widgets/Keyboard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <cmath>

TImage::TImage(QWidget* Parent) : QWidget(Parent) {}

void TImage::SetPicture(const QImage& Picture)
{
    FRead = nullptr;
    FFullSize = QSize();
    FPicture = Picture;
    FMasked = QImage();
    update();
}

void TImage::SetPictureSource(QSize FullSize, TPictureReader Read)
{
    FRead = std::move(Read);
    FFullSize = FullSize;
    FPicture = QImage();
    FMasked = QImage();
    ReadToFit();
    update();
}

QImage TImage::FullPicture() const
{
    if (!FRead || FPicture.size() == FFullSize) return FPicture;
    const QImage full = FRead(QSize());
    return full.isNull() ? FPicture : full;
}

QSize TImage::Shape() const
{
    return FRead ? FFullSize : FPicture.size();
}

void TImage::ReadToFit()
{
    if (!FRead || rect().isEmpty()) return;
    const qreal ratio = devicePixelRatioF();
    const QSize drawn = DestRect().size();
    const QSize needed(int(std::ceil(drawn.width() * ratio)), int(std::ceil(drawn.height() * ratio)));
    if (!FPicture.isNull()) {
        if (FPicture.size() == FFullSize) return;  // nothing larger to read
        if (FPicture.width() >= needed.width() && FPicture.height() >= needed.height()) return;
    }
    const bool whole = needed.width() >= FFullSize.width() || needed.height() >= FFullSize.height();
    FPicture = FRead(whole ? QSize() : needed);
    FMasked = QImage();
    update();
}

void TImage::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    ReadToFit();
}

void TImage::SetStretch(bool On)
{
    FStretch = On;
    update();
}

void TImage::SetCenter(bool On)
{
    FCenter = On;
    update();
}

void TImage::SetProportional(bool On)
{
    FProportional = On;
    update();
}

void TImage::SetTransparent(bool On)
{
    FTransparent = On;
    update();
}

QRect TImage::DestRect() const
{
    int w = Shape().width(), h = Shape().height();
    const int cw = width(), ch = height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            const double aspect = double(w) / h;
            if (w > h) {
                w = cw;
                h = int(cw / aspect);
                if (h > ch) {
                    h = ch;
                    w = int(ch * aspect);
                }
            } else {
                h = ch;
                w = int(ch * aspect);
                if (w > cw) {
                    w = cw;
                    h = int(cw / aspect);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect r(0, 0, w, h);
    if (FCenter) r.translate((cw - w) / 2, (ch - h) / 2);
    return r;
}

const QImage& TImage::Drawn() const
{
    if (!FTransparent || FPicture.isNull()) return FPicture;
    if (FMasked.isNull()) {
        FMasked = FPicture.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = FMasked.pixel(0, FMasked.height() - 1);
        for (int y = 0; y < FMasked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(FMasked.scanLine(y));
            for (int x = 0; x < FMasked.width(); ++x)
                if (line[x] == key) line[x] = 0;
        }
    }
    return FMasked;
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(DestRect(), Drawn());
}

void TImage::Press()
{
    if (!isEnabled()) return;
    const QPoint middle = rect().center();
    QPointer<TImage> alive(this);
    emit MouseDown(Qt::LeftButton, middle);
    if (alive) emit Clicked();
    if (alive) QTimer::singleShot(ui::kPressLookMs, this, [this, middle] { emit MouseUp(Qt::LeftButton, middle); });
}

void TImage::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton) FLeftPressed = true;
    emit MouseDown(Event->button(), Event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = Event->button() == Qt::LeftButton && FLeftPressed && rect().contains(Event->position().toPoint());
    if (Event->button() == Qt::LeftButton) FLeftPressed = false;
    QPointer<TImage> alive(this);
    if (click) emit Clicked();
    if (alive) emit MouseUp(Event->button(), Event->position().toPoint());
}
