// Quitting while the program loads: the time from SIGTERM to the end of the process, in the
// middle of a slow loading.
//
// The program is the real one, the kvarnel file beside this benchmark, started as a child process
// on a content root whose 33 letter pictures are big photos (4000 × 3000, generated here), so that
// its loading takes seconds. Once the child catches SIGTERM it is left to load for a while (0.3 s,
// 1 s or 2 s, the argument), then sent SIGTERM; the time until it has ended is measured. Target:
// median ≤ 0.5 s, exit status 0.
#include "BenchSupport.h"
#include "support/ChildProgram.h"
#include "support/Waiting.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

#include <vector>

using bench::Median;

namespace {

// The content root with the big letter pictures, made once per benchmark run; empty when it
// could not be made.
QString BigContent()
{
    static QTemporaryDir root;
    static const bool made = WriteBigLetterPictures(root.path());
    return made ? root.path() : QString();
}

void BM_SigtermToExitWhileLoading(benchmark::State& State)
{
    const QString program = QCoreApplication::applicationDirPath() + "/kvarnel";
    if (!QFile::exists(program) || BigContent().isEmpty()) {
        State.SkipWithError("no program beside the benchmark, or no room for the pictures");
        return;
    }
    QTemporaryDir home;
    const QProcessEnvironment env = HeadlessIn(home);
    std::vector<double> seconds;
    int stillLoading = 0, cleanExits = 0;
    for (auto _ : State) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setStandardOutputFile(QProcess::nullDevice());
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start(program, {"--content", BigContent()});
        if (!child.waitForStarted() || !WaitUntil([&] { return Catches(child.processId(), SIGTERM); }, 20000)) {
            State.SkipWithError("the program did not start");
            return;
        }
        QThread::msleep(static_cast<unsigned long>(State.range(0)));
        stillLoading += child.state() == QProcess::Running;
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(child.processId()), SIGTERM);
        if (!child.waitForFinished(30000)) {
            child.kill();
            child.waitForFinished();
            State.SkipWithError("the program did not end within 30 s");
            return;
        }
        const double s = clock.nsecsElapsed() / 1e9;
        seconds.push_back(s);
        State.SetIterationTime(s);
        cleanExits += child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    }
    State.counters["median_s"] = Median(seconds);
    State.counters["clean_exits"] = cleanExits;
    State.counters["runs"] = double(seconds.size());
    State.counters["loading_at_signal"] = stillLoading;
}

}  // namespace

BENCHMARK(BM_SigtermToExitWhileLoading)
    ->Arg(300)
    ->Arg(1000)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7);
