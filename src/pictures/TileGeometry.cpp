#include "pictures/TileGeometry.h"

int ProportionalTileHeight(int PictureWidth, int PictureHeight, int TileWidth, int CurrentHeight)
{
    if (PictureWidth == 0) return CurrentHeight;
    const long double ratio = static_cast<long double>(PictureHeight) / static_cast<long double>(PictureWidth);
    return static_cast<int>(ratio * static_cast<long double>(TileWidth));
}
