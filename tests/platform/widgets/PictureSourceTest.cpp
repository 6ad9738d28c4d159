// An image that reads its picture at the size it draws it, and the hold on a part of a window's
// input.
#include "platform/widgets/Image.h"
#include "platform/widgets/InputHold.h"
#include "platform/widgets/Label.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QWidget>

#include <vector>

namespace {

// A picture source that records every size asked for and answers with a picture of that size.
struct TRecordingSource {
    explicit TRecordingSource(QSize FullSize) : Full(FullSize) {}
    QSize Full;
    std::vector<QSize> Asked;

    TImage::TPictureReader Reader()
    {
        return [this](QSize Bounds) {
            Asked.push_back(Bounds);
            const QSize size = Bounds.isEmpty() ? Full : Full.scaled(Bounds, Qt::KeepAspectRatio);
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::red);
            return image;
        };
    }
};

TImage* FittedImage(QWidget* Parent, QSize Size)
{
    auto* image = new TImage(Parent);
    image->setGeometry(QRect(QPoint(0, 0), Size));
    image->SetStretch(true);
    image->SetProportional(true);
    image->SetCenter(true);
    return image;
}

}  // namespace

TEST(PictureSource, IsReadAtTheSizeDrawnAndAgainOnlyWhenTheImageGrowsPastIt)
{
    QWidget window;
    window.resize(1200, 900);
    TImage* image = FittedImage(&window, QSize(842, 574));
    window.show();
    TRecordingSource source{QSize(4000, 3000)};

    image->SetPictureSource(source.Full, source.Reader());
    ASSERT_EQ(source.Asked.size(), 1u);
    // Laid out as the whole picture would be, and read no larger than that.
    EXPECT_EQ(image->DestRect(), QRect(38, 0, 765, 574));
    EXPECT_LE(image->Picture().width(), 765);
    EXPECT_LE(image->Picture().height(), 574);
    EXPECT_GE(image->Picture().width(), 764);

    image->resize(600, 400);  // smaller: what it holds is enough
    EXPECT_EQ(source.Asked.size(), 1u);
    image->resize(1100, 850);  // larger: read again at the new size
    ASSERT_EQ(source.Asked.size(), 2u);
    EXPECT_EQ(image->Picture().size(), QSize(1100, 825));

    // For printing: the whole picture, read anew; what is shown stays.
    EXPECT_EQ(image->FullPicture().size(), QSize(4000, 3000));
    EXPECT_TRUE(source.Asked.back().isEmpty());
    EXPECT_EQ(image->Picture().size(), QSize(1100, 825));

    // A picture smaller than its place is read whole, once.
    TRecordingSource small{QSize(300, 200)};
    image->SetPictureSource(small.Full, small.Reader());
    image->resize(1150, 880);
    ASSERT_EQ(small.Asked.size(), 1u);
    EXPECT_TRUE(small.Asked[0].isEmpty());
    EXPECT_EQ(image->Picture().size(), QSize(300, 200));

    // A plain picture ends the source.
    image->SetPicture(QImage(10, 10, QImage::Format_RGB32));
    image->resize(1190, 890);
    EXPECT_EQ(small.Asked.size(), 1u);
    EXPECT_EQ(image->FullPicture().size(), QSize(10, 10));
}

TEST(InputHold, DropsInputInsideTheHeldWidgetOnlyUntilReleased)
{
    QWidget window;
    window.resize(400, 300);
    auto* held = new QWidget(&window);
    held->setGeometry(0, 0, 200, 300);
    auto* inside = new TLabel(held);
    inside->setGeometry(10, 10, 50, 50);
    auto* outside = new TLabel(&window);
    outside->setGeometry(250, 10, 50, 50);
    window.show();
    int insideClicks = 0, outsideClicks = 0;
    QObject::connect(inside, &TLabel::Clicked, [&] { ++insideClicks; });
    QObject::connect(outside, &TLabel::Clicked, [&] { ++outsideClicks; });

    TInputHold hold;
    hold.Hold(held);
    hold.Hold(held);  // two waits on the same screen
    EXPECT_TRUE(hold.Holds(inside));
    EXPECT_FALSE(hold.Holds(outside));
    QTest::mouseClick(inside, Qt::LeftButton);
    QTest::mouseClick(outside, Qt::LeftButton);
    EXPECT_EQ(insideClicks, 0);
    EXPECT_EQ(outsideClicks, 1);

    hold.Release(held);
    QTest::mouseClick(inside, Qt::LeftButton);
    EXPECT_EQ(insideClicks, 0) << "still held once";
    hold.Release(held);
    QTest::mouseClick(inside, Qt::LeftButton);
    EXPECT_EQ(insideClicks, 1);
}
