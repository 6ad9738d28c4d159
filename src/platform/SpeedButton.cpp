#include "platform/SpeedButton.h"

#include <QIcon>
#include <QPixmap>

TSpeedButton::TSpeedButton(QWidget* Parent) : QToolButton(Parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);  // a speed button never takes the focus
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TSpeedButton::SetGlyph(const QImage& Glyph)
{
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
    if (On) setCursor(Qt::PointingHandCursor);
    else unsetCursor();
}
