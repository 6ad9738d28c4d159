#pragma once
// The program's command line: what a user (or a script) asks of it before any window opens.
#include <QString>
#include <QStringList>

#include <optional>

struct TCommandLine {
    enum class TMode {
        Run,      // open the window
        Help,     // print Output and end (also --help-all, which lists Qt's options too)
        Version,  // print Output and end
        Check,    // check the content and end
        Error,    // print Output (what was wrong, then the help) and end with status 2
    };
    TMode Mode = TMode::Run;
    QString Output;
    QString ContentFolder;   // --content: the one content root, when given
    bool SmokeTest = false;  // --smoke-test (not in the help): end once loading has ended
    // For this run only, over what the settings file says.
    std::optional<int> Volume;       // --volume N, 0 to 100
    bool Mute = false;               // --mute
    std::optional<bool> FullScreen;  // --fullscreen (true) or --window (false)
    bool Kiosk = false;              // --kiosk
    bool GrownUps = false;           // --grown-ups: the grown-ups' corner's gate once the window is up
    // Qt's own options (-platform, -style, -reverse…) as the application object takes them, each
    // as "-name" and, when it has one, its value: QApplication reads them, the parse here only
    // lets them by. Ours are not among them.
    QStringList QtArguments;
};

// Reads Arguments (the first is the program itself). Needs an application object for the texts,
// but not a window: Qt's options are recognised here and left to QApplication.
TCommandLine ParseCommandLine(const QStringList& Arguments);
