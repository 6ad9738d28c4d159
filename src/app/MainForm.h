#pragma once
// The program's one window: the title ribbon, the content area with every screen of the program
// (each a panel that lives for the whole run and is shown by raising it), the pop-up menus, the
// rules panel, the loading overlay and the hidden working widgets; the actions the menu runs and
// the start-up on first activation.
//
// The window builds and wires; it decides nothing an activity owns. The activities describe
// themselves (core/Activity.h) and the window makes their menu entries, rules pages, choosers,
// actions and screens from the list in app/Activities.cpp; what they ask of it goes through
// IActivityWindow, what the keys ask through IKeyWindow. Its widgets are its own: each has the
// name the program has always given it as its objectName, which is how tests find them.
#include "app/KeyboardPlay.h"
#include "app/WindowParts.h"
#include "core/Activity.h"
#include "core/AppContext.h"
#include "games/GameObjects.h"
#include "platform/Browser.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class IJournalSettingsFile;
class IPrinter;
class TGrownUpsCorner;
class TParentControls;
class TPlayerChoice;
class TProgressStore;
class TStartSequence;
class TStartupLoader;

// How the window is built. The program's own start builds what its first frame shows, paints it,
// and builds the rest (the activities' screens, the hidden working widgets, the game-type
// choosers, the rules pages) and starts loading right after; the finished window is the same
// either way.
enum class TStartOrder {
    AllAtOnce,        // everything in the constructor (tests, benchmarks)
    FirstFrameFirst,  // the program's start
};

class TMainForm : public QWidget,
                  private IActivityWindow,
                  private IKeyWindow,
                  private TWindowActions,
                  private TLoadingOverlay,
                  private TTitleRibbon,
                  private TContentArea,
                  private TStartScreen,
                  private TRulesPanel,
                  private TPopupMenus {
    Q_OBJECT
public:
    // Shows the window (its size and state set first) before its widgets are built: the window
    // system maps it while they are, and its first frame comes that much sooner.
    using TShowAtOnce = std::function<void(QWidget& Window)>;
    // Dialogs answer every box the window and the games show; Settings say where the content lies
    // and how the program starts.
    TMainForm(IDialogs* Dialogs, const TSettings& Settings, QWidget* Parent = nullptr,
              TStartOrder Order = TStartOrder::AllAtOnce, const TShowAtOnce& ShowAtOnce = {});
    // A window whose content lies in ContentFolder alone (with a trailing separator).
    TMainForm(IDialogs* Dialogs, const QString& ContentFolder, QWidget* Parent = nullptr,
              TStartOrder Order = TStartOrder::AllAtOnce, const TShowAtOnce& ShowAtOnce = {})
        : TMainForm(Dialogs, TSettings::ForProgramFolder(ContentFolder), Parent, Order, ShowAtOnce)
    {}
    ~TMainForm() override;

    // --- What the program's start wires in (app/Application.cpp) ---
    // The settings, dialogs, speech and answers the window's parts share.
    TAppContext& Context() { return FContext; }
    // The speech the games and the feedback use.
    void SetSpeech(ISpeech* Speech) { FContext.Speech = Speech; }
    // What a parent sets up: the voice, volume, full screen, kiosk and quitting.
    TParentControls& Controls() { return *FControls; }
    // The program's own steps, run once the first frame is on the screen.
    void AfterFirstFrame(std::function<void()> Steps);
    // The start screen over everything (the action StartPanelShow; also a finished game's end).
    void StartPanelShowExecute();
    // Each child's progress, once the store is open: every answer kept for who plays, "Успехи" in
    // the grown-ups' corner (with "Журнал группы" when JournalFile, which outlives the window, is
    // given), and "Кто играет?" asked now when there is a choice.
    void JoinProgress(TProgressStore& Store, IJournalSettingsFile* JournalFile = nullptr);
    // The grown-ups' corner: its door opened (--grown-ups), and the corner left (a recording not
    // kept is dropped) as the program ends.
    void OpenGrownUpsCorner();
    void CloseGrownUpsCorner();

    // The window's base client area.
    static constexpr int kBaseWidth = 1099;
    static constexpr int kBaseHeight = 770;

signals:
    // Loading has ended, with every game object made or not.
    void LoadingFinished(bool Loaded);

protected:
    // --- What tests and benchmarks reach, standing in for the program's start ---
    // The program-wide game objects, made by the loader; empty until loading has ended.
    TGameObjects Objects;
    // First activation: maximised once, games area to front, start screen, then StartLoading.
    // A later activation does nothing.
    void FormActivate();
    bool Activated() const;
    // Shows the overlay and makes the program-wide game objects on a background thread; the
    // game entries of the menu come alive when it has ended. Runs once per run.
    virtual void StartLoading();
    bool LoadingEnded() const;
    // Waits for the loader and runs what it handed to this window's thread.
    void WaitForLoading();
    // The menu's entries are enabled exactly when their activities can be played; call whenever
    // Objects changes.
    void UpdateGameActions();
    // The loader's work proper, on the loader thread: the program-wide game objects, then what each
    // activity makes. With no content root at all it fails at once, naming the folders searched.
    virtual void MakeGameObjects();
    // Playing from the keyboard: the keys of every screen and the focus frame.
    TKeyboardPlay& Keyboard() { return *FKeyboard; }
    // The grown-ups' corner (Ctrl+Shift+G), made right after the first frame; null before.
    TGrownUpsCorner* Corner() const { return FCorner; }
    // "Кто играет?" and the player's name on the ribbon, once progress is joined; null before.
    TPlayerChoice* Players() const { return FPlayers; }
    TStartSequence& StartUp() { return *FStartUp; }
    // Who opens the vendor's web address (the desktop's browser unless replaced, as tests do).
    void SetUrlOpener(ui::TUrlOpener Opener) { FUrlOpener = std::move(Opener); }
    // The loading overlay's bar while something is read (nested: it stays until the last has ended).
    void BeginWaiting() override;
    void EndWaiting() override;
    // The web address could not be opened (no browser): the box says so and shows the address.
    void BrowserFailed(const QString& Url);

    void changeEvent(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    // --- IActivityWindow ---
    void HideMenus() override;
    void LeaveChoosers() override;
    void ShowRules(const QString& Activity) override;
    void SetRules(const QString& Activity, const QStringList& Text) override;
    void ShowVoiceChoice() override;
    void ShowStartScreen() override { StartPanelShowExecute(); }
    bool Shows(const QWidget* Screen) const override;
    void KeysReady() override { FKeyboard->ScreenReady(); }
    TPanel* SubMenu() const override;
    // --- IKeyWindow ---
    QWidget* Window() const override { return const_cast<TMainForm*>(this); }
    bool Loading() const override { return LoadingShown(); }
    QWidget* GamesArea() const override;
    QWidget* SystemScreen() const override;
    QWidget* Rules() const override;
    QAbstractButton* RulesClose() const override;
    void OpenRules() override { ShowRulesPanelExecute(); }
    void CloseRules() override { CloseRulesPanelExecute(); }
    QWidget* VoiceChoice() const override;
    std::vector<QAbstractButton*> VoiceButtons() const override;
    void OpenMenu() override;

    void CreateActions();
    // Each activity's actions, and the rules action raising its page.
    void CreateActivityActions();
    void CreateTitleRibbon();
    void CreateContentArea();
    // The activities' screens in the games area (after the first frame: it shows none of them).
    void CreateScreens();
    void CreateMenus();
    // What the first frame does not show: the hidden working lists and sample tile, and the
    // game-type choosers (joined to their activities and keys).
    void CreateWorkingWidgets();
    void CreateChoosers();
    void CreateStartScreen();
    void CreateRulesPages();
    void CreateGrownUpsCorner();
    // The start screen's picture, as the program was built with it.
    void SetStartPicture();

    // An activity's menu entry: its own way of opening, or the usual one.
    void OpenActivity(size_t Index);
    // A chooser's button pressed: the system screen goes, and the chooser with it once the choice
    // has readied the screen under it.
    void Choose(size_t Index, const TActivityChoice& Choice);
    // The menu's keys: its entries in order (an entry that opens the panel beside the menu goes on
    // there), then the buttons of that panel while it is shown.
    ui::TKeyScreen MenuKeys() const;

    // The loader's work, on its own thread: everything it does to widgets goes through Post.
    void LoaderBody();

    // The start's steps: the first activation, and what the first frame does without.
    void ActivateWindow();
    void CompleteBuild();

    void Label3Click();

    TAppContext FContext;
    std::unique_ptr<TKeyboardPlay> FKeyboard;
    std::vector<TActivity> FActivities;
    std::vector<TActivityParts> FParts;  // one for each of FActivities, at the same index
    TParentControls* FControls = nullptr;
    TGrownUpsCorner* FCorner = nullptr;
    TPlayerChoice* FPlayers = nullptr;
    TProgressStore* FProgress = nullptr;  // the progress file joined, from JoinProgress on
    TStartSequence* FStartUp = nullptr;
    std::unique_ptr<IPrinter> FPrinter;  // made when first asked
    int FWaiting = 0;                    // nested waits showing the overlay
    ui::TUrlOpener FUrlOpener;
    std::unique_ptr<TStartupLoader> FLoader;
};
