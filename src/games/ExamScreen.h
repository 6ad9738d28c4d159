#pragma once
// "Экзамен": the program says a letter and the child finds its tile on a shuffled board. The
// screen holds the repeat button above the board and the start control over it.
#include "platform/widgets/KeyScreen.h"

class IDialogs;
class QAction;
class ISpeech;
class QWidget;
class TExamGame;
class TImage;
class TPanel;
class TRusExamLetterPanelCollection;
class TScrollBox;
class TSpeedButton;
struct TGameObjects;

struct TExamScreen {
    TPanel* GameExamPanel = nullptr;
    TPanel* ExamControlContentPanel = nullptr;
    TSpeedButton* RepeatSndButton = nullptr;
    TPanel* LettersExamPanel = nullptr;
    TScrollBox* LettersExamScrollBox = nullptr;  // holds the board
    TPanel* StartExamContentPanel = nullptr;     // the start control, over the board
    TPanel* StartExamPanel = nullptr;
    TImage* StartExamImage = nullptr;

    // What the keys reach on it once the game exists: the start control, the board (by the arrows
    // and by letter) and the repeat button. Rules shows its page.
    ui::TKeyScreen Keys(const TGameObjects& Objects, QAction* Rules) const;
};

// The examination screen in the games area.
TExamScreen BuildExamScreen(QWidget* GamesPanel);

// A game type chosen (its letter set already in force): the board is rebuilt for it and laid out
// shuffled only when it was built for the other letter set (or never). False when a letter
// picture would not decode; its box has then been shown.
bool PrepareExamBoard(TRusExamLetterPanelCollection& Board, TScrollBox* Box, IDialogs& Dialogs);
// The start control clicked: it goes, the board comes alive and the first question is asked.
void StartExam(const TExamScreen& Screen, TExamGame& Game);
// The last question again, as it was asked and in the voice it was asked in.
void RepeatExamQuestion(const TExamGame& Game, ISpeech& Speech);
