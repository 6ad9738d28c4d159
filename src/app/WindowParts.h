#pragma once
// The main window's own widgets and actions, in the groups the window is built of. The window
// takes each group as a private base; every widget keeps the name the program has always given it
// as its objectName, which is how anything outside the window finds it. The window's builders make
// them (MainFormWidgets.cpp); nullptr until made. What belongs to one activity (its menu entry,
// rules page, chooser and actions) is made from the activity's description and kept in
// TActivityParts.
#include "core/Activity.h"

#include <QString>

#include <vector>

class QAction;
class QListWidget;
class QObject;
class QRadioButton;
class QRect;
class QTimer;
class QWidget;
class TImage;
class TLabel;
class TPanel;
class TRichEdit;
class TSpeedButton;

// The window's own actions (objectName = action name; property "category"; text = caption), held
// by ActionManager1 with the activities' actions.
struct TWindowActions {
    QObject* ActionManager1 = nullptr;
    QAction* ShowRulesPanel = nullptr;
    QAction* CloseRulesPanel = nullptr;
    QAction* MenuHide = nullptr;
    QAction* StartPanelShow = nullptr;
};

// What the window made for one activity from its description.
struct TActivityParts {
    QAction* Action = nullptr;  // the menu entry's
    // Its further actions, and whether each follows the activity's being playable.
    std::vector<std::pair<QAction*, bool>> MoreActions;
    QAction* ShowRules = nullptr;
    TSpeedButton* MenuEntry = nullptr;
    TPanel* RulesPage = nullptr;
    TRichEdit* RulesBox = nullptr;
    TPanel* Chooser = nullptr;  // on the system screen; none for an activity without one
    QWidget* Screen = nullptr;
};

// The box with a sliding bar raised over everything while the program loads or a game's pictures
// are being read.
struct TLoadingOverlay {
    TPanel* TimerPanel = nullptr;
    TLabel* ProgressLabel = nullptr;
    TPanel* ProgressConteinerPanel = nullptr;
    TPanel* ProgressPanel = nullptr;
    QTimer* Timer1 = nullptr;  // the bar's 20 ms step: it runs exactly while the overlay is up

    void CreateLoadingOverlay(QWidget* Window);
    // The overlay with its bar at the start, raised above everything, and its hiding.
    void ShowLoadingOverlay();
    void HideLoadingOverlay();
    bool LoadingShown() const;
    // One 20 ms step of the bar: two pixels right, or back to the start past the right edge.
    void Timer1Timer();
};

// The ribbon along the top: "Меню", the web address, the title and the voice choice.
struct TTitleRibbon {
    TPanel* MenuRibbon = nullptr;
    TPanel* MenuPanel = nullptr;
    TLabel* MenuLabel = nullptr;
    TLabel* Label3 = nullptr;  // the web address
    TLabel* TitleLabel = nullptr;
    TPanel* GenderVoiceRadioPanel = nullptr;
    QRadioButton* FemaleVoiceRadioButton = nullptr;
    QRadioButton* MaleVoiceRadioButton = nullptr;

    // "Меню" looks pressed while the mouse button is held on it.
    void MenuLabelMouseDown();
    void MenuLabelMouseUp();
};

// Under the ribbon: the system screen (the game-type choosers and the hidden working widgets) and
// the games area over it, where every screen lies; the hidden media strip below.
struct TContentArea {
    TPanel* ContentPanel = nullptr;
    TPanel* SysPanel = nullptr;
    TPanel* SourcePanel = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QListWidget* FileListBox2 = nullptr;
    QListWidget* DirectoryListBox1 = nullptr;
    TPanel* Panel1 = nullptr;  // the sample tile
    TImage* Image1 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label1 = nullptr;
    TPanel* GamesPanel = nullptr;
    TPanel* SystemPanel = nullptr;

    // The system screen in ContentPanel, its working lists and sample tile hidden in SourcePanel.
    void CreateSystemScreen();
    void CreateSampleTile();
    // A game-type chooser on the system screen, hidden: the caption "Тип игры" over its body, which
    // holds one button for each of Chooser's choices (in Buttons, in the same order).
    TPanel* CreateGameTypeChooser(const TActivityChooser& Chooser, std::vector<TSpeedButton*>& Buttons);
    // The sample tile sinks while the mouse button is held on it.
    void Label1MouseDown();
    void Label1MouseUp();
};

// The start screen: the program's picture over the whole games area.
struct TStartScreen {
    TPanel* StartPanel = nullptr;
    TImage* Image2 = nullptr;
};

// The rules panel over a game's screen: its caption, its close button and one page per activity,
// the page of the activity shown raised.
struct TRulesPanel {
    TPanel* RulesPanel = nullptr;
    TPanel* RulesCaptionPanel = nullptr;
    TPanel* RulesActionPanel = nullptr;
    TSpeedButton* RulesCloseButton = nullptr;
    TPanel* RulesContextPanel = nullptr;

    // The panel in the games area (hidden), and later its caption, its close button running Close
    // and the area its pages lie in.
    void CreateRulesPanel(QWidget* GamesPanel);
    void CreateRulesFrame(QAction* Close);
    // One page over the earlier ones, holding Text in a box 4 px inside it (Box).
    TPanel* CreateRulesPage(const QString& PageName, const QString& BoxName, const QStringList& Text, TRichEdit*& Box);
    void ShowRulesPanelExecute();
    void CloseRulesPanelExecute();
};

// The main menu "Меню" opens, and the panel beside it an entry may open (the colouring themes).
struct TPopupMenus {
    TPanel* PopupMenuPanel = nullptr;
    TPanel* PopupMenuTopPanel = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;  // closes the menu
    TPanel* RaskraskaPopupMenuPanel = nullptr;

    // The menu with Entries entries (made by AddMenuEntry), hidden; the panel beside it, hidden.
    void CreatePopupMenu(QWidget* Window, int Entries);
    void CreateThemeMenu(QWidget* Window);
    // The Index-th entry (from 0), running Action and showing Caption (the action's when empty).
    TSpeedButton* AddMenuEntry(int Index, const QString& Name, QAction* Action, const QString& Caption);
    void MenuHideExecute();
    void SpeedButton1Click();
    // A click on the ribbon's "Меню" opens the main menu.
    void MenuLabelClick();
};
