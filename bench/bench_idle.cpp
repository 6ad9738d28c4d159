// The program at rest: how often its threads wake up and how much CPU it spends per second while
// nothing happens, against a minimal Qt Widgets window (one label) started the same way.
//
// The program is the real one, the kvarnel file beside this benchmark with the demo content, its
// sound on SDL's silent driver (which keeps a real device's pace). Each is started as a child
// process, left alone for a settling time (start-up, loading, and the moment the sound device may
// wait before it rests), then watched for a window: the context switches of every thread of the
// process (/proc/PID/task/*/status) and its CPU time (/proc/PID/stat) at both ends. A third child
// is the window with "Слоги" open after a syllable was built, its runner at rest.
#include "BenchSupport.h"
#include "games/GameObjects.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "sound/SoundSystem.h"
#include "support/TestForm.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QVBoxLayout>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <thread>
#include <vector>

using bench::Median;

namespace {

constexpr const char* kChildVariable = "KV_IDLE_BENCH_CHILD";
constexpr int kSettleSeconds = 6;
constexpr int kWatchSeconds = 10;

// The reference program: before this program's main, a window with one label, then the event
// loop until the parent ends the process.
[[noreturn]] void RunMinimalChild()
{
    static int argc = 1;
    static char name[] = "minimal";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Кварнель"), &window));
    window.resize(1099, 770);
    window.show();
    _exit(app.exec());
}

// "Слоги" at rest: the window over the demo content with its sound, "Собери слог" open and a
// syllable built (the runner has run its way and rests), then the event loop.
[[noreturn]] void RunSlogiChild()
{
    static int argc = 1;
    static char name[] = "slogi";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    bench::TSilentDialogs dialogs;
    TTestForm form(&dialogs, QCoreApplication::applicationDirPath() + u'/');
    std::unique_ptr<TSoundSystem> sound = MakeSoundSystem(dialogs, form.Context().Settings, {});
    form.SetSpeech(sound->Speech.get());
    form.show();
    LoadGameObjects(form.Context(), form.Objects);
    form.FormActivate();
    form.StartLoading();
    Named<QAction>(form, "Slogi")->trigger();
    Named<TSpeedButton>(form, "SlogBuildSpeedButton")->click();
    for (const QString& letter : {QStringLiteral("Буква М"), QStringLiteral("Буква А")})
        for (TPanel* p : Named<TPanel>(form, "SlogPanel")->findChildren<TPanel*>())
            if (p->isVisible() && p->accessibleName() == letter)
                p->findChild<TLabel*>(QString(), Qt::FindDirectChildrenOnly)->Press();
    _exit(app.exec());
}

const bool kChildStarted = [] {
    if (qgetenv(kChildVariable) == "minimal") RunMinimalChild();
    if (qgetenv(kChildVariable) == "slogi") RunSlogiChild();
    return false;
}();

struct TThreadSample {
    QString Name;
    long long Switches = 0;  // voluntary and involuntary context switches
};

// Every thread of the process now, by thread id.
std::map<int, TThreadSample> SampleThreads(qint64 Pid)
{
    std::map<int, TThreadSample> out;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(Pid));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(tid) + "/status");
        if (!status.open(QIODevice::ReadOnly)) continue;
        TThreadSample s;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Name:")) s.Name = QString::fromUtf8(line.mid(5).trimmed());
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                s.Switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
        out[tid.toInt()] = s;
    }
    return out;
}

// User and system CPU seconds of the whole process.
double ProcessCpuSeconds(qint64 Pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(Pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name in parentheses: state is field 3, utime 14, stime 15.
    const QList<QByteArray> f = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (f.size() < 13) return 0;
    return double(f[11].toLongLong() + f[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

struct TIdleFigures {
    bool Ok = false;
    double WakeupsPerSecond = 0;
    double CpuMsPerSecond = 0;
    QString Busiest;  // the threads that woke, with their counts
};

TIdleFigures WatchIdle(QProcess& Process)
{
    TIdleFigures f;
    if (!Process.waitForStarted(10000)) return f;
    std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
    if (Process.state() != QProcess::Running) return f;
    const qint64 pid = Process.processId();
    const auto before = SampleThreads(pid);
    const double cpu0 = ProcessCpuSeconds(pid);
    const auto t0 = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(kWatchSeconds));
    const auto after = SampleThreads(pid);
    const double cpu1 = ProcessCpuSeconds(pid);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    long long switches = 0;
    for (const auto& [tid, s] : after) {
        const auto was = before.find(tid);
        const long long d = s.Switches - (was == before.end() ? 0 : was->second.Switches);
        switches += d;
        if (d > 0) f.Busiest += QStringLiteral("%1:%2 ").arg(s.Name).arg(d);
    }
    f.Ok = Process.state() == QProcess::Running;
    f.WakeupsPerSecond = double(switches) / wall;
    f.CpuMsPerSecond = 1000.0 * (cpu1 - cpu0) / wall;
    Process.kill();
    Process.waitForFinished();
    return f;
}

QProcessEnvironment ChildEnvironment(const QString& CacheFolder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), CacheFolder);
    return env;
}

TIdleFigures IdleProgram(const QString& CacheFolder)
{
    QProcess process;
    process.setProcessEnvironment(ChildEnvironment(CacheFolder));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QCoreApplication::applicationDirPath() + "/kvarnel", {});
    return WatchIdle(process);
}

TIdleFigures IdleChild(const QString& CacheFolder, const QString& Child)
{
    QProcess process;
    QProcessEnvironment env = ChildEnvironment(CacheFolder);
    env.insert(QString::fromLatin1(kChildVariable), Child);
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QCoreApplication::applicationFilePath(), {});
    return WatchIdle(process);
}

// The program and the minimal window at rest, alternately, each watched for 10 s after settling.
// Targets: no wake-ups at all from the program's threads; CPU per second beside the minimal
// window's. The label "busiest" lists the threads of the last program run that woke.
void BM_IdleWakeupsAndCpu(benchmark::State& State)
{
    if (!QFile::exists(QCoreApplication::applicationDirPath() + "/kvarnel") ||
        !QDir(QCoreApplication::applicationDirPath() + "/Sound").exists()) {
        State.SkipWithError("no program or demo content beside the benchmark");
        return;
    }
    QTemporaryDir cache;
    std::vector<double> wakeups, cpu, minimalWakeups, minimalCpu;
    QString busiest;
    for (auto _ : State) {
        const TIdleFigures program = IdleProgram(cache.path());
        const TIdleFigures minimal = IdleChild(cache.path(), QStringLiteral("minimal"));
        if (!program.Ok || !minimal.Ok) {
            State.SkipWithError("a child ended early");
            return;
        }
        State.SetIterationTime(program.CpuMsPerSecond / 1000.0);
        wakeups.push_back(program.WakeupsPerSecond);
        cpu.push_back(program.CpuMsPerSecond);
        minimalWakeups.push_back(minimal.WakeupsPerSecond);
        minimalCpu.push_back(minimal.CpuMsPerSecond);
        busiest = program.Busiest;
    }
    State.counters["wakeups_per_s"] = Median(wakeups);
    State.counters["minimal_wakeups_per_s"] = Median(minimalWakeups);
    State.counters["cpu_ms_per_s"] = Median(cpu);
    State.counters["minimal_cpu_ms_per_s"] = Median(minimalCpu);
    State.SetLabel(("busiest " + busiest).toStdString());
}
BENCHMARK(BM_IdleWakeupsAndCpu)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// "Собери слог" after a syllable was built, its runner at rest, against the minimal window.
// Target: no wake-ups; the label lists the threads that woke.
void BM_IdleSlogiRunnerAtRest(benchmark::State& State)
{
    if (!QDir(QCoreApplication::applicationDirPath() + "/Sound").exists()) {
        State.SkipWithError("no demo content beside the benchmark");
        return;
    }
    QTemporaryDir cache;
    std::vector<double> wakeups, cpu, minimalWakeups;
    QString busiest;
    for (auto _ : State) {
        const TIdleFigures slogi = IdleChild(cache.path(), QStringLiteral("slogi"));
        const TIdleFigures minimal = IdleChild(cache.path(), QStringLiteral("minimal"));
        if (!slogi.Ok || !minimal.Ok) {
            State.SkipWithError("a child ended early");
            return;
        }
        State.SetIterationTime(slogi.CpuMsPerSecond / 1000.0);
        wakeups.push_back(slogi.WakeupsPerSecond);
        cpu.push_back(slogi.CpuMsPerSecond);
        minimalWakeups.push_back(minimal.WakeupsPerSecond);
        busiest = slogi.Busiest;
    }
    State.counters["wakeups_per_s"] = Median(wakeups);
    State.counters["minimal_wakeups_per_s"] = Median(minimalWakeups);
    State.counters["cpu_ms_per_s"] = Median(cpu);
    State.SetLabel(("busiest " + busiest).toStdString());
}
BENCHMARK(BM_IdleSlogiRunnerAtRest)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
