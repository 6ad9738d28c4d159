#pragma once
// The pictures of the content tree: letter cards, word pictures and colouring pages.
#include "content/ContentData.h"
#include "content/IconArt.h"

#include <QByteArray>
#include <QImage>

namespace content {

inline constexpr QSize kLetterCardSize{360, 240};  // the letter tiles are 3 : 2
inline constexpr QSize kWordPictureSize{400, 300};
inline constexpr QSize kColouringPageSize{1240, 1754};  // A4 portrait at 150 dpi

// A bright card with the capital and small letter, and the picture of a word that holds the letter.
// Index picks the card's colour, so neighbours in the alphabet differ.
QImage LetterCard(const TLetterEntry& Letter, int Index, const IIconArt& Art);
// The word's picture alone on a light ground (no writing: the games ask for the word's letters).
QImage WordPicture(const TWordEntry& Word, const IIconArt& Art);
// A 1-bit page: the word in hollow capitals at the top, the picture's outlines below.
QImage ColouringPage(const TColouringPage& Page, const IIconArt& Art);

// The page as a Windows bitmap file in its stored (scrambled) form.
QByteArray StoredColouringPage(const QImage& Page);
QByteArray JpegBytes(const QImage& Image, int Quality = 88);

// Changes whenever the pictures this file draws would come out different.
QString PictureRecipe();

}  // namespace content
