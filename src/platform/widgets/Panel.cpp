#include "platform/widgets/Panel.h"

#include <QPainter>

namespace ui {
QColor ButtonFace()
{
    return QColor(0xF0, 0xF0, 0xF0);
}
QColor ButtonHighlight()
{
    return QColor(0xFF, 0xFF, 0xFF);
}
QColor ButtonShadow()
{
    return QColor(0xA0, 0xA0, 0xA0);
}
}  // namespace ui

namespace {

// One 1-px edge: light above and left, dark below and right when raised; the reverse when lowered.
QRect DrawBevel(QPainter& p, QRect r, TBevel Bevel)
{
    if (Bevel == TBevel::None) return r;
    const QColor light = Bevel == TBevel::Raised ? ui::ButtonHighlight() : ui::ButtonShadow();
    const QColor dark = Bevel == TBevel::Raised ? ui::ButtonShadow() : ui::ButtonHighlight();
    p.setPen(light);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(dark);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    return r.adjusted(1, 1, -1, -1);
}

}  // namespace

TPanel::TPanel(QWidget* Parent) : QWidget(Parent), FColor(ui::ButtonFace()) {}

void TPanel::SetColor(const QColor& Color)
{
    FColor = Color;
    update();
}

void TPanel::SetBevelOuter(TBevel Bevel)
{
    if (FBevelOuter == Bevel) return;
    FBevelOuter = Bevel;
    update();
    ui::Realign(this);
}

void TPanel::SetBevelInner(TBevel Bevel)
{
    if (FBevelInner == Bevel) return;
    FBevelInner = Bevel;
    update();
    ui::Realign(this);
}

void TPanel::SetBorderWidth(int Width)
{
    FBorderWidth = Width;
    update();
    ui::Realign(this);
}

void TPanel::SetCaption(const QString& Caption)
{
    FCaption = Caption;
    update();
}

int TPanel::Inset() const
{
    return (FBevelOuter != TBevel::None) + FBorderWidth + (FBevelInner != TBevel::None);
}

QRect TPanel::AlignClientRect() const
{
    const int i = Inset();
    return rect().adjusted(i, i, -i, -i);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), FColor);
    QRect r = DrawBevel(p, rect(), FBevelOuter);
    r = r.adjusted(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
    r = DrawBevel(p, r, FBevelInner);
    if (!FCaption.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter, FCaption);
    }
}
