// Quitting while the program loads: the time from SIGTERM to the end of the process, in the
// middle of a slow loading.
//
// The program is the real one, the kvarnel file beside this benchmark, started as a child process
// on a content root whose 33 letter pictures are big photos (4000 × 3000, generated here), so that
// its loading takes seconds. Once the child catches SIGTERM it is left to load for a while (0.3 s,
// 1 s or 2 s, the argument), then sent SIGTERM; the time until it has ended is measured. Target:
// median ≤ 0.5 s, exit status 0.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

#include <vector>

using bench::Median;

namespace {

// Whether the process has a handler of its own for Signal (its SigCgt mask in /proc).
bool Catches(qint64 Pid, int Signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (Signal - 1)) & 1;
    return false;
}

bool WaitUntil(const std::function<bool()>& Done, int Ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms) return false;
        QThread::msleep(2);
    }
    return true;
}

// The content root with the big letter pictures, made once per benchmark run; empty when it
// could not be made.
QString BigContent()
{
    static QTemporaryDir root;
    static const bool made = [] {
        const QString folder = root.path() + "/Pic/Alphabet/Rus/";
        QDir().mkpath(folder);
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) line[x] = qRgb(x * 7 + y, (x ^ y) & 0xff, (x * y) >> 9);
        }
        const QString first = folder + "first.jpg";
        if (!photo.save(first, "JPEG", 90)) return false;
        for (QChar letter : QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"))
            QFile::copy(first, folder + letter + ".jpg");
        QFile::remove(first);
        return true;
    }();
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CACHE_HOME", home.filePath("cache"));
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
