// The learning board ("Обучение"): the two game-type buttons that build the board for the chosen
// letter set. A click on a tile speaks its letter (the learning tile's own click).
#include "app/MainForm.h"
#include "letters/LetterPanelCollection.h"
#include "platform/Panel.h"
#include "platform/ScrollBox.h"
#include "platform/SpeedButton.h"

#include "games/ErrorBox.h"

void TMainForm::ConnectLearningBoard()
{
    connect(LetterrsNamesSpeedButton, &TSpeedButton::clicked, this, [this] { LetterrsNamesSpeedButtonClick(); });
    connect(LettersSoundsSpeedButton, &TSpeedButton::clicked, this, [this] { LettersSoundsSpeedButtonClick(); });
}

void TMainForm::LetterrsNamesSpeedButtonClick() { ChooseSndGameType(lsNames); }
void TMainForm::LettersSoundsSpeedButtonClick() { ChooseSndGameType(lsSounds); }

void TMainForm::ChooseSndGameType(int Mode)
{
    Context.Settings.LetterSetMode = Mode;
    SysPanel->hide();
    TRusSndLetterPanelCollection& board = *Context.Objects.SndLetterPanels;
    // Rebuilding reads and decodes every letter picture: only when the board was built for the
    // other letter set (or never). The same choice again brings back the same tiles in place.
    if (!board.IsCurrentMode()) {
        if (!games::RunReportingErrors(*Context.Dialogs, [&] { board.Rebuild(); })) return;
        board.LayoutGrid(LettersSndScrollBox);
    }
    GameSndTypePanel->hide();
}
