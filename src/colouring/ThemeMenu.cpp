#include "colouring/ThemeMenu.h"

#include "colouring/ThemeMenuLayout.h"
#include "core/Palette.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"

void FillThemeMenu(TPanel* Menu, const QStringList& Themes, const std::function<void(TSpeedButton*)>& OnChoose)
{
    qDeleteAll(Menu->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly));
    const TThemeMenuLayout layout = LayoutThemeMenu(Themes);
    Menu->SetCaption(layout.Caption);
    Menu->resize(layout.Width, layout.Height);
    for (qsizetype k = 0; k < Themes.size(); ++k) {
        TSpeedButton* button = AddThemeButton(Menu, Themes[k], layout.Buttons[static_cast<size_t>(k)]);
        QObject::connect(button, &TSpeedButton::clicked, button, [OnChoose, button] { OnChoose(button); });
    }
}

TSpeedButton* AddThemeButton(TPanel* Menu, const QString& Caption, const QRect& Bounds)
{
    auto* button = new TSpeedButton(Menu);
    button->setObjectName(QStringLiteral("ThemeButton"));                  // each one is told apart by its caption
    button->setFont(fonts::StandIn(QStringLiteral("Comic Sans MS"), 16));  // 12 points at 96 dpi
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, palette::Yellow);
    button->setPalette(pal);
    button->SetCaption(Caption);
    button->SetHandCursor(true);
    button->setGeometry(Bounds);
    ui::SetAnchors(button, akLeft | akTop | akRight);
    button->show();
    return button;
}
