#pragma once
// "Обучение": the whole alphabet as a grid of letter tiles; a click on a tile says the letter's
// name or sound.
#include "platform/widgets/KeyScreen.h"

class IDialogs;
class QAction;
class QWidget;
class TPanel;
class TRusSndLetterPanelCollection;
class TScrollBox;
struct TGameObjects;

struct TLearningScreen {
    TPanel* GameSndPanel = nullptr;
    TPanel* LettersSndPanel = nullptr;
    TScrollBox* LettersSndScrollBox = nullptr;  // holds the board

    // What the keys reach on it: the board, by the arrows and by letter. Rules shows its page.
    ui::TKeyScreen Keys(const TGameObjects& Objects, QAction* Rules) const;
};

// The learning screen in the games area.
TLearningScreen BuildLearningScreen(QWidget* GamesPanel);

// A game type chosen (its letter set already in force): rebuilding reads and decodes every letter
// picture, so the board is rebuilt and laid out as the alphabet grid only when it was built for
// the other letter set (or never); the same choice again keeps the same tiles in place. False when
// a letter picture would not decode; its box has then been shown.
bool PrepareLearningBoard(TRusSndLetterPanelCollection& Board, TScrollBox* Box, IDialogs& Dialogs);
