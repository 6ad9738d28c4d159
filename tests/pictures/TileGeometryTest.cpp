#include "pictures/TileGeometry.h"

#include <gtest/gtest.h>

TEST(TileHeight, QuotientFirstInExtendedPrecisionThenTruncated)
{
    EXPECT_EQ(ProportionalTileHeight(400, 300, 217, 40), 162);
    EXPECT_EQ(ProportionalTileHeight(300, 400, 217, 40), 289);
    EXPECT_EQ(ProportionalTileHeight(640, 480, 200, 40), 150);
    EXPECT_EQ(ProportionalTileHeight(50, 210, 200, 40), 839);  // exact arithmetic would give 840
    EXPECT_EQ(ProportionalTileHeight(0, 300, 217, 40), 40);
    EXPECT_EQ(ProportionalTileHeight(0, 300, 217, 162), 162);
}
