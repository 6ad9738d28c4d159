#pragma once
// Small builders for the window's widget tree: every widget gets its name, its bounds at
// its parent's base size, alignment, anchors, colours and font in one call.
#include "platform/widgets/Align.h"
#include "platform/widgets/Panel.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class TImage;
class TLabel;
class TRichEdit;
class TScrollBox;
class TSpeedButton;

namespace build {

struct TPanelLook {
    QColor Color;
    TBevel Outer = TBevel::Raised;  // the panel default
    TBevel Inner = TBevel::None;
    int BorderWidth = 0;
};
inline TPanelLook Flat(const QColor& Color, int BorderWidth = 0)
{
    return {Color, TBevel::None, TBevel::None, BorderWidth};
}
inline TPanelLook Raised(const QColor& Color)
{
    return {Color, TBevel::Raised, TBevel::None, 0};
}

TPanel* Panel(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, TAnchors Anchors,
              const TPanelLook& Look);
inline TPanel* Panel(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, const TPanelLook& Look)
{
    return Panel(Parent, Name, Bounds, Align, akLeftTop, Look);
}

// A label sized to its caption, at Pos.
TLabel* Label(QWidget* Parent, const char* Name, const QPoint& Pos, const QString& Caption, const QFont& Font,
              const QColor& Color, TAnchors Anchors = akLeftTop);

TSpeedButton* SpeedButton(QWidget* Parent, const char* Name, const QRect& Bounds, TAnchors Anchors, const QFont& Font,
                          const QColor& Color);

TImage* Image(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, TAnchors Anchors);

TScrollBox* ScrollBox(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, bool Border,
                      const QColor& Color);

TRichEdit* RichEdit(QWidget* Parent, const char* Name, const QRect& Bounds, TAnchors Anchors, const QStringList& Lines);

}  // namespace build
