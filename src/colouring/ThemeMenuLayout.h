#pragma once
// The colouring theme menu's size and buttons for a list of theme names: one button a theme,
// the menu as wide as the longest name needs (at least ten characters), or "Пусто" with no themes.
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

struct TThemeMenuLayout {
    int Width = 0;
    int Height = 0;
    QString Caption;             // "Пусто" when there are no themes, otherwise empty
    std::vector<QRect> Buttons;  // one per theme, in list order
};

inline constexpr int kThemeCharWidth = 14;
inline constexpr int kThemeMinChars = 10;
inline constexpr int kThemeButtonHeight = 34;
inline constexpr int kThemeMargin = 3;

TThemeMenuLayout LayoutThemeMenu(const QStringList& Themes);
