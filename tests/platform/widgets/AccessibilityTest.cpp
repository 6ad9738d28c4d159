// What assistive technology sees of the program's own widgets: roles, names, the default action,
// and a widget standing for its children.
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleActionInterface>

namespace {

QAccessibleActionInterface* Actions(QWidget* Widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget);
    return face ? face->actionInterface() : nullptr;
}

}  // namespace

TEST(Accessibility, APanelGivenAPressIsOneNamedButtonThatClicks)
{
    QWidget window;
    auto* tile = new TPanel(&window);
    new TLabel(QStringLiteral("А"), tile);
    new TImage(tile);
    int presses = 0;
    ui::SetAccessible(tile, ui::TAccessRole::Button, [&presses] { ++presses; });
    tile->setAccessibleName(QStringLiteral("Буква А"));

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(tile);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), "Буква А");
    EXPECT_EQ(face->childCount(), 0) << "the tile stands for its picture and captions";
    ASSERT_NE(Actions(tile), nullptr);
    EXPECT_EQ(Actions(tile)->actionNames().value(0), QAccessibleActionInterface::pressAction());
    Actions(tile)->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses, 1);
    tile->setEnabled(false);
    Actions(tile)->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses, 1) << "a disabled tile takes no click";
}

TEST(Accessibility, PlainWidgetsKeepTheirChildrenAndImagesAreGraphics)
{
    QWidget window;
    auto* pane = new TPanel(&window);
    auto* caption = new TLabel(QStringLiteral("Тип игры"), pane);
    auto* picture = new TImage(pane);
    ui::SetAccessible(caption, ui::TAccessRole::StaticText);

    QAccessibleInterface* paneFace = QAccessible::queryAccessibleInterface(pane);
    ASSERT_NE(paneFace, nullptr);
    EXPECT_EQ(paneFace->role(), QAccessible::Pane);
    EXPECT_EQ(paneFace->childCount(), 2);
    QAccessibleInterface* captionFace = QAccessible::queryAccessibleInterface(caption);
    EXPECT_EQ(captionFace->role(), QAccessible::StaticText);
    EXPECT_EQ(captionFace->text(QAccessible::Name), "Тип игры") << "a label without a name reads its caption";
    EXPECT_FALSE(Actions(caption)->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);

    // A role given after assistive technology first asked still counts.
    ui::SetAccessible(pane, ui::TAccessRole::Button, [] {});
    EXPECT_EQ(paneFace->role(), QAccessible::Button);
    EXPECT_EQ(paneFace->childCount(), 0);
}
