#pragma once
// "Найди букву": a picture is shown large and the child clicks, in a row of all 33 letters, the
// letter its word begins with.
#include "platform/widgets/KeyScreen.h"

class QAction;
class QWidget;
class TImage;
class TPanel;
class TScrollBox;
struct TGameObjects;
class IDialogs;
struct TSettings;

struct TFindLetterScreen {
    TPanel* GamePicPanel = nullptr;
    TPanel* ScrollImgContentPanel = nullptr;
    TScrollBox* ImgScrollBox = nullptr;  // the picture strip
    TPanel* GamePicContextPanel = nullptr;
    TPanel* LetersPicPanel = nullptr;  // the letter row
    TPanel* BigImagePanel = nullptr;
    TImage* BigImage = nullptr;

    // What the keys reach on it: the letters, by the arrows and by letter, then the picture strip.
    // It is busy while the strip's pictures are being read. Rules shows its page.
    ui::TKeyScreen Keys(const TGameObjects& Objects, QAction* Rules) const;
};

// The find-the-first-letter screen in the games area.
TFindLetterScreen BuildFindLetterScreen(QWidget* GamesPanel);

// The game's action opens it in two parts around raising its screen and rules page.
// Before the screen comes up: the 33 names in force, the letter row built once for them, the game
// state cleared, and the word pictures' reading begun (once per run; it goes on in the background).
// False, after a box, when the letter row could not be built (a letter picture gone bad).
bool PrepareFindLetterGame(TSettings& Settings, TGameObjects& Objects, const TFindLetterScreen& Screen, IDialogs& Dialogs);
// After the rules page, once the strip's pictures are in: a new order with every picture shown,
// and its first picture current. False with no pictures at all: the big picture is emptied and
// there is no game to play.
bool StartFindLetterPictures(TGameObjects& Objects, const TFindLetterScreen& Screen);
