#include "colouring/ThemeMenuLayout.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>

TEST(ThemeMenuLayout, ShortNamesGiveTheMinimumWidthAndRowsOf37)
{
    const auto menu = LayoutThemeMenu({QStringLiteral("Животные"), QStringLiteral("Машины"), QStringLiteral("Цветы")});
    EXPECT_EQ(menu.Width, 140);
    EXPECT_EQ(menu.Height, 114);
    EXPECT_TRUE(menu.Caption.isEmpty());
    ASSERT_EQ(menu.Buttons.size(), 3u);
    EXPECT_EQ(menu.Buttons[0], QRect(3, 3, 134, 34));
    EXPECT_EQ(menu.Buttons[1].top(), 39);
    EXPECT_EQ(menu.Buttons[2].top(), 75);
    // Below the last button n + 2 pixels of the menu stay free.
    EXPECT_EQ(menu.Height - (menu.Buttons[2].bottom() + 1), 3 + 2);
}

TEST(ThemeMenuLayout, TheLongestNameWidensTheMenu)
{
    const auto menu = LayoutThemeMenu({QStringLiteral("Еда"), QStringLiteral("Морские животные")});  // 16 characters
    EXPECT_EQ(menu.Width, 16 * 14);
    EXPECT_EQ(menu.Buttons.at(1).width(), 16 * 14 - 6);
    EXPECT_EQ(LayoutThemeMenu({QStringLiteral("Пятнадцать букв")}).Width, 210);  // 15 characters
    EXPECT_EQ(LayoutThemeMenu({QStringLiteral("Десятьбукв")}).Width, 140);
}

TEST(ThemeMenuLayout, NoThemesReadsEmpty)
{
    const auto menu = LayoutThemeMenu({});
    EXPECT_EQ(menu.Width, 140);
    EXPECT_EQ(menu.Height, 40);
    EXPECT_EQ(menu.Caption, QStringLiteral("Пусто"));
    EXPECT_TRUE(menu.Buttons.empty());
}
