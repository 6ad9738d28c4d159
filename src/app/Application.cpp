#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/ContentCheck.h"
#include "app/JournalSettingsFile.h"
#include "app/MainForm.h"
#include "app/ParentControls.h"
#include "app/RememberedChoices.h"
#include "core/Texts.h"
#include "corner/GrownUpsCorner.h"
#include "kvarnel_build_info.h"
#include "platform/FileSystem.h"
#include "platform/Memory.h"
#include "platform/QuitSignals.h"
#include "platform/Translations.h"
#include "platform/audio/AudioEngine.h"
#include "platform/modules/ModuleLoader.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ProgressStore.h"
#include "sound/SoundSystem.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QSettings>

#include <cstdio>
#include <vector>

namespace {

// The content the program reads: the folder given on the command line alone, or every root found.
TContentRoots ContentFor(const TCommandLine& Line)
{
    if (!Line.ContentFolder.isEmpty()) return TContentRoots({Line.ContentFolder});
    return TContentRoots::Discover(fs::ExeFolder(), QStringLiteral(KV_CONTENT_DIR_FROM_BINDIR));
}

void Print(std::FILE* Stream, const QString& Text)
{
    std::fputs(Text.toLocal8Bit().constData(), Stream);
    if (!Text.endsWith(u'\n')) std::fputc('\n', Stream);
}

// What the command line asks for without a window.
int AnswerWithoutWindow(const TCommandLine& Line)
{
    switch (Line.Mode) {
        case TCommandLine::TMode::Help:
        case TCommandLine::TMode::Version:
            Print(stdout, Line.Output);
            return 0;
        case TCommandLine::TMode::Error:
            Print(stderr, Line.Output);
            return 2;
        case TCommandLine::TMode::Check: {
            const TContentRoots content = ContentFor(Line);
            const QStringList problems = content::TContentChecker(content).Problems();
            for (const QString& p : problems) Print(stdout, p);
            if (problems.isEmpty())
                Print(stdout, QStringLiteral("Содержимое в порядке: ") + content.Folders().join(QStringLiteral(", ")));
            return problems.isEmpty() ? 0 : 1;
        }
        case TCommandLine::TMode::Run:
            break;
    }
    return 0;
}

// This run's choices: the settings file's, with the command line's over them.
TRememberedChoices ThisRun(TRememberedChoices Choices, const TCommandLine& Line)
{
    if (Line.Volume) Choices.Volume = *Line.Volume;
    if (Line.Mute) Choices.Muted = true;
    if (Line.FullScreen) Choices.FullScreen = *Line.FullScreen;
    if (Line.Kiosk) Choices.Kiosk = true;
    return Choices;
}

// Boxes that a smoke test cannot close: each is printed instead, and remembered.
class TPrintedDialogs : public IDialogs {
public:
    int Shown = 0;
    void ShowMessage(const QString& Title, const QString& Text) override
    {
        ++Shown;
        Print(stderr, Title + QStringLiteral(": ") + Text);
    }
    bool AskYesNo(const QString& Title, const QString& Text) override
    {
        ShowMessage(Title, Text);
        return false;
    }
    bool ExecutePrintDialog(IPrinter&) override { return false; }
};

}  // namespace

int RunKvarnel(int argc, char** argv, const std::function<int(QApplication&, const TCommandLine&)>& Start)
{
    TCommandLine line;
    if (argc > 1) {
        // Options are read before any window (or display) is needed: --help, --version and
        // --check never open one, even beside Qt's own options.
        QCoreApplication core(argc, argv);
        InstallRussianTranslations();
        line = ParseCommandLine(core.arguments());
        if (line.Mode != TCommandLine::TMode::Run) return AnswerWithoutWindow(line);
    }

    // The application sees the program and Qt's own options (a bogus platform gets Qt's own
    // message); the arguments outlive it, as it requires.
    std::vector<QByteArray> qtArguments{QByteArray(argc > 0 && argv[0] ? argv[0] : "kvarnel")};
    for (const QString& argument : line.QtArguments) qtArguments.push_back(argument.toLocal8Bit());
    std::vector<char*> qtArgv;
    for (QByteArray& argument : qtArguments) qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtArguments.size());
    QApplication app(qtArgc, qtArgv.data());
    return Start ? Start(app, line) : StartKvarnel(app, line);
}

int StartKvarnel(QApplication& App, const TCommandLine& Line, const std::function<void(QWidget& Window)>& BeforeFirstFrame)
{
    memory::ReturnLargeBlocksToTheSystem();
    // However the program ends (Ctrl+Q, the adult's exit, the window closed, SIGTERM, Ctrl+C),
    // it leaves the loop and ends in order below: sound stopped, loader joined, settings saved.
    // Signals are caught from here on; they are acted on once the loop runs.
    TParentControls* quitting = nullptr;
    TQuitSignals quitSignals([&quitting] {
        if (quitting) quitting->QuitProgram();
    });
    QCoreApplication::setApplicationName(QStringLiteral("kvarnel"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KV_APP_ID));
    // The fonts are not installed here: each is registered when a widget first asks for it.

    TQtDialogs qtDialogs(nullptr);
    TPrintedDialogs printedDialogs;
    IDialogs& dialogs = Line.SmokeTest ? static_cast<IDialogs&>(printedDialogs) : qtDialogs;
    // ~/.config/kvarnel/kvarnel.conf; a smoke test neither reads nor writes it.
    QSettings choicesFile(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("kvarnel"),
                          QStringLiteral("kvarnel"));
    const TRememberedChoices stored = Line.SmokeTest ? TRememberedChoices() : TRememberedChoices::Read(choicesFile);
    // The group journal's section of the same file, over the administrator's system-wide one.
    TJournalSettingsFile journalFile(choicesFile.fileName(), TJournalSettingsFile::SystemFiles());

    // Shown at the size it is to have (a window shown at its base size and maximised a moment later
    // paints its first frame twice), and before its widgets are built: the window manager maps it
    // meanwhile.
    TMainForm window(&dialogs, TSettings::ForContent(ContentFor(Line), fs::ExeFolder()), nullptr,
                     TStartOrder::FirstFrameFirst, [](QWidget& Window) {
                         if (QScreen* where = Window.screen()) Window.setGeometry(where->availableGeometry());
                         Window.setWindowState(Window.windowState() | Qt::WindowMaximized);
                         Window.show();
                     });
    qtDialogs = TQtDialogs(&window);  // the boxes belong to the window
    window.Controls().ApplyChoices(stored, ThisRun(stored, Line));
    if (!Line.SmokeTest) window.Controls().SetChoicesFile(&choicesFile);
    // Neither Qt's own texts in Russian (its dialogs' buttons) nor the sound are needed for the
    // first frame: they come right after it, before loading makes the games playable. The sound
    // reads the window's settings and shows its boxes.
    // The icon too: looking it up in the desktop's icon themes reads their folders.
    std::unique_ptr<TSoundSystem> sound;
    window.AfterFirstFrame([&] {
        InstallRussianTranslations();
        QGuiApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral(KV_APP_ID), QIcon(QStringLiteral(":/icons/" KV_APP_ID ".png"))));
        sound = MakeSoundSystem(dialogs, window.Context().Settings, [&window] { window.StartPanelShowExecute(); });
        window.SetSpeech(sound->Speech.get());
        window.Controls().SetVolumeHandler([engine = sound->Engine](int Percent, bool Muted) {
            engine->SetVolume(Percent);
            engine->SetMuted(Muted);
        });
    });

    // The progress file is opened once the games are playable, so the start never waits for it,
    // then the computer joins the group's journal when one is set up (its sender starts a thread
    // and returns); a smoke test keeps nothing.
    std::unique_ptr<TProgressStore> progress;
    if (!Line.SmokeTest)
        QObject::connect(&window, &TMainForm::LoadingFinished, &window, [&] {
            if (progress) return;
            const journaldb::TJournalSettings journal = journalFile.Read();
            const bool inJournal = IsJournalSetUp(journal);
            progress = std::make_unique<TProgressStore>(TProgressStore::DefaultFolder(), dialogs, nullptr, inJournal);
            window.JoinProgress(*progress, &journalFile);
            if (inJournal) progress->UseJournal(journal);
            if (Line.GrownUps) window.OpenGrownUpsCorner();
        });

    QObject::connect(&window.Controls(), &TParentControls::QuitRequested, &App, [] { QCoreApplication::exit(0); });
    quitting = &window.Controls();
    // A smoke test (an installed program's first run) also makes the corner's module work once.
    if (Line.SmokeTest)
        QObject::connect(&window, &TMainForm::LoadingFinished, &App, [&](bool Loaded) {
            const auto module = modules::TryCornerModule();
            if (module) Print(stderr, QStringLiteral("the grown-ups' corner's module: ") + *module);
            QApplication::exit(Loaded && printedDialogs.Shown == 0 && !module ? 0 : 1);
        });
    if (BeforeFirstFrame) BeforeFirstFrame(window);
    const int result = App.exec();
    quitting = nullptr;
    window.SetSpeech(nullptr);
    window.CloseGrownUpsCorner();  // a recording not kept is dropped
    sound.reset();
    progress.reset();  // what is still queued is written
    choicesFile.sync();
    return result;
}
