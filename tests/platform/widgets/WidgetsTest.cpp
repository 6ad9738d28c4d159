// The mouse rules of labels and images, the scroll box's docking, the panel's client area and the
// screen cursor state.
#include "platform/Browser.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Keyboard.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScreenCursor.h"
#include "platform/widgets/ScrollBox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// Records the label's signals in the order they come.
struct LabelEvents : ::testing::Test {
    QWidget Window;
    TLabel* Label = new TLabel(QStringLiteral("Меню"), &Window);
    QStringList Log;

    void SetUp() override
    {
        Window.resize(200, 100);
        Label->setGeometry(10, 10, 80, 30);
        QObject::connect(Label, &TLabel::Clicked, [this] { Log << "click"; });
        QObject::connect(Label, &TLabel::MouseDown, [this](Qt::MouseButton b, const QPoint&) {
            Log << (b == Qt::LeftButton ? "down-left" : "down-other");
        });
        QObject::connect(Label, &TLabel::MouseUp, [this](Qt::MouseButton b, const QPoint&) {
            Log << (b == Qt::LeftButton ? "up-left" : "up-other");
        });
        Window.show();
    }
};

TEST_F(LabelEvents, CompletedLeftClickGivesDownClickUp)
{
    QTest::mouseClick(Label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, QStringList({"down-left", "click", "up-left"}));
}

TEST_F(LabelEvents, ReleaseOutsideTheLabelIsStillAReleaseButNoClick)
{
    QTest::mousePress(Label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Label, Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(Log, QStringList({"down-left", "up-left"}));
}

TEST_F(LabelEvents, OtherButtonsPressAndReleaseButNeverClick)
{
    QTest::mouseClick(Label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, QStringList({"down-other", "up-other"}));
}

TEST_F(LabelEvents, ReleaseWithoutAPressOnTheLabelIsNoClick)
{
    QTest::mouseRelease(Label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, QStringList({"up-left"}));
}

TEST_F(LabelEvents, ClickThatFreesTheLabelEndsQuietly)
{
    QObject::connect(Label, &TLabel::Clicked, [this] { delete Label; });
    QTest::mouseClick(Label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, QStringList({"down-left", "click"}));
}

TEST_F(LabelEvents, APressFromTheKeyboardClicksAndRisesAMomentLater)
{
    Label->Press();
    EXPECT_EQ(Log, QStringList({"down-left", "click"})) << "the click runs while the label is down";
    EXPECT_TRUE(QTest::qWaitFor([this] { return Log.size() == 3; }, 2000));
    EXPECT_EQ(Log, QStringList({"down-left", "click", "up-left"}));
    Log.clear();
    Label->setEnabled(false);
    Label->Press();
    QTest::qWait(ui::kPressLookMs + 50);
    EXPECT_TRUE(Log.isEmpty()) << "a disabled label takes no press";
}

TEST(ImageWidget, APressFromTheKeyboardClicksLikeTheMouse)
{
    QWidget window;
    auto* image = new TImage(&window);
    image->setGeometry(0, 0, 50, 50);
    QStringList log;
    QObject::connect(image, &TImage::MouseDown, [&log] { log << "down"; });
    QObject::connect(image, &TImage::Clicked, [&log] { log << "click"; });
    QObject::connect(image, &TImage::MouseUp, [&log] { log << "up"; });
    image->Press();
    EXPECT_EQ(log, QStringList({"down", "click"}));
    EXPECT_TRUE(QTest::qWaitFor([&log] { return log.size() == 3; }, 2000));
    EXPECT_EQ(log, QStringList({"down", "click", "up"}));
    window.setEnabled(false);
    image->Press();
    QTest::qWait(ui::kPressLookMs + 50);
    EXPECT_EQ(log.size(), 3);
}

TEST(ImageWidget, ClicksLikeALabel)
{
    QWidget window;
    auto* image = new TImage(&window);
    image->setGeometry(0, 0, 50, 50);
    window.show();
    QSignalSpy clicks(image, &TImage::Clicked);
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(ImageWidget, PlacesThePictureByStretchCentreAndProportion)
{
    TImage image;
    image.resize(200, 100);
    image.SetPicture(QImage(40, 20, QImage::Format_RGB32));
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 40, 20));
    image.SetCenter(true);
    EXPECT_EQ(image.DestRect(), QRect(80, 40, 40, 20));
    image.SetStretch(true);
    EXPECT_EQ(image.DestRect(), QRect(0, 0, 200, 100));
    image.SetProportional(true);
    image.SetPicture(QImage(50, 100, QImage::Format_RGB32));  // tall: fills the height
    EXPECT_EQ(image.DestRect(), QRect(75, 0, 50, 100));
    image.SetPicture(QImage(400, 100, QImage::Format_RGB32));  // wide: fills the width
    EXPECT_EQ(image.DestRect(), QRect(0, 25, 200, 50));
    // Proportional alone only shrinks a picture that is too big.
    image.SetStretch(false);
    image.SetPicture(QImage(20, 10, QImage::Format_RGB32));
    EXPECT_EQ(image.DestRect(), QRect(90, 45, 20, 10));
}

TEST(ImageWidget, TransparentLeavesOutTheBottomLeftColour)
{
    QWidget back;
    back.resize(10, 10);
    back.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::blue);
    back.setPalette(pal);
    auto* image = new TImage(&back);
    image->setGeometry(0, 0, 10, 10);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(5, 5, qRgb(255, 0, 0));
    image->SetPicture(picture);
    image->SetTransparent(true);
    const QImage shot = back.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(1, 1)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shot.pixel(5, 5)), QColor(Qt::red));
}

TEST(PanelWidget, BevelsPaintTheClassicEdge)
{
    TPanel panel;
    panel.resize(20, 20);
    panel.SetColor(QColor(0x08, 0x13, 0xF8));
    panel.SetBevelOuter(TBevel::Raised);
    QImage shot = panel.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), ui::ButtonHighlight());
    EXPECT_EQ(QColor(shot.pixel(19, 19)), ui::ButtonShadow());
    EXPECT_EQ(QColor(shot.pixel(10, 10)), QColor(0x08, 0x13, 0xF8));
    panel.SetBevelOuter(TBevel::Lowered);
    shot = panel.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), ui::ButtonShadow());
    EXPECT_EQ(QColor(shot.pixel(19, 19)), ui::ButtonHighlight());
}

// A borderless 100 x 100 box with three docked strips of 40, 50 and 30 pixels.
struct DockedStrip : ::testing::Test {
    TScrollBox Box;
    QWidget *A = new QWidget, *B = new QWidget, *C = new QWidget;

    void SetUp() override
    {
        Box.SetBorder(false);
        Box.resize(100, 100);
        Box.show();
        for (auto [w, h] : {std::pair{A, 40}, {B, 50}, {C, 30}}) {
            w->resize(10, h);
            Box.DockTop(w);
        }
    }
    int BarWidth() const { return Box.verticalScrollBar()->sizeHint().width(); }
};

TEST_F(DockedStrip, StacksDownwardAsWideAsTheVisibleArea)
{
    EXPECT_EQ(A->geometry(), QRect(0, 0, 100 - BarWidth(), 40));
    EXPECT_EQ(B->geometry(), QRect(0, 40, 100 - BarWidth(), 50));
    EXPECT_EQ(C->geometry(), QRect(0, 90, 100 - BarWidth(), 30));
    EXPECT_EQ(Box.Content()->height(), 120);
}

TEST_F(DockedStrip, HiddenChildLetsTheOnesBelowMoveUpAndResizingOneRestacks)
{
    B->hide();
    EXPECT_EQ(C->geometry().top(), 40);
    // Everything fits now: no scroll bar, the full width.
    EXPECT_EQ(C->width(), 100);
    A->resize(A->width(), 10);
    EXPECT_EQ(C->geometry().top(), 10);
}

TEST_F(DockedStrip, ScrollPositionIsLimitedToTheRange)
{
    Box.SetVertScrollPos(50);
    EXPECT_EQ(Box.VertScrollPos(), 20);
    Box.SetVertScrollPos(10);
    EXPECT_EQ(Box.VertScrollPos(), 10);
    B->hide();
    C->hide();
    Box.SetVertScrollPos(50);
    EXPECT_EQ(Box.VertScrollPos(), 0);
}

TEST(ScrollBoxWidget, ContentCoversFreelyPlacedChildrenAndDisablingReachesThem)
{
    TScrollBox box;
    box.resize(100, 100);
    box.show();
    auto* tile = new QWidget(box.Content());
    tile->setGeometry(150, 200, 30, 30);
    tile->show();
    EXPECT_GE(box.Content()->width(), 180);
    EXPECT_GE(box.Content()->height(), 230);
    box.setEnabled(false);
    EXPECT_FALSE(tile->isEnabled());
    box.setEnabled(true);
    EXPECT_TRUE(tile->isEnabled());
}

TEST(ScreenCursorState, IsAStateNotAStack)
{
    ui::SetScreenCursor(ui::TScreenCursor::HourGlass);
    ui::SetScreenCursor(ui::TScreenCursor::HourGlass);
    ui::SetScreenCursor(ui::TScreenCursor::Default);
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        ui::TCursorGuard busy;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

TEST(Browser, AnAddressThatCannotBeOpenedIsReportedNotDroppedSilently)
{
    // No opener at all on the path: the failure arrives with the address.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QStringList failed;
    ui::OpenInBrowser(QStringLiteral("https://kvarnel.example.org"), [&](const QString& Url) { failed << Url; });
    qputenv("PATH", path);
    QTRY_COMPARE_WITH_TIMEOUT(failed, QStringList{QStringLiteral("https://kvarnel.example.org")}, 5000);
}
