#pragma once
// Opening the activities in the main window: the menu's games and the colouring themes, the
// game-type choosers, the examination's start and repeat controls, and printing the colouring
// page. It also builds each game's screen into the window (a base of TMainForm) and registers the
// screen's keys. A picture game opened while its strip is still being read starts once the
// pictures are in, with the loading overlay up and clicks on its screen held back meanwhile.
//
// The handlers keep the names the program has always given them; each of the window's actions
// and choosers runs its handler, and code may call them directly.
#include <QObject>

#include <functional>
#include <memory>

class IPrinter;
class QWidget;
class TImgPanelCollection;
class TInputHold;
class TMainForm;
class TSpeedButton;
struct TRulesPanel;

class TGameOpening : public QObject {
public:
    // A child of Window, which it opens the activities in.
    explicit TGameOpening(TMainForm& Window);
    ~TGameOpening() override;

    // --- Action handlers ---
    void SoundLettersExecute();
    void FindLetterExecute();
    void MakeWordExecute();
    void ExaminationExecute();
    void RaskraskaExecute(TSpeedButton* ThemeButton);
    void ShowRaskraskaMenuExecute();
    void CreateRaskraskaMenuExecute();
    void PrintRaskraskaExecute();

    // --- Learning board ---
    void LetterrsNamesSpeedButtonClick();
    void LettersSoundsSpeedButtonClick();
    // --- Examination ---
    void SpeedButton8Click();
    void SpeedButton9Click();
    void StartExamImageClick();
    void StartExamImageMouseDown();
    void StartExamImageMouseUp();
    void RepeatSndButtonClick();

    // Who prints the colouring pages (Qt's printer unless replaced, as tests do).
    void SetPrinter(IPrinter* Printer) { FPrinter = Printer; }
    // The printer the colouring pages and the other printed pages go to (made when first asked).
    IPrinter& Printer();
    // Waits for the picture games' strips being read and opens their games now (tests, benchmarks).
    void WaitForPictures();

    // The game screens, each built beside its game, and their handlers joined to their widgets;
    // the window calls them in the order its screens lie, bottom to top.
    void CreateLearningScreen();
    void CreateFindLetterScreen();
    void CreateMakeWordScreen();
    void CreateExamScreen();
    void CreateColouringScreen();
    // The game-type choosers (built after the first frame) joined to their handlers and keys.
    void JoinGameTypeChoosers();

private:
    // What opening either picture game does: Prepare readies the game (false: it cannot be played,
    // the start screen comes up instead); Screen and its rules page come up; once Strip's pictures
    // are in, Start starts the game (false: no picture to play with).
    void OpenPictureGame(TImgPanelCollection& Strip, QWidget* Screen, void (TRulesPanel::*ShowRules)(),
                         const std::function<bool()>& Prepare, std::function<bool()> Start);
    // A game type chosen: the letter set, and the board rebuilt when it was built for another.
    void ChooseSndGameType(int Mode);
    void ChooseExamGameType(int Mode);
    // Runs Then once Strip's pictures are in: at once when none are being read; otherwise the
    // loading overlay's bar moves and clicks on Screen are held back meanwhile.
    void AfterPictures(TImgPanelCollection& Strip, QWidget* Screen, std::function<void()> Then);
    // A picture game whose strip has no picture: a box, and the start screen instead of the game.
    void NoPicturesToPlay(const TImgPanelCollection& Strip);

    TMainForm& FWindow;
    IPrinter* FPrinter = nullptr;
    std::unique_ptr<IPrinter> FOwnPrinter;
    TInputHold* FInputHold = nullptr;
    int FPictureReadings = 0;  // strips being read for a game that waits for them
};
