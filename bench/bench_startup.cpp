// Start-up: how long the background loader takes to make the program-wide game objects with the
// demo content beside this program, and how long the program takes from its start to the first
// painted frame of the start screen, against a minimal Qt Widgets window measured the same way.
//
// In-process mode: program start is measured on fresh processes of this same file, both straight
// from their static initialisation, before this program's main: one child runs the program's own
// start (the application, then the program entry's own steps), the other a minimal window (one
// label). Each child writes the monotonic clock at its first frame; the parent subtracts the
// moment it started the child. Both children link everything the program links, so this mode
// cannot see what loading those libraries costs.
//
// External mode (BM_ExternalStart*, BM_VersionAgainstQtCore): what the user waits for. The real
// program (build/kvarnel with the demo content beside it, or $KV_BENCH_PROGRAM) and a bare Qt
// window (kv_bare_window, linked to Qt Widgets alone) are started as processes of their own,
// alternately, each with a scratch HOME and XDG folders, and watched from outside on the X display
// (bench/ExternalStart.cpp says how): exec to the window mapped, exec to its first frame that is
// not one flat colour, resident memory 3 s after exec. "Cold" gives every start a new home (no
// kept start picture, no settings), "warm" keeps one home per program across its starts, as a
// second start does. BM_VersionAgainstQtCore times `kvarnel --version` against kv_version_core, a
// QCoreApplication that prints a version and is linked to Qt Core alone. Real figures need a real
// X server with a window manager; on Debian (xvfb, openbox):
//
//   xvfb-run -a -s '-screen 0 1280x1024x24 -br' sh -c
//     'openbox & sleep 1; build/bench_startup --benchmark_filter="External|Version"'
//
// Without a display the external benchmarks are skipped with a message.
#include "BenchSupport.h"
#include "ExternalStart.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "core/AppContext.h"
#include "core/Artwork.h"
#include "games/GameObjects.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Panel.h"
#include "support/TestForm.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMetaObject>
#include <QProcess>
#include <QTimer>
#include <QVBoxLayout>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using bench::Median;
using bench::TSilentDialogs;
using bench::TSilentSpeech;

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::duration D)
{
    return std::chrono::duration<double>(D).count();
}

// Remembers every box the window would show; a loading failure shows one.
class TRecordingDialogs : public IDialogs {
public:
    void ShowMessage(const QString& Title, const QString& Text) override { Messages.push_back(Title + ": " + Text); }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    bool ExecutePrintDialog(IPrinter&) override { return false; }
    std::vector<QString> Messages;
};

// The main window that notes when its loading starts, so the measurement begins exactly there
// while the start-up itself runs its ordinary course (first activation → StartLoading).
class TTimedMainForm : public TTestForm {
public:
    using TTestForm::TTestForm;
    void StartLoading() override
    {
        LoadingStartedAt = TClock::now();
        TMainForm::StartLoading();
    }
    TClock::time_point LoadingStartedAt{};
};

bool RunEventsUntil(const std::function<bool()>& Done, int TimeoutMs = 20000)
{
    return bench::RunEventsUntil(Done, TimeoutMs, 50);
}

bool AllObjectsMade(const TGameObjects& O)
{
    return O.PicGameBuffer && O.MakeWBuffer && O.ExamGame && O.SndLetterPanels && O.ExamLetterPanels && O.PicLetterPanels &&
           O.MakeWLetterPanels && O.FirstLImgPanels && O.MakeWImgPanels && O.RaskrasImgPanels;
}

// The demo content the build writes beside this program; without it the figures mean nothing.
bool DemoContentPresent(benchmark::State& State)
{
    const QString folder = fs::ExeFolder();
    if (fs::DirectoryExists(folder + "Sound") && fs::DirectoryExists(folder + "Pic/Alphabet/Rus")) return true;
    State.SkipWithError("no demo content beside the benchmark (build the demo_content target)");
    return false;
}

// Shows a window and waits until its first frame has been painted and handed to the screen.
// Painting a window is one synchronous pass over all its dirty widgets, top-level first; a call
// queued from the top-level's first paint event runs once that pass (and its flush) is over.
class TFirstFrameWatch : public QObject {
public:
    // OnFrame runs at the end of the first frame, before anything else can change the window.
    explicit TFirstFrameWatch(QWidget* Window, std::function<void()> OnFrame = {})
        : FWindow(Window), FOnFrame(std::move(OnFrame))
    {
        Window->installEventFilter(this);
    }

    // Seconds from Since to the end of the first frame; negative when none came in time.
    double ShowAndWait(TClock::time_point Since)
    {
        FWindow->show();
        if (!RunEventsUntil([this] { return FPainted; })) return -1;
        return Seconds(FPaintedAt - Since);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == FWindow && Event->type() == QEvent::Paint && !FPaintQueued) {
            FPaintQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    FPaintedAt = TClock::now();
                    FPainted = true;
                    if (FOnFrame) FOnFrame();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* FWindow;
    std::function<void()> FOnFrame;
    bool FPaintQueued = false;
    bool FPainted = false;
    TClock::time_point FPaintedAt{};
};

// The reference: the smallest Qt Widgets window, one label, the size of the program's window.
void BuildMinimalWindow(QWidget& Window)
{
    auto* layout = new QVBoxLayout(&Window);
    layout->addWidget(new QLabel(QStringLiteral("Кварнель"), &Window));
    Window.resize(TMainForm::kBaseWidth, TMainForm::kBaseHeight);
}

// Whether what the main window shows near the start screen's top-left corner is the start screen.
bool StartScreenShown(QWidget& Window)
{
    const QPoint probe = Named<TPanel>(Window, "StartPanel")->mapTo(&Window, QPoint(10, 10));
    QWidget* shown = Window.childAt(probe);
    return shown &&
           (shown == Named<TPanel>(Window, "StartPanel") || Named<TPanel>(Window, "StartPanel")->isAncestorOf(shown));
}

// ---------------------------------------------------------------------------------------------
// Child processes for the program-start measurement.

constexpr const char* kChildVariable = "KV_STARTUP_BENCH_CHILD";
constexpr const char* kFrameMarker = "KV_FIRST_FRAME_NS";

long long Nanoseconds(TClock::time_point At)
{
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(At.time_since_epoch()).count());
}

// Reports to the parent the monotonic clock when the child began to build its window, when the
// window was built and at its first frame, then ends the process at once: nothing after the first
// frame belongs to the measurement (the loader thread is simply cut off).
[[noreturn]] void ReportFrameAndExit(TClock::time_point WindowBegun, TClock::time_point WindowBuilt, bool StartScreen)
{
    std::printf("%s %lld %lld %lld %d\n", kFrameMarker, Nanoseconds(WindowBegun), Nanoseconds(WindowBuilt),
                Nanoseconds(TClock::now()), StartScreen ? 1 : 0);
    std::fflush(stdout);
    _exit(0);
}

// The minimal program: runs before this program's main when the parent asks for it, so that it
// pays for nothing but loading the process, the application object and its one window.
[[noreturn]] void RunMinimalChild()
{
    static int argc = 1;
    static char name[] = "minimal";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const auto begun = TClock::now();
    QWidget window;
    BuildMinimalWindow(window);
    const auto built = TClock::now();
    TFirstFrameWatch watch(&window, [&] { ReportFrameAndExit(begun, built, true); });
    watch.ShowAndWait(TClock::now());
    _exit(1);  // no frame in time
}

// The program's own start, before this program's main like the minimal one: the application,
// then exactly what the program's entry does (fonts, translations, the window, its sound, show).
[[noreturn]] void RunMainChild()
{
    static int argc = 1;
    static char name[] = "kvarnel";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const auto begun = TClock::now();
    TClock::time_point built;
    std::unique_ptr<TFirstFrameWatch> watch;
    StartKvarnel(app, TCommandLine(), [&](QWidget& Window) {
        built = TClock::now();
        auto* form = &Window;
        watch = std::make_unique<TFirstFrameWatch>(&Window,
                                                   [&, form] { ReportFrameAndExit(begun, built, StartScreenShown(*form)); });
    });
    _exit(1);  // no frame
}

const bool kChildStarted = [] {
    const QByteArray child = qgetenv(kChildVariable);
    if (child == "minimal") RunMinimalChild();
    if (child == "main") RunMainChild();
    return false;
}();

struct TChildFrame {
    double Seconds = -1;      // from starting the process to its first frame; negative on failure
    double BeforeWindow = 0;  // of which before the program's own steps began (process, application)
    double Building = 0;      // and those steps up to showing the window (fonts, window, sound)
    bool StartScreen = false;
};

// Starts this program as Child ("main" or "minimal") and waits for its first frame.
TChildFrame ChildFirstFrame(const char* Child)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(Child));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto started = TClock::now();
    process.start(QCoreApplication::applicationFilePath(), {});
    TChildFrame frame;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return frame;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 5 || parts[0] != kFrameMarker) continue;
        const TClock::time_point begun{std::chrono::nanoseconds(parts[1].toLongLong())};
        const TClock::time_point built{std::chrono::nanoseconds(parts[2].toLongLong())};
        const TClock::time_point painted{std::chrono::nanoseconds(parts[3].toLongLong())};
        frame.BeforeWindow = Seconds(begun - started);
        frame.Building = Seconds(built - begun);
        frame.Seconds = Seconds(painted - started);
        frame.StartScreen = parts[4] == "1";
    }
    return frame;
}

// ---------------------------------------------------------------------------------------------
// Benchmarks.

// Program start to the first frame of the start screen, the program against the minimal window,
// the two started alternately in the same run; the counters give each median and their ratio
// (target: at most 1.25), how much of each came before the window began to be built, and how long
// building the window took (the rest is showing and painting it).
// The reported time is the program's.
void BM_ProgramStartToFirstFrame(benchmark::State& State)
{
    if (kChildStarted || !DemoContentPresent(State)) return;
    // One of each first, so that the first start's cold caches fall on neither.
    ChildFirstFrame("minimal");
    ChildFirstFrame("main");

    std::vector<double> mainTimes, minimalTimes, mainBefore, minimalBefore, mainBuilding, minimalBuilding;
    bool mainFirst = true;
    for (auto _ : State) {
        TChildFrame main, minimal;
        if (mainFirst) {
            main = ChildFirstFrame("main");
            minimal = ChildFirstFrame("minimal");
        } else {
            minimal = ChildFirstFrame("minimal");
            main = ChildFirstFrame("main");
        }
        mainFirst = !mainFirst;
        if (main.Seconds < 0 || minimal.Seconds < 0) {
            State.SkipWithError("a child process never painted its window");
            return;
        }
        if (!main.StartScreen) {
            State.SkipWithError("the start screen was not up at the program's first frame");
            return;
        }
        State.SetIterationTime(main.Seconds);
        mainTimes.push_back(main.Seconds);
        minimalTimes.push_back(minimal.Seconds);
        mainBefore.push_back(main.BeforeWindow);
        minimalBefore.push_back(minimal.BeforeWindow);
        mainBuilding.push_back(main.Building);
        minimalBuilding.push_back(minimal.Building);
    }
    const double mainMedian = Median(mainTimes), minimalMedian = Median(minimalTimes);
    State.counters["main_median_ms"] = mainMedian * 1e3;
    State.counters["minimal_median_ms"] = minimalMedian * 1e3;
    State.counters["ratio"] = minimalMedian > 0 ? mainMedian / minimalMedian : 0;
    State.counters["main_pre_window_ms"] = Median(mainBefore) * 1e3;
    State.counters["minimal_pre_window_ms"] = Median(minimalBefore) * 1e3;
    State.counters["main_build_ms"] = Median(mainBuilding) * 1e3;
    State.counters["minimal_build_ms"] = Median(minimalBuilding) * 1e3;
}
BENCHMARK(BM_ProgramStartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);

// The program's window from its construction to its first frame. Its first activation also
// starts the loader, as in the program; the loader is let finish outside the measurement so
// that it does not spill into the next sample.
double MainWindowFirstFrameInProcess(bool* StartScreen)
{
    TRecordingDialogs dialogs;
    const auto start = TClock::now();
    TTestForm window(&dialogs, fs::ExeFolder());
    TFirstFrameWatch watch(&window, [&] { *StartScreen = StartScreenShown(window); });
    const double seconds = watch.ShowAndWait(start);
    RunEventsUntil([&] { return window.LoadingEnded() || !window.Activated(); });
    window.WaitForLoading();
    return seconds;
}

double MinimalWindowFirstFrameInProcess()
{
    const auto start = TClock::now();
    QWidget window;
    BuildMinimalWindow(window);
    TFirstFrameWatch watch(&window);
    return watch.ShowAndWait(start);
}

// The windows alone, inside one running application: construction to first frame, the same
// alternation, medians and ratio. This is the part of start-up the program's own code adds.
void BM_WindowToFirstFrameInProcess(benchmark::State& State)
{
    if (kChildStarted || !DemoContentPresent(State)) return;
    // One of each first, so that one-time costs (style, fonts, the platform's first window) fall on neither.
    bool startScreen = false;
    MinimalWindowFirstFrameInProcess();
    MainWindowFirstFrameInProcess(&startScreen);

    std::vector<double> mainTimes, minimalTimes;
    bool mainFirst = true;
    for (auto _ : State) {
        double main = 0, minimal = 0;
        if (mainFirst) {
            main = MainWindowFirstFrameInProcess(&startScreen);
            minimal = MinimalWindowFirstFrameInProcess();
        } else {
            minimal = MinimalWindowFirstFrameInProcess();
            main = MainWindowFirstFrameInProcess(&startScreen);
        }
        mainFirst = !mainFirst;
        if (main < 0 || minimal < 0) {
            State.SkipWithError("a window was never painted");
            return;
        }
        if (!startScreen) {
            State.SkipWithError("the start screen was not up at the first frame");
            return;
        }
        State.SetIterationTime(main);
        mainTimes.push_back(main);
        minimalTimes.push_back(minimal);
    }
    const double mainMedian = Median(mainTimes), minimalMedian = Median(minimalTimes);
    State.counters["main_median_ms"] = mainMedian * 1e3;
    State.counters["minimal_median_ms"] = minimalMedian * 1e3;
    State.counters["ratio"] = minimalMedian > 0 ? mainMedian / minimalMedian : 0;
}
BENCHMARK(BM_WindowToFirstFrameInProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(3);

// From StartLoading, called by the first activation of the shown window, until the loader's last
// queued call has run on the window's thread (overlay hidden, game entries enabled). The window's
// event loop runs meanwhile, as it does in the program: the bar moves and the overlay repaints.
void BM_StartLoadingToLoadingEnded(benchmark::State& State)
{
    if (kChildStarted || !DemoContentPresent(State)) return;
    std::vector<double> times;
    for (auto _ : State) {
        TRecordingDialogs dialogs;
        TTimedMainForm window(&dialogs, fs::ExeFolder());
        window.show();
        // The offscreen platform activates a shown window, which starts the loading; should it not,
        // start the way the first activation does.
        RunEventsUntil([&] { return window.Activated(); }, 500);
        if (!window.Activated()) window.FormActivate();
        if (!RunEventsUntil([&] { return window.LoadingEnded(); })) {
            State.SkipWithError("loading did not end");
            window.WaitForLoading();
            return;
        }
        const double seconds = Seconds(TClock::now() - window.LoadingStartedAt);
        State.SetIterationTime(seconds);
        times.push_back(seconds);
        if (!dialogs.Messages.empty() || !AllObjectsMade(window.Objects)) {
            State.SkipWithError("loading failed with the demo content");
            return;
        }
    }
    State.counters["median_ms"] = Median(times) * 1e3;
}
BENCHMARK(BM_StartLoadingToLoadingEnded)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);

// The same objects made on the calling thread with nothing else going on: the loader's own work,
// without the thread, the queued calls and the event loop around it.
void BM_LoadGameObjectsInline(benchmark::State& State)
{
    if (kChildStarted || !DemoContentPresent(State)) return;
    std::vector<double> times;
    for (auto _ : State) {
        TRecordingDialogs dialogs;
        TTestForm window(&dialogs, fs::ExeFolder());
        const auto start = TClock::now();
        LoadGameObjects(window.Context(), window.Objects);
        const double seconds = Seconds(TClock::now() - start);
        State.SetIterationTime(seconds);
        times.push_back(seconds);
        if (!AllObjectsMade(window.Objects)) {
            State.SkipWithError("objects missing");
            return;
        }
    }
    State.counters["median_ms"] = Median(times) * 1e3;
}
BENCHMARK(BM_LoadGameObjectsInline)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3);

// Drawing the start screen's picture, which the window does while it is built: how much of the
// window's building it accounts for.
void BM_StartScreenPicture(benchmark::State& State)
{
    if (kChildStarted) return;
    for (auto _ : State) benchmark::DoNotOptimize(artwork::StartScreen());
}
BENCHMARK(BM_StartScreenPicture)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

// ---------------------------------------------------------------------------------------------
// External mode: the programs as the user starts them, watched from outside.

namespace external = bench::external;

// The program measured: the build tree's, beside this benchmark, unless $KV_BENCH_PROGRAM names
// another (another build's kvarnel with its demo content beside it).
QString ProgramPath()
{
    const QString other = qEnvironmentVariable("KV_BENCH_PROGRAM");
    return other.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/kvarnel") : other;
}

// A reference program built beside this benchmark.
QString HelperPath(const char* Name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(Name);
}

bool ExternalProgramsPresent(benchmark::State& State, const char* Helper)
{
    const QString program = ProgramPath();
    const QString folder = QFileInfo(program).absolutePath() + u'/';
    if (!QFileInfo(program).isExecutable())
        State.SkipWithError(qPrintable(QStringLiteral("no program at %1").arg(program)));
    else if (!QFileInfo(HelperPath(Helper)).isExecutable())
        State.SkipWithError(qPrintable(QStringLiteral("no %1 beside the benchmark").arg(QLatin1String(Helper))));
    else if (!fs::DirectoryExists(folder + "Sound") || !fs::DirectoryExists(folder + "Pic/Alphabet/Rus"))
        State.SkipWithError("no demo content beside the program (build the demo_content target)");
    else
        return true;
    return false;
}

// One figure of the program and of the reference, start by start.
struct TPairedSeries {
    std::vector<double> Program, Reference;
    void Add(double P, double R)
    {
        Program.push_back(P);
        Reference.push_back(R);
    }
    // The median of the starts' ratios: each pair ran back to back, so a slow moment of the
    // machine weighs on both.
    double MedianRatio() const
    {
        std::vector<double> ratios;
        for (size_t i = 0; i < Program.size(); ++i)
            if (Reference[i] > 0) ratios.push_back(Program[i] / Reference[i]);
        return Median(ratios);
    }
    double MedianDifference() const
    {
        std::vector<double> differences;
        for (size_t i = 0; i < Program.size(); ++i) differences.push_back(Program[i] - Reference[i]);
        return Median(differences);
    }
};

// The program and the bare window, started alternately (which goes first changes every pair),
// each start measured from outside. Warm keeps one home per program, filled by a first start of
// each that is not counted; cold gives every start a new one. That first start of each also fills
// the disk cache in both modes.
void ExternalStarts(benchmark::State& State, bool Warm)
{
    if (kChildStarted || !ExternalProgramsPresent(State, "kv_bare_window")) return;
    external::TWindowWatch watch;
    if (!watch.Problem().isEmpty()) {
        State.SkipWithError(
            qPrintable(watch.Problem() + QStringLiteral(": run under Xvfb with openbox (the head of bench_startup.cpp)")));
        return;
    }
    const QString program = ProgramPath(), bare = HelperPath("kv_bare_window");
    external::TScratchHome programHome, bareHome;
    auto start = [&](bool Program) {
        std::unique_ptr<external::TScratchHome> fresh;
        const external::TScratchHome* home = Program ? &programHome : &bareHome;
        if (!Warm) home = (fresh = std::make_unique<external::TScratchHome>()).get();
        return watch.Start(Program ? program : bare, {}, home->Environment());
    };
    start(true);
    start(false);

    TPairedSeries mapped, frame, memory, librariesAtFrame, librariesAtRss;
    external::TStartFigures lastProgram, lastBare;
    bool programFirst = true;
    for (auto _ : State) {
        external::TStartFigures p, b;
        if (programFirst) {
            p = start(true);
            b = start(false);
        } else {
            b = start(false);
            p = start(true);
        }
        programFirst = !programFirst;
        for (const auto* f : {&p, &b})
            if (!f->Failure.isEmpty()) {
                State.SkipWithError(qPrintable(
                    (f == &p ? QStringLiteral("the program: ") : QStringLiteral("the bare window: ")) + f->Failure));
                return;
            }
        State.SetIterationTime(p.FirstFrameMs / 1e3);
        mapped.Add(p.MappedMs, b.MappedMs);
        frame.Add(p.FirstFrameMs, b.FirstFrameMs);
        memory.Add(p.RssMiB, b.RssMiB);
        librariesAtFrame.Add(double(p.LibrariesAtFrame.size()), double(b.LibrariesAtFrame.size()));
        librariesAtRss.Add(double(p.LibrariesAtRss.size()), double(b.LibrariesAtRss.size()));
        lastProgram = p;
        lastBare = b;
    }
    State.counters["program_mapped_ms"] = Median(mapped.Program);
    State.counters["bare_mapped_ms"] = Median(mapped.Reference);
    State.counters["mapped_ratio"] = mapped.MedianRatio();
    State.counters["program_frame_ms"] = Median(frame.Program);
    State.counters["bare_frame_ms"] = Median(frame.Reference);
    State.counters["frame_ratio"] = frame.MedianRatio();  // target: at most 1.25
    State.counters["program_rss_mib"] = Median(memory.Program);
    State.counters["bare_rss_mib"] = Median(memory.Reference);
    State.counters["rss_ratio"] = memory.MedianRatio();  // target: at most 1.8
    State.counters["program_libraries_at_frame"] = Median(librariesAtFrame.Program);
    State.counters["bare_libraries_at_frame"] = Median(librariesAtFrame.Reference);

    const QString wm = watch.WindowManager();
    std::printf("\n%s start, %zu starts of each, medians (window manager: %s)\n", Warm ? "Warm" : "Cold",
                frame.Program.size(), wm.isEmpty() ? "none" : qPrintable(wm));
    std::printf("  %-36s %9s %12s %7s %8s\n", "", "kvarnel", "bare window", "ratio", "target");
    auto row = [](const char* Name, const TPairedSeries& S, const char* Target) {
        std::printf("  %-36s %9.1f %12.1f %7.2f %8s\n", Name, Median(S.Program), Median(S.Reference), S.MedianRatio(),
                    Target);
    };
    row("exec to window mapped, ms", mapped, "");
    row("exec to first frame (not flat), ms", frame, "<= 1.25");
    row("resident memory 3 s after exec, MiB", memory, "<= 1.8");
    row("libraries mapped as the frame is seen", librariesAtFrame, "");
    row("libraries mapped 3 s after exec", librariesAtRss, "");
    // KV_BENCH_LIBRARIES=1: the last start's libraries, those the bare window has not.
    if (qEnvironmentVariableIntValue("KV_BENCH_LIBRARIES") == 1) {
        auto beyond = [](const QStringList& Program, const QStringList& Bare) {
            QStringList extra;
            for (const QString& library : Program)
                if (!Bare.contains(library)) extra << library;
            return extra.join(u' ');
        };
        std::printf("  beyond the bare window's, as the frame is seen: %s\n",
                    qPrintable(beyond(lastProgram.LibrariesAtFrame, lastBare.LibrariesAtFrame)));
        std::printf("  beyond the bare window's, 3 s after exec: %s\n",
                    qPrintable(beyond(lastProgram.LibrariesAtRss, lastBare.LibrariesAtRss)));
    }
    std::printf("\n");
    std::fflush(stdout);
}

void BM_ExternalStartCold(benchmark::State& State)
{
    ExternalStarts(State, false);
}
BENCHMARK(BM_ExternalStartCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

void BM_ExternalStartWarm(benchmark::State& State)
{
    ExternalStarts(State, true);
}
BENCHMARK(BM_ExternalStartWarm)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(11);

// `kvarnel --version` against the smallest program that makes a QCoreApplication and prints a
// version (kv_version_core, Qt Core alone): exec to exit, alternately; the difference is what
// the program's libraries and its own start add to a question that needs no window. Target: the
// median difference at most 10 ms.
void BM_VersionAgainstQtCore(benchmark::State& State)
{
    if (kChildStarted || !ExternalProgramsPresent(State, "kv_version_core")) return;
    const QString program = ProgramPath(), core = HelperPath("kv_version_core");
    const QStringList version{QStringLiteral("--version")};
    external::RunToExitMs(program, version);
    external::RunToExitMs(core, {});
    TPairedSeries times;
    bool programFirst = true;
    for (auto _ : State) {
        double p = 0, c = 0;
        if (programFirst) {
            p = external::RunToExitMs(program, version);
            c = external::RunToExitMs(core, {});
        } else {
            c = external::RunToExitMs(core, {});
            p = external::RunToExitMs(program, version);
        }
        programFirst = !programFirst;
        if (p < 0 || c < 0) {
            State.SkipWithError("a program did not start or did not end well");
            return;
        }
        State.SetIterationTime(p / 1e3);
        times.Add(p, c);
    }
    State.counters["kvarnel_ms"] = Median(times.Program);
    State.counters["qtcore_ms"] = Median(times.Reference);
    State.counters["difference_ms"] = times.MedianDifference();
    std::printf(
        "\n--version, %zu runs of each, medians: kvarnel %.1f ms, Qt Core alone %.1f ms, "
        "difference %.1f ms (target <= 10)\n\n",
        times.Program.size(), Median(times.Program), Median(times.Reference), times.MedianDifference());
    std::fflush(stdout);
}
BENCHMARK(BM_VersionAgainstQtCore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
