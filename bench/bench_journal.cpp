// The group's journal on a local PostgreSQL server of the benchmark's own (tests/support's
// throw-away cluster): what keeping one answer costs the user-interface thread while the journal
// is connected; thirty computers sending 2,000 answers each as fast as they can (answers per
// second, the time until all have arrived, each exactly once); the summary for "Успехи" of a
// child with 100,000 answers in the journal; and what refreshing "Успехи" costs the window's thread
// while the journal answers and while its server hangs.
#include "BenchSupport.h"
#include "platform/storage/ProgressDatabase.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"
#include "support/PostgresCluster.h"

#include <benchmark/benchmark.h>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>

using bench::Median;
using bench::TSilentDialogs;
using journaldb::TOutcome;

namespace {

TPostgresCluster& Cluster()
{
    static TPostgresCluster cluster;
    return cluster;
}

QString FreshDatabase(const QString& Name)
{
    Cluster().Exec(QStringLiteral("postgres"), QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(Name));
    Cluster().CreateDatabase(Name);
    return Name;
}

journaldb::TSenderOptions Options()
{
    journaldb::TSenderOptions options;
    options.FirstPause = std::chrono::milliseconds(50);
    options.LongestPause = std::chrono::milliseconds(500);
    options.Rest = std::chrono::milliseconds(500);
    return options;
}

progressdb::TAnswerRow SomeRow(QRandomGenerator& Random, qint64 Time, qint64 Child)
{
    const QStringList& letters = RussianLetters();
    progressdb::TAnswerRow row;
    row.Time = Time;
    row.UtcOffset = 3 * 3600;
    row.Child = Child;
    row.Game = static_cast<int>(Random.bounded(4));
    row.Mode = row.Game == 0 || row.Game == 3 ? static_cast<int>(Random.bounded(2)) : 0;
    row.Asked = letters[static_cast<int>(Random.bounded(33))];
    row.Right = row.Game != 0 && Random.bounded(4) != 0;
    row.Picked = row.Right || row.Game == 0 ? row.Asked : letters[static_cast<int>(Random.bounded(33))];
    row.FirstTry = Random.bounded(3) != 0;
    return row;
}

// A computer whose child already has Count answers kept (before joining; a grown-up said yes).
struct TComputer {
    QTemporaryDir Folder;
    TSilentDialogs Dialogs;
    std::unique_ptr<TProgressStore> Store;
    qint64 Child = 0;

    TComputer(int Count, quint32 Seed)
    {
        Store = std::make_unique<TProgressStore>(Folder.path(), Dialogs);
        Store->AddChild(QStringLiteral("Маша"), {}, &Child);
        Store->SetPlayer(Child);
        Store->SetJournalConsent(true);
        if (Count == 0) return;
        TProgressDatabase file(Folder.filePath(TProgressStore::FileName()));
        file.Open(false);
        QRandomGenerator random(Seed);
        qint64 time = QDateTime::currentSecsSinceEpoch() - 70 * 86400;
        for (int n = 0; n < Count; ++n) {
            file.AddAnswer(SomeRow(random, time, Child));
            time += n % 1400 == 1399 ? 86400 / 2 : 4 + static_cast<qint64>(random.bounded(20));
        }
    }
    bool AllSent() const
    {
        const TJournalStatus status = Store->JournalStatus();
        return status.Outcome == TOutcome::joConnected && status.Waiting == 0;
    }
};

bool Ready(benchmark::State& State)
{
    const QString problem = Cluster().Problem();
    if (problem.isEmpty()) return true;
    State.SkipWithError(qPrintable(problem));
    return false;
}

void BM_KeepWithJournalConnected(benchmark::State& state)
{
    if (!Ready(state)) return;
    TComputer computer(0, 1);
    computer.Store->UseJournal(Cluster().Settings(FreshDatabase(QStringLiteral("bench_keep"))), Options());
    bench::RunEventsUntil([&] { return computer.AllSent(); }, 20000, 20);
    QRandomGenerator random(3);
    std::vector<double> costs;
    for (auto _ : state) {
        const TAnswer answer{TGameKind::gkExamination,
                             false,
                             QStringLiteral("б"),
                             random.bounded(4) ? QStringLiteral("б") : QStringLiteral("д"),
                             {},
                             -1,
                             true,
                             true};
        QElapsedTimer timer;
        timer.start();
        computer.Store->Keep(answer);
        costs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        // A child's pace is seconds per answer; a little pause lets the writer and sender keep up.
        QThread::usleep(500);
    }
    const bool arrived = bench::RunEventsUntil([&] { return computer.AllSent(); }, 60000, 20);
    state.counters["median_ms"] = Median(costs);
    state.counters["all_arrived"] = arrived ? 1 : 0;
}
BENCHMARK(BM_KeepWithJournalConnected)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_ThirtyComputersSending(benchmark::State& state)
{
    if (!Ready(state)) return;
    constexpr int kComputers = 30;
    constexpr int kEach = 2000;
    for (auto _ : state) {
        state.PauseTiming();
        const QString group = FreshDatabase(QStringLiteral("bench_thirty"));
        {
            // The tables are made once, as by the first computer of the morning.
            TJournalDatabase first(Cluster().Settings(group));
            first.Connect(true);
        }
        std::vector<std::unique_ptr<TComputer>> computers;
        for (int n = 0; n < kComputers; ++n) computers.push_back(std::make_unique<TComputer>(kEach, 100 + n));
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        for (auto& computer : computers) computer->Store->UseJournal(Cluster().Settings(group), Options());
        const qint64 expected = static_cast<qint64>(kComputers) * kEach;
        const bool arrived = bench::RunEventsUntil(
            [&] { return Cluster().Count(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")) >= expected; },
            300000, 50);
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.PauseTiming();
        const qint64 rows = Cluster().Count(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers"));
        const qint64 distinct = Cluster().Count(group, QStringLiteral("SELECT COUNT(DISTINCT id) FROM kvarnel.answers"));
        state.counters["seconds_until_all"] = seconds;
        state.counters["answers_per_s"] = static_cast<double>(rows) / seconds;
        state.counters["exactly_once"] = arrived && rows == expected && distinct == expected ? 1 : 0;
        computers.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ThirtyComputersSending)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_SummaryOf100000AnswersInJournal(benchmark::State& state)
{
    if (!Ready(state)) return;
    TComputer computer(100000, 11);
    computer.Store->UseJournal(Cluster().Settings(FreshDatabase(QStringLiteral("bench_summary"))), Options());
    if (!bench::RunEventsUntil([&] { return computer.AllSent(); }, 300000, 50)) {
        state.SkipWithError("the answers did not arrive");
        return;
    }
    std::vector<double> costs;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const TProgressSummary summary = computer.Store->Summary(computer.Child);
        costs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        benchmark::DoNotOptimize(summary.PlaySeconds);
    }
    state.counters["median_ms"] = Median(costs);
    state.counters["from_journal"] = computer.Store->JournalNote().isEmpty() ? 1 : 0;
    state.counters["local_median_ms"] = [&] {
        std::vector<double> local;
        for (int n = 0; n < 5; ++n) {
            QElapsedTimer timer;
            timer.start();
            benchmark::DoNotOptimize(computer.Store->LocalSummary(computer.Child).PlaySeconds);
            local.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        return Median(local);
    }();
}
BENCHMARK(BM_SummaryOf100000AnswersInJournal)->Iterations(15)->Unit(benchmark::kMillisecond);

// The cluster's processes (the postmaster and its children), stopped or let go on: a server that hangs.
void SignalServer(int Signal)
{
    QFile pidFile(Cluster().SocketFolder() + QStringLiteral("/data/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly)) return;
    const pid_t postmaster = static_cast<pid_t>(pidFile.readLine().trimmed().toLongLong());
    std::vector<pid_t> pids{postmaster};
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after[1].toLongLong() == postmaster) pids.push_back(entry.toInt());
    }
    for (const pid_t pid : pids) ::kill(pid, Signal);
}

// "Успехи" refreshed for a child with 20,000 answers in the journal: the window's thread's share
// (this computer's summary, the request) and the time until the group's summary is shown; then the
// same refresh while the server hangs, which the window must not wait for.
void BM_ProgressRefreshOffTheWindowsThread(benchmark::State& state)
{
    if (!Ready(state)) return;
    TComputer computer(20000, 12);
    computer.Store->UseJournal(Cluster().Settings(FreshDatabase(QStringLiteral("bench_refresh"))), Options());
    if (!bench::RunEventsUntil([&] { return computer.AllSent(); }, 300000, 50)) {
        state.SkipWithError("the answers did not arrive");
        return;
    }
    TProgressScreen screen(*computer.Store, computer.Dialogs);
    screen.ShowChild(computer.Child, QStringLiteral("Маша"));
    bench::RunEventsUntil([&] { return !screen.Reading(); }, 30000, 5);
    std::vector<double> onThread, untilShown;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        screen.Refresh();
        onThread.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        bench::RunEventsUntil([&] { return !screen.Reading(); }, 30000, 1);
        untilShown.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["refresh_on_thread_ms"] = Median(onThread);
    state.counters["until_shown_ms"] = Median(untilShown);
    // What a refresh cost the window when it read the journal itself.
    std::vector<double> waited;
    for (int n = 0; n < 10; ++n) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(computer.Store->Summary(computer.Child).PlaySeconds);
        waited.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    state.counters["summary_on_thread_ms"] = Median(waited);

    // The server hangs: each refresh still returns; none of the group's summaries can come.
    SignalServer(SIGSTOP);
    std::vector<double> hung;
    for (int n = 0; n < 10; ++n) {
        QElapsedTimer timer;
        timer.start();
        screen.Refresh();
        hung.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        bench::RunEventsUntil([] { return false; }, 100, 5);  // the window's events meanwhile
    }
    state.counters["hung_refresh_on_thread_ms"] = Median(hung);
    state.counters["hung_still_reading"] = screen.Reading() ? 1 : 0;
    SignalServer(SIGCONT);
    state.counters["shown_after_resume"] = bench::RunEventsUntil([&] { return !screen.Reading(); }, 60000, 5) ? 1 : 0;
}
BENCHMARK(BM_ProgressRefreshOffTheWindowsThread)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
