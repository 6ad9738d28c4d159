#include "platform/widgets/WidgetBuild.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Style.h"

namespace build {

TPanel* Panel(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, TAnchors Anchors, const TPanelLook& Look)
{
    auto* p = new TPanel(Parent);
    p->setObjectName(QLatin1String(Name));
    p->SetColor(Look.Color);
    p->SetBevelOuter(Look.Outer);
    p->SetBevelInner(Look.Inner);
    p->SetBorderWidth(Look.BorderWidth);
    ui::SetBase(p, Bounds, Align, Anchors);
    return p;
}

TLabel* Label(QWidget* Parent, const char* Name, const QPoint& Pos, const QString& Caption, const QFont& Font,
              const QColor& Color, TAnchors Anchors)
{
    auto* l = new TLabel(Caption, Parent);
    l->setObjectName(QLatin1String(Name));
    ui::SetFont(l, Font, Color);
    ui::SetBase(l, QRect(Pos, l->sizeHint()), Anchors);
    return l;
}

TSpeedButton* SpeedButton(QWidget* Parent, const char* Name, const QRect& Bounds, TAnchors Anchors, const QFont& Font,
                          const QColor& Color)
{
    auto* b = new TSpeedButton(Parent);
    b->setObjectName(QLatin1String(Name));
    ui::SetFont(b, Font, Color);
    ui::SetBase(b, Bounds, Anchors);
    return b;
}

TImage* Image(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, TAnchors Anchors)
{
    auto* i = new TImage(Parent);
    i->setObjectName(QLatin1String(Name));
    ui::SetBase(i, Bounds, Align, Anchors);
    return i;
}

TScrollBox* ScrollBox(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, bool Border, const QColor& Color)
{
    auto* s = new TScrollBox(Parent);
    s->setObjectName(QLatin1String(Name));
    s->SetBorder(Border);
    s->SetColor(Color);
    ui::SetBase(s, Bounds, Align);
    return s;
}

TRichEdit* RichEdit(QWidget* Parent, const char* Name, const QRect& Bounds, TAnchors Anchors, const QStringList& Lines)
{
    auto* r = new TRichEdit(Parent);
    r->setObjectName(QLatin1String(Name));
    r->SetBorderWidth(5);
    ui::SetFont(r, fonts::StandIn(QStringLiteral("Arial"), 19), Qt::black);
    r->SetLines(Lines);
    ui::SetBase(r, Bounds, Anchors);
    return r;
}

}  // namespace build
