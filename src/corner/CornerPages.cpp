#include "corner/CornerPages.h"

#include "corner/CornerDesk.h"
#include "corner/CornerScreen.h"

#include <QLineEdit>
#include <QSlider>

TCornerPages::TCornerPages(TCornerDesk& Desk) : FDesk(Desk) {}

void TCornerPages::Show()
{
    QStringList own;
    for (const QString& theme : pages::OwnThemes(FDesk.UserFolder))
        for (const QString& page : pages::OwnPages(FDesk.UserFolder, theme)) own << theme + u'/' + page;
    FDesk.Screen->ShowOwnPages(own);
}

void TCornerPages::Make()
{
    if (const auto refusal = pages::DrawingRefusal()) return FDesk.Say(*refusal);
    if (const QString file = FDesk.ChoosePicture(QStringLiteral("Сделать раскраску")); !file.isEmpty()) Open(file);
}

void TCornerPages::Open(const QString& Path)
{
    if (const auto error = FPage.Open(Path)) return FDesk.Say(*error);
    FDesk.Screen->ShowSection(TCornerScreen::csColouring);
    FDesk.Screen->ShowPreview(FPage.Preview(FDesk.Screen->DetailSlider()->value()));
    FDesk.Say(QStringLiteral("Двигайте «Проще — Подробнее», пока линии не понравятся, и нажмите «Сохранить раскраску»."));
}

void TCornerPages::ShowDetail(int Detail)
{
    if (!FPage.IsEmpty()) FDesk.Screen->ShowPreview(FPage.Preview(Detail));
}

void TCornerPages::Save()
{
    if (FPage.IsEmpty()) return FDesk.Say(QStringLiteral("Сначала выберите картинку: «Сделать раскраску»."));
    const QString theme = FDesk.Screen->ThemeEdit()->text().simplified();
    if (const auto refusal = pages::NameRefusal(theme)) return FDesk.Say(*refusal);
    const pages::TSaved saved =
        pages::SavePage(FPage.Page(FDesk.Screen->DetailSlider()->value()), FDesk.UserFolder, theme, FPage.SuggestedName());
    if (!saved.Error.isEmpty()) return FDesk.Say(saved.Error);
    FDesk.Say(QStringLiteral("Раскраска сохранена в теме «%1»: она уже в меню «Раскраска».").arg(theme));
    FDesk.Changed = true;
    Show();
}

void TCornerPages::Remove(const QString& Page)
{
    const QString theme = Page.section(u'/', 0, 0), name = Page.section(u'/', 1);
    if (!FDesk.Confirm(QStringLiteral("Удалить раскраску «%1»?").arg(Page))) return;
    if (const auto error = pages::RemovePage(FDesk.UserFolder, theme, name)) return FDesk.Say(*error);
    // A theme with no page left is no theme: the menu would offer an empty one.
    if (pages::OwnPages(FDesk.UserFolder, theme).isEmpty()) pages::RemoveTheme(FDesk.UserFolder, theme);
    FDesk.Say(QStringLiteral("Раскраска «%1» удалена.").arg(Page));
    FDesk.Changed = true;
    Show();
}
