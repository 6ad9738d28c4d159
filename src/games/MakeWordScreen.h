#pragma once
// "Дед Буквоед": the word of a picture is spelled under it with one letter left out, and the child
// clicks the missing letter in a row of all 33.
#include "platform/widgets/KeyScreen.h"

class QAction;
class QWidget;
class TImage;
class TPanel;
class TScrollBox;
struct TGameObjects;
class IDialogs;
struct TSettings;

struct TMakeWordScreen {
    TPanel* GameMakeWPanel = nullptr;
    TPanel* ScrollMakeWImgContentPanel = nullptr;
    TScrollBox* MakeWImgScrollBox = nullptr;  // the picture strip
    TPanel* MakeWContentPanel = nullptr;
    TPanel* LettersMakeWPanel = nullptr;  // the choice row
    TPanel* MakeWWordPanel = nullptr;     // the word with its hidden letter
    TPanel* MakeWImagePanel = nullptr;
    TImage* MakeWImage = nullptr;

    // What the keys reach on it: the letters, by the arrows and by letter, then the picture strip.
    // It is busy while the strip's pictures are being read. Rules shows its page.
    ui::TKeyScreen Keys(const TGameObjects& Objects, QAction* Rules) const;
};

// The missing-letter screen in the games area.
TMakeWordScreen BuildMakeWordScreen(QWidget* GamesPanel);

// The game's action opens it in two parts around raising its screen and rules page.
// Before the screen comes up: the 33 names in force, the choice row built once for them, and the
// word pictures' reading begun (once per run; it goes on in the background).
// False, after a box, when the choice row could not be built (a letter picture gone bad).
bool PrepareMakeWordGame(TSettings& Settings, TGameObjects& Objects, const TMakeWordScreen& Screen, IDialogs& Dialogs);
// After the rules page, once the strip's pictures are in: a new order with every picture shown,
// and its first picture current with a newly hidden letter. False with no pictures at all: the
// picture and the word are emptied and there is no game to play.
bool StartMakeWordPictures(TGameObjects& Objects, const TMakeWordScreen& Screen);
