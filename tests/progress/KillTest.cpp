// A program killed (SIGKILL) at any moment keeps every answer it said was kept, nothing it was not
// asked to keep, and a file that passes its integrity check.
#include "platform/storage/ProgressDatabase.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <map>

TEST(ProgressKill, KeptAnswersSurviveKillsAtRandomMoments)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    constexpr int kRuns = 40;
    QRandomGenerator random(20261209);
    int reportedTotal = 0;
    int missing = 0;
    int integrityFailures = 0;
    std::map<int, int> keptByRun;  // what the file holds of each run so far
    for (int run = 0; run < kRuns; ++run) {
        QProcess keeper;
        keeper.start(QStringLiteral(KV_PROGRESS_KEEPER),
                     {folder.path(), QStringLiteral("r%1").arg(run), QStringLiteral("100000")});
        ASSERT_TRUE(keeper.waitForStarted());
        // Early kills land in the opening (the first run creates the file); later ones mid-stream.
        QThread::msleep(run % 4 == 0 ? random.bounded(60) : 60 + random.bounded(400));
        keeper.kill();
        ASSERT_TRUE(keeper.waitForFinished());
        QStringList reported;
        for (const QByteArray& line : keeper.readAllStandardOutput().split('\n'))
            if (line.startsWith("kept ")) reported << QString::fromUtf8(line.mid(5));
        reportedTotal += reported.size();

        TProgressDatabase database(path);
        const auto state = database.Open(true);
        if (state != progressdb::TOpenState::osOpen || !database.IntegrityOk()) {
            ++integrityFailures;
            continue;
        }
        std::map<int, QStringList> words;
        database.ForEachAnswer(
            -1, [&](const progressdb::TAnswerRow& Row) { words[Row.Word.section(u'-', 0, 0).mid(1).toInt()] << Row.Word; });
        // This run's answers are its first K in order: all it reported, and at most the one written
        // as it was killed before saying so.
        const QStringList& mine = words[run];
        for (int n = 0; n < mine.size(); ++n) EXPECT_EQ(mine[n], QStringLiteral("r%1-%2").arg(run).arg(n));
        EXPECT_LE(mine.size(), reported.size() + 1) << "run " << run;
        for (const QString& word : reported) missing += mine.contains(word) ? 0 : 1;
        keptByRun[run] = static_cast<int>(mine.size());
        for (const auto& [earlier, count] : keptByRun)
            EXPECT_EQ(words[earlier].size(), count) << "run " << earlier << " changed after run " << run;
    }
    std::printf("kill test: %d runs, %d answers reported kept, %d missing, %d integrity failures\n", kRuns, reportedTotal,
                missing, integrityFailures);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(integrityFailures, 0);
    EXPECT_GT(reportedTotal, kRuns * 10);  // the kills did land mid-stream
}
