#pragma once
// The program's colours.
#include <QColor>

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
