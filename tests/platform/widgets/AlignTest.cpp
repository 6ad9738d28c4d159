// Alignment and anchors: where children land when their parent is laid out at its base size
// and at other sizes, with hidden children, bevels, and children moved by code.
#include "platform/widgets/Align.h"
#include "platform/widgets/Panel.h"

#include <gtest/gtest.h>
#include <QWidget>
#include <memory>

namespace {

QWidget* Child(QWidget* Parent, const QRect& Bounds, TAlign Align = TAlign::None, TAnchors Anchors = akLeftTop)
{
    auto* w = new QWidget(Parent);
    ui::SetBase(w, Bounds, Align, Anchors);
    return w;
}

QWidget* Child(QWidget* Parent, const QRect& Bounds, TAnchors Anchors)
{
    return Child(Parent, Bounds, TAlign::None, Anchors);
}

// A parent at its base size 200 x 100 with one child of each alignment.
struct AlignedFamily : ::testing::Test {
    std::unique_ptr<TPanel> Parent = std::make_unique<TPanel>();
    QWidget *Top, *Bottom, *Left, *Right, *Client;

    void SetUp() override
    {
        Parent->resize(200, 100);
        ui::SetBaseSize(Parent.get(), {200, 100});
        // Created in an order unlike the alignment order, and with stale bounds: only sizes count.
        Client = Child(Parent.get(), QRect(5, 5, 5, 5), TAlign::Client);
        Right = Child(Parent.get(), QRect(0, 0, 40, 1), TAlign::Right);
        Left = Child(Parent.get(), QRect(0, 0, 30, 1), TAlign::Left);
        Bottom = Child(Parent.get(), QRect(0, 0, 1, 20), TAlign::Bottom);
        Top = Child(Parent.get(), QRect(0, 0, 1, 10), TAlign::Top);
    }
};

TEST_F(AlignedFamily, EdgesTakeTheirPlacesTopBottomLeftRightThenClient)
{
    Parent->SetBevelOuter(TBevel::None);
    ui::Realign(Parent.get());
    EXPECT_EQ(Top->geometry(), QRect(0, 0, 200, 10));
    EXPECT_EQ(Bottom->geometry(), QRect(0, 80, 200, 20));
    EXPECT_EQ(Left->geometry(), QRect(0, 10, 30, 70));
    EXPECT_EQ(Right->geometry(), QRect(160, 10, 40, 70));
    EXPECT_EQ(Client->geometry(), QRect(30, 10, 130, 70));
}

TEST_F(AlignedFamily, BevelsAndBorderNarrowTheSharedRectangle)
{
    Parent->SetBevelOuter(TBevel::Raised);
    Parent->SetBevelInner(TBevel::Lowered);
    Parent->SetBorderWidth(2);  // 1 + 2 + 1 on every side
    ui::Realign(Parent.get());
    EXPECT_EQ(Top->geometry(), QRect(4, 4, 192, 10));
    EXPECT_EQ(Bottom->geometry(), QRect(4, 76, 192, 20));
    EXPECT_EQ(Client->geometry(), QRect(34, 14, 122, 62));
}

TEST_F(AlignedFamily, FollowTheParentWhenItGrowsWithoutBeingAsked)
{
    Parent->SetBevelOuter(TBevel::None);
    Parent->show();
    Parent->resize(400, 300);
    EXPECT_EQ(Bottom->geometry(), QRect(0, 280, 400, 20));
    EXPECT_EQ(Right->geometry(), QRect(360, 10, 40, 270));
    EXPECT_EQ(Client->geometry(), QRect(30, 10, 330, 270));
}

TEST_F(AlignedFamily, HiddenChildrenTakeNoSpaceAndShowingOneGivesItBack)
{
    Parent->SetBevelOuter(TBevel::None);
    Parent->show();
    Top->hide();
    Left->hide();
    EXPECT_EQ(Client->geometry(), QRect(0, 0, 160, 80));
    EXPECT_EQ(Right->geometry(), QRect(160, 0, 40, 80));
    Top->show();
    EXPECT_EQ(Client->geometry(), QRect(0, 10, 160, 70));
    EXPECT_EQ(Top->geometry(), QRect(0, 0, 200, 10));
}

TEST_F(AlignedFamily, HiddenClientChildIsLeftWhereItWas)
{
    Client->hide();
    Parent->SetBevelOuter(TBevel::None);
    ui::Realign(Parent.get());
    EXPECT_EQ(Client->geometry(), QRect(5, 5, 5, 5));
}

TEST(Align, ChildrenOfOneAlignmentStackByTheirBasePlace)
{
    QWidget parent;
    parent.resize(100, 100);
    QWidget* second = Child(&parent, QRect(0, 20, 100, 7), TAlign::Top);
    QWidget* first = Child(&parent, QRect(0, 0, 100, 5), TAlign::Top);
    ui::Realign(&parent);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 100, 5));
    EXPECT_EQ(second->geometry(), QRect(0, 5, 100, 7));
}

// A 100 x 100 parent with children anchored in each way, then grown to 300 x 200.
TEST(Anchors, KeepDistancesToTheAnchoredEdgesAndScaleTheCentreOtherwise)
{
    QWidget parent;
    parent.resize(100, 100);
    QWidget* leftTop = Child(&parent, QRect(10, 10, 20, 20));
    QWidget* rightTop = Child(&parent, QRect(70, 10, 20, 20), akRight | akTop);
    QWidget* stretched = Child(&parent, QRect(10, 40, 80, 10), akLeft | akTop | akRight);
    QWidget* all = Child(&parent, QRect(4, 4, 92, 92), akAll);
    QWidget* bottom = Child(&parent, QRect(10, 80, 20, 10), akLeft | akBottom);
    QWidget* floating = Child(&parent, QRect(40, 45, 20, 10), akNone);

    parent.resize(300, 200);
    ui::Realign(&parent);
    EXPECT_EQ(leftTop->geometry(), QRect(10, 10, 20, 20));
    EXPECT_EQ(rightTop->geometry(), QRect(270, 10, 20, 20));
    EXPECT_EQ(stretched->geometry(), QRect(10, 40, 280, 10));
    EXPECT_EQ(all->geometry(), QRect(4, 4, 292, 192));
    EXPECT_EQ(bottom->geometry(), QRect(10, 180, 20, 10));
    // Centre (50, 50) of 100 x 100 goes to (150, 100); the size stays.
    EXPECT_EQ(floating->geometry(), QRect(140, 95, 20, 10));

    parent.resize(100, 100);
    ui::Realign(&parent);
    EXPECT_EQ(floating->geometry(), QRect(40, 45, 20, 10));
    EXPECT_EQ(all->geometry(), QRect(4, 4, 92, 92));
}

TEST(Anchors, ChildMovedByCodeKeepsItsNewBoundsAsItsBase)
{
    QWidget parent;
    parent.resize(100, 100);
    QWidget* menu = Child(&parent, QRect(10, 10, 20, 20));
    QWidget* rightTop = Child(&parent, QRect(70, 10, 20, 20), akRight | akTop);
    menu->setGeometry(10, 10, 50, 60);  // a menu that code has sized to its entries
    rightTop->move(50, 10);             // now 30 from the right edge
    parent.resize(200, 200);
    ui::Realign(&parent);
    EXPECT_EQ(menu->geometry(), QRect(10, 10, 50, 60));
    EXPECT_EQ(rightTop->geometry(), QRect(150, 10, 20, 20));
}

// Rules are measured against the parent's base size, not against the size it has when the
// child is described: a client-filling parent that grows at once because a bottom sibling is
// hidden still places its children as laid out.
TEST(Anchors, MeasureAgainstTheParentsBaseSize)
{
    QWidget window;
    window.resize(100, 100);
    ui::SetBaseSize(&window, {100, 100});
    auto* strip = new QWidget(&window);
    ui::SetBase(strip, QRect(0, 60, 100, 40), TAlign::Bottom);
    strip->hide();
    auto* area = new TPanel(&window);
    area->SetBevelOuter(TBevel::None);
    ui::SetBase(area, QRect(0, 0, 100, 60), TAlign::Client);
    QWidget* centred = Child(area, QRect(40, 20, 20, 20), akNone);
    QWidget* corner = Child(area, QRect(70, 30, 20, 20), akRight | akBottom);

    ui::Realign(&window);
    EXPECT_EQ(area->geometry(), QRect(0, 0, 100, 100));
    EXPECT_EQ(centred->geometry(), QRect(40, 40, 20, 20));  // centre 30 of 60 -> 50 of 100
    EXPECT_EQ(corner->geometry(), QRect(70, 70, 20, 20));
}

TEST(Anchors, ChildrenOfHiddenWidgetsArePlacedAtOnce)
{
    QWidget window;
    window.resize(100, 100);
    auto* hidden = new QWidget(&window);
    ui::SetBase(hidden, QRect(0, 0, 100, 100), TAlign::Client);
    hidden->hide();
    auto* screen = new QWidget(&window);
    ui::SetBase(screen, QRect(0, 0, 100, 100), TAlign::Client);
    QWidget* inHidden = Child(hidden, QRect(80, 80, 10, 10), akRight | akBottom);
    window.show();

    window.resize(200, 150);
    // The hidden client child is not placed, and so neither are its own children...
    EXPECT_EQ(inHidden->geometry(), QRect(80, 80, 10, 10));
    // ...until it is shown: then it fills the parent and its children follow at once.
    hidden->show();
    EXPECT_EQ(hidden->geometry(), QRect(0, 0, 200, 150));
    EXPECT_EQ(inHidden->geometry(), QRect(180, 130, 10, 10));
}

TEST(Align, RunTimeChildrenTakeTheirCurrentBoundsAsBase)
{
    QWidget tile;
    tile.resize(60, 40);
    auto* image = new QWidget(&tile);
    image->setGeometry(2, 2, 56, 36);
    ui::SetAnchors(image, akAll);
    auto* clickArea = new QWidget(&tile);
    ui::SetAlign(clickArea, TAlign::Client);
    EXPECT_EQ(clickArea->geometry(), QRect(0, 0, 60, 40));
    EXPECT_EQ(ui::AnchorsOf(image), akAll);
    EXPECT_EQ(ui::AlignOf(clickArea), TAlign::Client);

    tile.resize(182, 111);
    ui::Realign(&tile);
    EXPECT_EQ(image->geometry(), QRect(2, 2, 178, 107));
    EXPECT_EQ(clickArea->geometry(), QRect(0, 0, 182, 111));
}

TEST(Align, ChildThatMovesToAnotherParentLeavesTheOldOnesRules)
{
    QWidget first, second;
    first.resize(100, 100);
    second.resize(50, 50);
    QWidget* tile = Child(&first, QRect(0, 0, 10, 10), TAlign::Client);
    tile->setParent(&second);
    tile->setGeometry(1, 2, 3, 4);
    first.resize(300, 300);
    ui::Realign(&first);
    EXPECT_EQ(tile->geometry(), QRect(1, 2, 3, 4));
}

}  // namespace
