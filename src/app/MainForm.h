#pragma once
// The program's one window: the title ribbon, the content area with every screen of the program
// (each a panel that lives for the whole run and is shown by raising it), the pop-up menus, the
// rules panel, the loading overlay and the hidden working widgets; the actions the menu runs and
// the start-up on first activation.
//
// Widgets and actions are public members named as the program has always named them, and each
// widget's objectName is that name too, so that the tests can reach them. The window's own widgets
// come in groups (app/WindowParts.h); the game screens' widgets are built in the games' own
// folders (src/games/*Screen.cpp, src/colouring/ColouringScreen.cpp). The window takes each group
// and each screen's widget set as a base.
#include "app/GameOpening.h"
#include "app/WindowParts.h"
#include "colouring/ColouringScreen.h"
#include "core/AppContext.h"
#include "games/ExamScreen.h"
#include "games/FindLetterScreen.h"
#include "games/GameObjects.h"
#include "games/LearningScreen.h"
#include "games/MakeWordScreen.h"
#include "platform/Browser.h"

#include <QWidget>
#include <memory>

class TGrownUpsCorner;
class TKeyboardPlay;
class TParentControls;
class TStartSequence;
class TStartupLoader;

// How the window is built. The program's own start builds what its first frame shows, paints it,
// and builds the rest (the hidden working widgets, the game-type choosers, the rules pages) and
// starts loading right after; the finished window is the same either way.
enum class TStartOrder {
    AllAtOnce,        // everything in the constructor (tests, benchmarks)
    FirstFrameFirst,  // the program's start
};

class TMainForm : public QWidget,
                  public TWindowActions,
                  public TLoadingOverlay,
                  public TTitleRibbon,
                  public TContentArea,
                  public TStartScreen,
                  public TRulesPanel,
                  public TPopupMenus,
                  public TFindLetterScreen,
                  public TLearningScreen,
                  public TMakeWordScreen,
                  public TColouringScreen,
                  public TExamScreen {
    Q_OBJECT
public:
    // Dialogs answer every box the window and the games show; Settings say where the content lies
    // and how the program starts.
    TMainForm(IDialogs* Dialogs, const TSettings& Settings, QWidget* Parent = nullptr,
              TStartOrder Order = TStartOrder::AllAtOnce);
    // A window whose content lies in ContentFolder alone (with a trailing separator).
    TMainForm(IDialogs* Dialogs, const QString& ContentFolder, QWidget* Parent = nullptr,
              TStartOrder Order = TStartOrder::AllAtOnce)
        : TMainForm(Dialogs, TSettings::ForProgramFolder(ContentFolder), Parent, Order)
    {}
    ~TMainForm() override;

    TAppContext Context;
    // The program-wide game objects, made by the loader; empty until loading has ended.
    TGameObjects Objects;

    // The speech the games and the feedback use; the program wires its sound in here.
    void SetSpeech(ISpeech* Speech) { Context.Speech = Speech; }
    // Who opens the vendor's web address (the desktop's browser unless replaced, as tests do).
    void SetUrlOpener(ui::TUrlOpener Opener) { FUrlOpener = std::move(Opener); }

    // The game entries of the menu are enabled exactly when the objects their games need exist;
    // call whenever Objects changes.
    void UpdateGameActions();

    // The start, step by step (app/StartSequence.h); the program adds its own steps after the
    // first frame there.
    TStartSequence* StartUp = nullptr;
    // First activation: maximised once, games area to front, start screen, then StartLoading.
    // A later activation does nothing.
    void FormActivate();
    bool Activated() const;
    // Shows the overlay and makes the program-wide game objects on a background thread; the
    // game entries of the menu come alive when it has ended. Runs once per run.
    virtual void StartLoading();
    bool LoadingEnded() const;
    // Waits for the loader and runs what it handed to this window's thread (tests, benchmarks).
    void WaitForLoading();

    // Playing from the keyboard: the keys of every screen and the focus frame.
    std::unique_ptr<TKeyboardPlay> Keyboard;

    // The window's base client area.
    static constexpr int kBaseWidth = 1099;
    static constexpr int kBaseHeight = 770;

    // Opening the games and the colouring book: the menu's game actions, the game-type choosers,
    // the examination's controls and printing run its handlers (app/GameOpening.h).
    TGameOpening* Games = nullptr;
    // Shows the start screen (the action StartPanelShow; also where a game cannot open).
    void StartPanelShowExecute();

    // --- What a parent sets up: the voice, volume, full screen, kiosk, quitting ---
    TParentControls* Controls = nullptr;
    // The grown-ups' corner (Ctrl+Shift+G), made right after the first frame.
    TGrownUpsCorner* Corner = nullptr;

    // --- Event handlers of this window's own widgets ---
    void Label3Click();
    // The web address could not be opened (no browser): the box says so and shows the address.
    void BrowserFailed(const QString& Url);

signals:
    // Loading has ended, with every game object made or not.
    void LoadingFinished(bool Loaded);

protected:
    void changeEvent(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    // The loader's work proper, on the loader thread: the program-wide game objects. With no
    // content root at all it fails at once, naming the folders searched.
    virtual void MakeGameObjects();

private:
    void CreateActions();
    void CreateTitleRibbon();
    void CreateContentArea();
    // What the first frame does not show: the hidden working lists and sample tile, and the
    // game-type choosers (joined to their handlers).
    void CreateWorkingWidgets();
    void CreateStartScreen();
    // The start screen's picture: drawn, or as a former start of the program kept it. Whether it
    // was drawn and is to be kept once the first frame is up.
    bool SetStartPicture(TStartOrder Order);

    // The loader's work, on its own thread: everything it does to widgets goes through Post.
    void LoaderBody();

    // The start's steps: the first activation, and what the first frame does without (the
    // start picture kept when KeepStartPicture).
    void ActivateWindow();
    void CompleteBuild(bool KeepStartPicture);

    ui::TUrlOpener FUrlOpener;
    std::unique_ptr<TStartupLoader> FLoader;
};
