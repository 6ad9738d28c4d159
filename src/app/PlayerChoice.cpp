#include "app/PlayerChoice.h"

#include "app/KeyboardPlay.h"
#include "app/MainForm.h"
#include "corner/GrownUpsCorner.h"
#include "progress/ChildrenPanel.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressStore.h"
#include "progress/StorePractice.h"

TPlayerChoice* JoinProgress(TMainForm& Window, TProgressStore& Store)
{
    Window.Context.Answers.Listen([&Store](const TAnswer& Answer) { Store.Keep(Answer); });
    // "Экзамен: сначала трудные буквы", when the grown-up has turned it on in "Успехи".
    Window.Context.ExamPractice = std::make_shared<TStorePractice>(Store);
    Window.Corner->SetProgressStore(&Store);
    auto* players =
        new TPlayerChoice(Window, *Window.MenuRibbon, Store, [&settings = Window.Context.Settings](const QString& Animal) {
            return ChildPicture(settings, Animal, QSize(170, 170));
        });
    ui::TKeyScreen keys;
    keys.OwnKeys = true;
    Window.Keyboard->AddScreen(players, std::move(keys));
    Window.Corner->OnChildrenChanged = [players] { players->ChildrenChanged(); };
    players->AskWhenNeeded();
    return players;
}
