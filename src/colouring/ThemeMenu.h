#pragma once
// The colouring theme menu beside the main menu: one button a theme, sized and placed by the
// menu's layout, or the empty menu reading "Пусто".
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class TPanel;
class TSpeedButton;

// Discards the buttons of an earlier showing and gives Menu one button per theme (in list order),
// its caption and its size. A theme button's click calls OnChoose with the button.
void FillThemeMenu(TPanel* Menu, const QStringList& Themes, const std::function<void(TSpeedButton*)>& OnChoose);
// One theme button on Menu at Bounds, stretched with the menu's width.
TSpeedButton* AddThemeButton(TPanel* Menu, const QString& Caption, const QRect& Bounds);
