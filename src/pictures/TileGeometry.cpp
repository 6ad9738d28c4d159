#include "pictures/TileGeometry.h"

#include <cmath>

QSize TileImageBounds(int TileWidth, double DevicePixelRatio)
{
    const int width = std::max(1, TileWidth - 2 * kTileImageSideMargin);
    // Tall enough for any picture that is not absurdly narrow: the width decides.
    return QSize(int(std::ceil(width * DevicePixelRatio)), 1 << 16);
}

int ProportionalTileHeight(int PictureWidth, int PictureHeight, int TileWidth, int CurrentHeight)
{
    if (PictureWidth == 0) return CurrentHeight;
    const long double ratio = static_cast<long double>(PictureHeight) / static_cast<long double>(PictureWidth);
    return static_cast<int>(ratio * static_cast<long double>(TileWidth));
}
