#pragma once
// The geometry of a picture tile: the red frame around its picture and its height for a picture.
#include <QSize>

// The picture lies 3 px inside the tile's sides and 4 px inside its top and bottom.
inline constexpr int kTileImageSideMargin = 3;
inline constexpr int kTileImageTopMargin = 4;

// The largest size a picture is shown at in a tile TileWidth wide on a screen of DevicePixelRatio,
// in device pixels: its width binds, its height follows the picture.
QSize TileImageBounds(int TileWidth, double DevicePixelRatio);

// The height of a picture tile that shows a Width × Height picture across TileWidth pixels.

// Trunc((Height / Width) × TileWidth) with the quotient formed first in extended precision
// (long double, 80-bit on x86-64), then multiplied and truncated toward zero. Near whole numbers
// this is one less than the exact Height × TileWidth div Width (210 / 50 × 200 gives 839), and
// the strips keep that rounding. A picture of width 0 leaves the tile at CurrentHeight.
int ProportionalTileHeight(int PictureWidth, int PictureHeight, int TileWidth, int CurrentHeight);
