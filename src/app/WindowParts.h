#pragma once
// The main window's own widgets and actions, in the groups the window is built of. The window
// takes each group as a base, so every widget stays a member of the window under the name the
// program has always given it (its objectName too). The window's builders make them
// (MainFormWidgets.cpp); nullptr until made.
class QAction;
class QRect;
class QListWidget;
class QObject;
class QRadioButton;
class QTimer;
class TImage;
class TLabel;
class TPanel;
class TRichEdit;
class TSpeedButton;
class QWidget;

// The actions the menus, buttons and keys run (objectName = action name; property "category";
// text = caption), held by ActionManager1.
struct TWindowActions {
    QObject* ActionManager1 = nullptr;
    QAction* SoundLetters = nullptr;
    QAction* FindLetter = nullptr;
    QAction* MakeWord = nullptr;
    QAction* Examination = nullptr;
    QAction* Raskraska = nullptr;
    QAction* ShowRulesPanel = nullptr;
    QAction* CloseRulesPanel = nullptr;
    QAction* ShowSndGameRules = nullptr;
    QAction* ShowPicGameRules = nullptr;
    QAction* ShowMakeWGameRules = nullptr;
    QAction* ShowExamGameRules = nullptr;
    QAction* ShowRaskraskaRules = nullptr;
    QAction* ShowRaskraskaMenu = nullptr;
    QAction* CreateRaskraskaMenu = nullptr;
    QAction* MenuHide = nullptr;
    QAction* PrintRaskraska = nullptr;
    QAction* StartPanelShow = nullptr;
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
    TPanel* GameSndTypePanel = nullptr;  // the learning board's chooser: letter names or sounds
    TSpeedButton* LetterrsNamesSpeedButton = nullptr;
    TSpeedButton* LettersSoundsSpeedButton = nullptr;
    TPanel* GameExamTypePanel = nullptr;  // the examination's chooser: letter names or sounds
    TSpeedButton* SpeedButton8 = nullptr;
    TSpeedButton* SpeedButton9 = nullptr;
    TPanel* GamesPanel = nullptr;
    TPanel* SystemPanel = nullptr;

    // The system screen in ContentPanel, its working lists and sample tile hidden in SourcePanel.
    void CreateSystemScreen();
    void CreateSampleTile();
    // A game-type chooser on the system screen: the caption "Тип игры" and its two buttons.
    TPanel* CreateGameTypeChooser(const char* Name, const QRect& Bounds, TSpeedButton*& NamesButton, const char* NamesName,
                                  TSpeedButton*& SoundsButton, const char* SoundsName);
    // An activity chosen while a game-type chooser is up closes the chooser and its screen.
    void LeaveGameTypeChooser();
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
    TPanel* RuleExamGamePanel = nullptr;
    TRichEdit* RichEdit2 = nullptr;
    TPanel* RuleRasPanel = nullptr;
    TRichEdit* RichEdit4 = nullptr;
    TPanel* RulePicGamePanel = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TPanel* RuleMakeWGamePanel = nullptr;
    TRichEdit* RichEdit3 = nullptr;
    TPanel* RuleSndGamePanel = nullptr;
    TRichEdit* RulesGame1RichEdit = nullptr;

    // The panel in the games area (hidden), and later its caption, its close button running Close
    // and its pages.
    void CreateRulesPanel(QWidget* GamesPanel);
    void CreateRulesPages(QAction* Close);
    void ShowRulesPanelExecute();
    void CloseRulesPanelExecute();
    // Each raises its activity's page.
    void ShowSndGameRulesExecute();
    void ShowPicGameRulesExecute();
    void ShowMakeWGameRulesExecute();
    void ShowExamGameRulesExecute();
    void ShowRaskraskaRulesExecute();
};

// The main menu "Меню" opens, and the theme menu its entry "Раскраска" opens beside it.
struct TPopupMenus {
    TPanel* PopupMenuPanel = nullptr;
    TPanel* PopupMenuTopPanel = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;  // closes the menu
    TSpeedButton* SpeedButton3 = nullptr;  // "Обучение"
    TSpeedButton* SpeedButton4 = nullptr;  // "Найди букву"
    TSpeedButton* SpeedButton5 = nullptr;  // "Дед Буквоед"
    TSpeedButton* SpeedButton6 = nullptr;  // "Экзамен"
    TSpeedButton* SpeedButton7 = nullptr;  // "Раскраска": opens the theme menu
    TPanel* RaskraskaPopupMenuPanel = nullptr;

    // The menu's entries run Actions' games and the theme menu; both menus start hidden.
    void CreatePopupMenu(QWidget* Window, const TWindowActions& Actions);
    void CreateThemeMenu(QWidget* Window);
    void MenuHideExecute();
    void SpeedButton1Click();
    // A click on the ribbon's "Меню" opens the main menu.
    void MenuLabelClick();
};
