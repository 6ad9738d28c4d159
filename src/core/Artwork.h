#pragma once
// The pictures the main window carries with it, drawn at start: the start screen, the sample
// tile's picture and the glyphs of the play, printer and close buttons. Glyph backgrounds are
// transparent.
#include <QImage>

namespace artwork {

QImage StartScreen();   // 800 x 600
QImage SampleTile();    // 106 x 69
QImage PlayGlyph();     // 30 x 30, a green triangle pointing right on a raised grey square
QImage PrinterGlyph();  // 38 x 38
QImage CloseGlyph();    // 20 x 20

}  // namespace artwork
