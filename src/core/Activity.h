#pragma once
// One activity of the menu as it describes itself to the window: its menu entry and action, its
// rules page, its game-type chooser (if it has one), how its screen is built, prepared and opened,
// what the keys reach on it, and whether it can be played now. The activity's own folder makes the
// description; app/ keeps the list of them (app/Activities.cpp) and makes the menu entries, the
// rules pages, the choosers, the actions and their enabling from it. The window is reached only
// through IActivityWindow.
#include "platform/widgets/KeyScreen.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QWidget;
class TPanel;

// What an activity asks of the window.
class IActivityWindow {
public:
    virtual ~IActivityWindow() = default;
    // The main menu and the menu beside it hidden (the action MenuHide).
    virtual void HideMenus() = 0;
    // A game-type chooser that is up goes, with the system screen under it.
    virtual void LeaveChoosers() = 0;
    // Activity's page of the rules panel in front, and the panel shown over the screens.
    virtual void ShowRules(const QString& Activity) = 0;
    // Activity's page says Text from now on (an activity whose exercises each have their rules).
    virtual void SetRules(const QString& Activity, const QStringList& Text) = 0;
    // The voice chooser on the ribbon shown (it is hidden on the start screen).
    virtual void ShowVoiceChoice() = 0;
    // The start screen over everything (also where an activity cannot open).
    virtual void ShowStartScreen() = 0;
    // The loading overlay's moving bar while something is read; nested calls keep it up until the
    // last has ended.
    virtual void BeginWaiting() = 0;
    virtual void EndWaiting() = 0;
    // Whether Screen is what the games area shows now (the rules panel floating over it aside).
    virtual bool Shows(const QWidget* Screen) const = 0;
    // A screen that was being read takes keys now.
    virtual void KeysReady() = 0;
    // The panel beside the main menu that an entry opens with choices of its own (the colouring
    // themes); hidden until the activity shows it.
    virtual TPanel* SubMenu() const = 0;
};

// One button of a game-type chooser: its widget's name, its caption and its place in the chooser's
// body; Choose runs when it is pressed, after the system screen has gone, and says whether the
// screen under it is ready (false, after a box: the chooser stays).
struct TActivityChoice {
    QString Name;
    QString Caption;
    QRect Bounds;
    std::function<bool()> Choose;
};

// A chooser on the system screen, over the activity's screen until a choice is made ("Тип игры").
struct TActivityChooser {
    QString Name;  // the panel's name; its caption strip and body are named after it
    QRect Bounds;
    std::vector<TActivityChoice> Choices;
};

// The activity's page of the rules panel: its text, line by line, in a box of its own.
struct TActivityRules {
    QString Action;  // the action raising the page ("ShowPicGameRules")
    QString Page;    // the page's name ("RulePicGamePanel")
    QString Box;     // its text box's name ("RichEdit1")
    QStringList Text;
    // Where the page lies among the pages, bottom to top (pages without a place lie above those with one).
    int Place = 1000;
};

// A further action the activity runs, held by the window's action manager with the others.
struct TActivityAction {
    QString Name;
    QString Category;
    QString Caption;
    std::function<void()> Run;  // none: the action is the sender of something else's handler
    bool WhenPlayable = true;   // enabled exactly while the activity is playable
};

// What the activity's screen is, once built.
struct TActivityScreen {
    QWidget* Panel = nullptr;  // the screen itself, a child of the games area
    ui::TKeyScreen Keys;       // what the keys reach on it (its Rules and Print are the window's to set)
};

struct TActivity {
    // The menu's action (its objectName), its category, and the caption of the action and of its
    // menu entry (MenuCaption when the entry has a caption of its own).
    QString Action;
    QString Category = QStringLiteral("Games");
    QString Caption;
    QString MenuButton;  // the menu entry's name
    QString MenuCaption;
    // Its entry opens the panel beside the menu (IActivityWindow::SubMenu) with choices of its own.
    bool OpensSubMenu = false;
    // Where its screen lies among the screens when they are built, bottom to top; the start screen
    // lies at 40 and the rules panel at 50. Screens without a place lie above everything.
    int ScreenPlace = 1000;
    TActivityRules Rules;
    std::optional<TActivityChooser> Chooser;
    std::vector<TActivityAction> MoreActions;
    // Ctrl+P and the screen's printer button run the action of this name (one of MoreActions).
    QString PrintAction;

    // Builds the screen in the games area (at the window's start, on its thread).
    std::function<TActivityScreen(QWidget* GamesPanel)> Build;
    // Whether it can be played now: its objects made and its content there. The menu entry and
    // the actions marked WhenPlayable are enabled exactly then.
    std::function<bool()> Playable;
    // What the loader makes for it, on the loader's thread, after the letter games' objects; it may
    // throw as the loading does (ELoadingStopped when the program is ending). None: nothing.
    std::function<void()> Load;
    // The menu entry pressed, for an activity that opens in its own way (the colouring book opens
    // its themes beside the menu). None: the window opens it the usual way: the hour-glass; the
    // menus hidden; its chooser up (or any chooser left); Prepare; its screen in front; the voice
    // chooser; its rules page; Opened.
    std::function<void()> Open;
    // Readies the activity as it opens, before its screen comes up; false, after a box: it cannot
    // be played, the start screen comes up instead. None: always ready.
    std::function<bool()> Prepare;
    // Runs once its screen and rules are up.
    std::function<void()> Opened;
    // The family's own content changed (the grown-ups' corner): read anew what depends on it.
    std::function<void()> ContentChanged;
};
