#pragma once
// The height of a picture tile that shows a Width × Height picture across TileWidth pixels.

// Trunc((Height / Width) × TileWidth) with the quotient formed first in extended precision
// (long double, 80-bit on x86-64), then multiplied and truncated toward zero. Near whole numbers
// this is one less than the exact Height × TileWidth div Width (210 / 50 × 200 gives 839), and
// the strips keep that rounding. A picture of width 0 leaves the tile at CurrentHeight.
int ProportionalTileHeight(int PictureWidth, int PictureHeight, int TileWidth, int CurrentHeight);
