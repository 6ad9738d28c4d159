#pragma once
// How "Слоги" looks: the letter colours of the kindergartens' letter cards (vowels red, hard
// consonants blue, soft ones green), the tiles' fonts and sizes, and the few pictures it draws (the
// arrows, the reading arcs, the runner). Every tile the child presses is at least kMinTile square.
#include "core/Syllables.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace slog_look {

inline constexpr int kMinTile = 96;

QColor ColourOf(syllables::TTileColour Colour);
// Written in capitals, each letter in its colour (rich text for a label); or its letter at Index only.
QString ColouredText(const QString& Written);
QString ColouredLetter(const QString& Written, qsizetype Index);
// The lettering of the tiles: Arial, bold, PixelSize high.
QFont TileFont(int PixelSize);

// A green triangle pointing right ("Повторить"), on a transparent square of Size.
QImage PlayGlyph(int Size);
// A thick arrow pointing left or right, on a transparent square of Size; grey when it leads nowhere.
QImage ArrowGlyph(bool Right, int Size, bool Enabled = true);
// The reading arc under a syllable (or under a whole word, Long): a curve open at the top.
QImage ReadingArc(int Width, int Height, bool Long);
// The runner: a yellow ball with a dark edge and a face that looks right.
QImage Runner(int Size);

}  // namespace slog_look
