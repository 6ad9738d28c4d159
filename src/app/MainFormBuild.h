#pragma once
// Small builders for the main window's widget tree: every widget gets its design name, its
// bounds at its parent's design size, alignment, anchors, colours and font in one call.
#include "platform/Align.h"
#include "platform/Panel.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class TImage;
class TLabel;
class TRichEdit;
class TScrollBox;
class TSpeedButton;

// The six colours of every screen (besides the system greys).
namespace palette {
inline const QColor DeepBlue(0x08, 0x13, 0xF8);      // ribbon, menus, borders of the regions, overlay
inline const QColor LightSkyBlue(0x51, 0xDB, 0xF5);  // screens, start screen, rules pages, inner panels
inline const QColor Teal(0x0C, 0xAC, 0xC9);          // caption and button strips
inline const QColor Orange(0xE6, 0xAC, 0x00);        // the content area behind the screens
inline const QColor LightBlue(0x78, 0xCE, 0xFC);     // the loading bar
inline const QColor Yellow(0xFF, 0xFF, 0x00);        // lettering on blue and on teal captions
inline const QColor TileGrey(0xA0, 0xA0, 0xA4);      // the sample tile
}  // namespace palette

namespace build {

struct TPanelLook {
    QColor Color;
    TBevel Outer = TBevel::Raised;  // the panel default
    TBevel Inner = TBevel::None;
    int BorderWidth = 0;
};
inline TPanelLook Flat(const QColor& Color, int BorderWidth = 0) { return {Color, TBevel::None, TBevel::None, BorderWidth}; }
inline TPanelLook Raised(const QColor& Color) { return {Color, TBevel::Raised, TBevel::None, 0}; }

TPanel* Panel(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, TAnchors Anchors, const TPanelLook& Look);
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

TScrollBox* ScrollBox(QWidget* Parent, const char* Name, const QRect& Bounds, TAlign Align, bool Border, const QColor& Color);

// The right-hand column of a picture screen: deep blue, then sky blue, 4 px each, around a
// borderless scroll box for the thumbnails. Returns the scroll box; Column receives the column.
TScrollBox* ThumbnailColumn(TPanel* Screen, const char* ColumnName, const char* InnerName, const char* BoxName,
                            TPanel** Column = nullptr);

// A big picture anchored to all sides, drawn centred and scaled to fit with its proportions kept.
TImage* FittedImage(QWidget* Parent, const char* Name, const QRect& Bounds);

TRichEdit* RichEdit(QWidget* Parent, const char* Name, const QRect& Bounds, TAnchors Anchors, const QStringList& Lines);

}  // namespace build
