// A family's own colouring page printed on A4: its lines come out wide enough for a crayon.
#include "pictures/ColouringPages.h"
#include "pictures/PagePrinting.h"

#include <gtest/gtest.h>

namespace {

// A4 at 600 dots per inch: 210 × 297 mm.
constexpr double kDotsPerMm = 600.0 / 25.4;
constexpr int kA4Width = int(210 * kDotsPerMm), kA4Height = int(297 * kDotsPerMm);

TEST(OwnPageLines, AtLeastOneAndAHalfMillimetresOnA4EitherWayRound)
{
    for (QSize page : {pages::kPageSize, pages::kPageSize.transposed()}) {
        const bool landscape = page.width() > page.height();
        const TPrintPlan plan =
            PlanPrint(kA4Width, landscape ? kA4Height : kA4Width, landscape ? kA4Width : kA4Height, page);
        const double mmPerPixelX = plan.PictureRect.width() / kDotsPerMm / page.width();
        const double mmPerPixelY = plan.PictureRect.height() / kDotsPerMm / page.height();
        EXPECT_GE(pages::kLineWidth * std::min(mmPerPixelX, mmPerPixelY), 1.5) << page.width() << "x" << page.height();
    }
}

}  // namespace
