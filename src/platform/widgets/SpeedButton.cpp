#include "platform/widgets/SpeedButton.h"

#include "platform/widgets/Panel.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

TSpeedButton::TSpeedButton(QWidget* Parent) : QToolButton(Parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);  // a speed button never takes the focus
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TSpeedButton::SetGlyph(const QImage& Glyph)
{
    FGlyph = Glyph;
    update();
    if (Glyph.isNull()) {
        setIcon(QIcon());
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    setIcon(QIcon(QPixmap::fromImage(Glyph)));
    setIconSize(Glyph.size());
    setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::SetHandCursor(bool On)
{
    if (On)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown() || isChecked();
    if (down || (isEnabled() && underMouse())) {
        p.setPen(down ? ui::ButtonShadow() : ui::ButtonHighlight());
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? ui::ButtonHighlight() : ui::ButtonShadow());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    const QString caption = text();
    const int spacing = (!FGlyph.isNull() && !caption.isEmpty()) ? 4 : 0;
    // The stand-in fonts run wider than the ones the buttons were sized for: a caption that would
    // not fit is drawn a little smaller rather than cut off.
    QFont captionFont = font();
    const int room = r.width() - 2 - FGlyph.width() - spacing;
    int textWidth = caption.isEmpty() ? 0 : QFontMetrics(captionFont).horizontalAdvance(caption);
    while (textWidth > room && captionFont.pixelSize() > 8) {
        captionFont.setPixelSize(captionFont.pixelSize() - 1);
        textWidth = QFontMetrics(captionFont).horizontalAdvance(caption);
    }
    const int total = FGlyph.width() + spacing + textWidth;
    int x = (r.width() - total) / 2;
    if (!FGlyph.isNull()) {
        p.setOpacity(isEnabled() ? 1.0 : 0.4);
        p.drawImage(QPoint(x, (r.height() - FGlyph.height()) / 2) + shift, FGlyph);
        p.setOpacity(1.0);
        x += FGlyph.width() + spacing;
    }
    if (!caption.isEmpty()) {
        const QRect textRect(QPoint(x, 0) + shift, QSize(textWidth, r.height()));
        p.setFont(captionFont);
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
            p.drawText(textRect, Qt::AlignCenter, caption);
        } else {  // the classic engraved look of a disabled caption
            p.setPen(ui::ButtonHighlight());
            p.drawText(textRect.translated(1, 1), Qt::AlignCenter, caption);
            p.setPen(ui::ButtonShadow());
            p.drawText(textRect, Qt::AlignCenter, caption);
        }
    }
}
