#pragma once
// The page for the fridge or the group's wall: "<Имя> знает буквы" at the top and the letters the
// child knows, large, in a grid that fits any number of them, from none to all 33. Drawn in light
// tiles with dark letters, so that it prints as well in black and white as in colour.
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// The page: A4's shape at 150 dots per inch.
inline constexpr QSize kKnownLettersPageSize{1240, 1754};

// Where the title is written.
QRect KnownLettersTitleRect();
// The tiles of Count letters, row by row, as large as the space under the title lets them be.
std::vector<QRect> KnownLettersCells(int Count);
// The page with Title and Letters (capitals, in their order). With no letter, a gentle line says
// that letters are coming.
QImage KnownLettersPage(const QString& Title, const QStringList& Letters);
