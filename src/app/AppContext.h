#pragma once
// What the program's parts share with the main window: its settings, its dialogs, the speech,
// the parking panel for new tiles, the big pictures of the game screens and the program-wide
// game objects. The main window owns it; boards, strips, tiles and games keep a reference.
#include "app/Settings.h"

class IDialogs;
class ISpeech;
class QWidget;
class QLabel;

class TPicGameBuffer;
class TMakeWBuffer;
class TExamGame;
class TRusSndLetterPanelCollection;
class TRusExamLetterPanelCollection;
class TRusPicLetterPanelCollection;
class TRusMakeWLetterPanelCollection;
class TFirstLImgPanelCollection;
class TMakeWImgPanelCollection;
class TRaskrasImgPanelCollection;

// The ten objects the loader creates; empty until loading has ended.
struct TGameObjects {
    TPicGameBuffer* PicGameBuffer = nullptr;
    TMakeWBuffer* MakeWBuffer = nullptr;
    TExamGame* ExamGame = nullptr;
    TRusSndLetterPanelCollection* SndLetterPanels = nullptr;
    TRusExamLetterPanelCollection* ExamLetterPanels = nullptr;
    TRusPicLetterPanelCollection* PicLetterPanels = nullptr;
    TRusMakeWLetterPanelCollection* MakeWLetterPanels = nullptr;
    TFirstLImgPanelCollection* FirstLImgPanels = nullptr;
    TMakeWImgPanelCollection* MakeWImgPanels = nullptr;
    TRaskrasImgPanelCollection* RaskrasImgPanels = nullptr;
};

struct TAppContext {
    TSettings Settings;
    IDialogs* Dialogs = nullptr;
    ISpeech* Speech = nullptr;
    QWidget* SourcePanel = nullptr;   // hidden parking area where new tiles wait
    QWidget* MainWindow = nullptr;    // owner of every widget
    TGameObjects Objects;
};

// The window caption, also the title of folder and colouring-page messages.
inline const char* const kWindowCaption = "Кварнель";
// The title of the sound boxes and the web-link question.
inline const char* const kSoundBoxTitle = "Вельмок";
