// Keeping progress: what keeping one answer costs the user-interface thread (the writing happens on
// the store's own thread), how long the summary for "Успехи" takes with 100,000 answers of one
// child, and how large the file is then.
#include "BenchSupport.h"
#include "platform/storage/ProgressDatabase.h"
#include "progress/ProgressStore.h"

#include <benchmark/benchmark.h>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

using bench::Median;
using bench::TSilentDialogs;

namespace {

constexpr int kAnswers = 100000;

TAnswer SomeAnswer(QRandomGenerator& Random)
{
    const QStringList& letters = RussianLetters();
    const QString asked = letters[static_cast<int>(Random.bounded(33))];
    const bool right = Random.bounded(4) != 0;
    const QString picked = right ? asked : letters[static_cast<int>(Random.bounded(33))];
    static const QStringList words{QStringLiteral("жук"), QStringLiteral("барабан"), QStringLiteral("дом"),
                                   QStringLiteral("щука"), QStringLiteral("ёлка")};
    switch (Random.bounded(4)) {
        case 0:
            return {TGameKind::gkLearning, Random.bounded(2) == 0, asked, asked, {}, -1, false, true};
        case 1:
            return {TGameKind::gkFindLetter, false, asked, picked, words[Random.bounded(5)], -1, right, true};
        case 2:
            return {TGameKind::gkMakeWord, false, asked, picked, words[Random.bounded(5)], 1, right, true};
        default:
            return {TGameKind::gkExamination, Random.bounded(2) == 0, asked, picked, {}, -1, right, true};
    }
}

// A store whose child played for about ten weeks: 100,000 answers, a few seconds apart, in
// sessions of a few hundred a day, written straight into the file with their times.
struct TFullStore {
    QTemporaryDir Folder;
    TSilentDialogs Dialogs;
    std::unique_ptr<TProgressStore> Store;
    qint64 Child = 0;

    TFullStore()
    {
        Store = std::make_unique<TProgressStore>(Folder.path(), Dialogs);
        Store->AddChild(QStringLiteral("Маша"), {}, &Child);
        TProgressDatabase database(Folder.filePath(TProgressStore::FileName()));
        database.Open(false);
        QRandomGenerator random(11);
        const QDateTime now = QDateTime::currentDateTime();
        qint64 time = now.toSecsSinceEpoch() - 70 * 86400;
        for (int n = 0; n < kAnswers; ++n) {
            const TAnswer answer = SomeAnswer(random);
            progressdb::TAnswerRow row{
                time,           now.offsetFromUtc(), Child,       GameCode(answer.Game), answer.Sounds ? 1 : 0,
                answer.Asked,   answer.Picked,       answer.Word, answer.Position,       answer.Right,
                answer.FirstTry};
            database.AddAnswer(row);
            time += n % 1400 == 1399 ? 86400 / 2 : 4 + static_cast<qint64>(random.bounded(20));
        }
    }
};

TFullStore& Full()
{
    static TFullStore store;
    return store;
}

void BM_KeepOnUiThread(benchmark::State& state)
{
    QTemporaryDir folder;
    TSilentDialogs dialogs;
    TProgressStore store(folder.path(), dialogs);
    QRandomGenerator random(3);
    std::vector<double> costs;
    for (auto _ : state) {
        const TAnswer answer = SomeAnswer(random);
        QElapsedTimer timer;
        timer.start();
        store.Keep(answer);
        costs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        // A child's pace is seconds per answer; a little pause lets the writer keep up as it would.
        QThread::usleep(200);
    }
    store.Flush();
    state.counters["median_ms"] = Median(costs);
}
BENCHMARK(BM_KeepOnUiThread)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_SummaryOf100000Answers(benchmark::State& state)
{
    TFullStore& full = Full();
    std::vector<double> costs;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const TProgressSummary summary = full.Store->Summary(full.Child);
        costs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        benchmark::DoNotOptimize(summary.PlaySeconds);
    }
    state.counters["median_ms"] = Median(costs);
}
BENCHMARK(BM_SummaryOf100000Answers)->Iterations(15)->Unit(benchmark::kMillisecond);

void BM_FileSizeWith100000Answers(benchmark::State& state)
{
    TFullStore& full = Full();
    const QString path = full.Folder.filePath(TProgressStore::FileName());
    for (auto _ : state) {
        // The last connection to close folds the WAL into the file.
        full.Store.reset();
        TProgressDatabase(path).Open(false);
    }
    state.counters["file_MiB"] = static_cast<double>(QFileInfo(path).size() + QFileInfo(path + "-wal").size()) / (1 << 20);
}
BENCHMARK(BM_FileSizeWith100000Answers)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
