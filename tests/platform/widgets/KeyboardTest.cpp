// The keyboard's parts in the toolkit layer: where the arrows lead, the window's key preview, the
// focus frame and its drawing, pressing a button from the keyboard.
#include "platform/widgets/Keyboard.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"

#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

// Count cells of W × H in rows of Columns, starting at Left0 on the second row when Offset.
std::vector<QRect> Grid(int Count, int Columns, int W, int H, int SecondRowLeft = 0)
{
    std::vector<QRect> cells;
    for (int i = 0; i < Count; ++i) {
        const int row = i / Columns;
        cells.emplace_back((row > 0 ? SecondRowLeft : 0) + (i % Columns) * W, row * H, W, H);
    }
    return cells;
}

}  // namespace

TEST(ArrowTarget, ReadingOrderAcrossRowsAndTheNearestCellOfTheNextRow)
{
    const auto grid = Grid(33, 6, 182, 111);  // the learning board: five rows of six and three
    EXPECT_EQ(ui::ArrowTarget(grid, 5, Qt::Key_Right), 6) << "the end of a row goes on to the next";
    EXPECT_EQ(ui::ArrowTarget(grid, 6, Qt::Key_Left), 5);
    EXPECT_EQ(ui::ArrowTarget(grid, 0, Qt::Key_Left), 0);
    EXPECT_EQ(ui::ArrowTarget(grid, 32, Qt::Key_Right), 32);
    EXPECT_EQ(ui::ArrowTarget(grid, 8, Qt::Key_Up), 2);
    EXPECT_EQ(ui::ArrowTarget(grid, 3, Qt::Key_Up), 3) << "the top row";
    EXPECT_EQ(ui::ArrowTarget(grid, 30, Qt::Key_Down), 30) << "the bottom row";
    EXPECT_EQ(ui::ArrowTarget(grid, 29, Qt::Key_Down), 32) << "the short last row: its nearest cell";
    EXPECT_EQ(ui::ArrowTarget(grid, 32, Qt::Key_Up), 26);

    // The letter row: 17 cells, then 16 set off by half a cell.
    const auto rows = Grid(33, 17, 50, 35, 25);
    EXPECT_EQ(ui::ArrowTarget(rows, 0, Qt::Key_Down), 17);
    EXPECT_EQ(ui::ArrowTarget(rows, 16, Qt::Key_Down), 32);
    EXPECT_EQ(ui::ArrowTarget(rows, 17, Qt::Key_Up), 0) << "two as near: the left one";

    // A column of thumbnails of different heights.
    const std::vector<QRect> column{{0, 0, 217, 162}, {0, 162, 217, 289}, {0, 451, 217, 150}};
    EXPECT_EQ(ui::ArrowTarget(column, 1, Qt::Key_Down), 2);
    EXPECT_EQ(ui::ArrowTarget(column, 2, Qt::Key_Down), 2);
    EXPECT_EQ(ui::ArrowTarget(column, 1, Qt::Key_Up), 0);
    EXPECT_EQ(ui::ArrowTarget(column, 1, Qt::Key_Home), 1) << "not an arrow";
    EXPECT_EQ(ui::ArrowTarget({}, 0, Qt::Key_Down), 0);
}

TEST(KeyPreview, TheWindowSeesItsKeysFirstAndKeepsThoseItUses)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    QWidget other;
    QStringList seen;
    int presses = 0;
    TKeyPreview preview(
        &window,
        [&seen](QKeyEvent* Key) {
            seen << Key->text();
            return Key->text() == "a";  // the window uses "a" only
        },
        [&presses] { ++presses; });

    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_B);
    EXPECT_EQ(edit->text(), "b") << "the used key never reaches the widget";
    EXPECT_TRUE(seen.contains("a"));
    EXPECT_TRUE(seen.contains("b"));

    seen.clear();
    QTest::keyClick(&other, Qt::Key_C);
    EXPECT_TRUE(seen.isEmpty()) << "another window's keys";

    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_GE(presses, 1);
    const int before = presses;
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_EQ(presses, before);
}

TEST(FocusFrame, ARingOfBlackAndYellowInsideItsWidgetOverTheChildren)
{
    TPanel panel;
    panel.SetColor(QColor(0x51, 0xDB, 0xF5));
    panel.SetBevelOuter(TBevel::None);
    panel.resize(120, 80);
    auto* child = new TPanel(&panel);
    child->SetColor(Qt::red);
    child->SetBevelOuter(TBevel::None);
    child->setGeometry(panel.rect());
    TKeyboardFocus focus;
    focus.MoveTo(&panel);
    EXPECT_FALSE(focus.FrameShown()) << "no frame before it is asked for";
    EXPECT_EQ(QColor(panel.grab().toImage().pixel(1, 1)), QColor(Qt::red));

    focus.ShowFrame();
    ASSERT_TRUE(focus.FrameShown());
    // One pixel in from the edge, where the widget shows its bevel.
    const int in = TFocusFrame::kInset;
    const int thickness = TFocusFrame::Thickness(panel.size() - QSize(2 * in, 2 * in));
    EXPECT_EQ(thickness, 8);
    const int outer = (thickness + 1) / 2;
    QImage shot = panel.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(in, in)), TFocusFrame::OuterColour());
    EXPECT_EQ(QColor(shot.pixel(119 - in, 40)), TFocusFrame::OuterColour());
    EXPECT_EQ(QColor(shot.pixel(in + outer, 40)), TFocusFrame::InnerColour());
    EXPECT_EQ(QColor(shot.pixel(60, 79 - in - outer)), TFocusFrame::InnerColour());
    EXPECT_EQ(QColor(shot.pixel(in + thickness, in + thickness)), QColor(Qt::red)) << "the middle stays the widget's";

    // It follows its widget's size, thinner on a small one, and goes when hidden.
    panel.resize(200, 30);
    child->setGeometry(panel.rect());
    shot = panel.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(199 - in, 15)), TFocusFrame::OuterColour());
    EXPECT_EQ(QColor(shot.pixel(199, 15)), QColor(Qt::red));
    EXPECT_EQ(TFocusFrame::Thickness(QSize(198, 28)), 4);
    EXPECT_EQ(TFocusFrame::Thickness(QSize(65, 17)), 3);
    focus.HideFrame();
    EXPECT_FALSE(focus.FrameShown());
    EXPECT_EQ(QColor(panel.grab().toImage().pixel(0, 0)), QColor(Qt::red));
}

TEST(FocusFrame, MovesWithTheFocusAndSurvivesItsWidget)
{
    QWidget window;
    auto* a = new QWidget(&window);
    auto* b = new QWidget(&window);
    TKeyboardFocus focus;
    focus.MoveTo(a);
    focus.ShowFrame();
    EXPECT_EQ(a->findChildren<TFocusFrame*>().size(), 1);
    focus.MoveTo(b);
    EXPECT_TRUE(a->findChildren<TFocusFrame*>().isEmpty());
    EXPECT_EQ(b->findChildren<TFocusFrame*>().size(), 1);
    EXPECT_EQ(focus.Widget(), b);

    delete b;  // a tile freed with its board
    EXPECT_EQ(focus.Widget(), nullptr);
    EXPECT_FALSE(focus.FrameShown());
    focus.MoveTo(a);
    EXPECT_TRUE(focus.FrameShown()) << "a new frame where the focus goes";
    EXPECT_EQ(a->findChildren<TFocusFrame*>().size(), 1);
}

TEST(PressButton, RunsTheClickAndLooksPressedForAMoment)
{
    QWidget window;
    auto* button = new TSpeedButton(&window);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    ui::PressButton(button);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(button->isDown());
    EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }, 2000));

    button->setEnabled(false);
    ui::PressButton(button);
    EXPECT_EQ(clicks.count(), 1) << "a disabled button takes no press";

    // A click that frees its button ends quietly.
    auto* once = new TSpeedButton(&window);
    QObject::connect(once, &QAbstractButton::clicked, once, [once] { delete once; });
    ui::PressButton(once);
    QTest::qWait(ui::kPressLookMs + 50);
}
