#include "colouring/ThemeMenuLayout.h"

#include <algorithm>

TThemeMenuLayout LayoutThemeMenu(const QStringList& Themes)
{
    TThemeMenuLayout menu;
    qsizetype maxChars = kThemeMinChars;
    for (const QString& t : Themes) maxChars = std::max(maxChars, t.size());
    menu.Width = static_cast<int>(maxChars) * kThemeCharWidth;

    if (Themes.isEmpty()) {
        menu.Height = kThemeMargin + kThemeButtonHeight + kThemeMargin;
        menu.Caption = QStringLiteral("Пусто");
        return menu;
    }
    // Buttons step by 36 pixels while the menu counts 37 a row, so a few pixels stay free below.
    const int n = static_cast<int>(Themes.size());
    for (int k = 0; k < n; ++k)
        menu.Buttons.emplace_back(kThemeMargin, kThemeMargin + k * (kThemeButtonHeight + 2), menu.Width - 2 * kThemeMargin,
                                  kThemeButtonHeight);
    menu.Height = n * (kThemeMargin + kThemeButtonHeight) + kThemeMargin;
    return menu;
}
