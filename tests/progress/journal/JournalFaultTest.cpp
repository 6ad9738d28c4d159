// A journal that goes away, is slow, or a program killed in the middle of sending: play goes on,
// answers wait on the computer, and in the end each arrives exactly once.
#include "JournalWorld.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <set>

TEST(JournalFaults, ServerStoppedDuringPlayAndStartedAgain)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("fault_restart"));
    TComputer computer;
    computer->UseJournal(cluster.Settings(group), QuickRetries());
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    computer.Keep(masha, 20);
    ASSERT_TRUE(computer.WaitSent());

    ASSERT_TRUE(cluster.Stop());
    computer.Keep(masha, 30);
    ASSERT_TRUE(computer.WaitOutcome(TOutcome::joServerNotFound));
    EXPECT_EQ(computer->JournalStatus().Waiting, 30);
    EXPECT_EQ(computer->Summary(masha).State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msLearning);
    EXPECT_FALSE(computer->JournalNote().isEmpty());
    computer.Keep(masha, 10);

    ASSERT_TRUE(cluster.Start());
    ASSERT_TRUE(computer.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 60);
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(DISTINCT id) FROM kvarnel.answers")), 60);
    computer->Summary(masha);
    EXPECT_EQ(computer->JournalNote(), QString());
}

TEST(JournalFaults, SlowServerTimesOutAndAnswersArriveOnceItAnswers)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("fault_slow"));
    auto settings = cluster.Settings(group);
    settings.StatementTimeoutMs = 500;
    TComputer computer;
    computer->UseJournal(settings, QuickRetries());
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    computer.Keep(masha, 5);
    ASSERT_TRUE(computer.WaitSent());

    // Another session holds the answers table: statements wait until the timeout cancels them.
    const QString name = QStringLiteral("lock-holder");
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        holder.setHostName(cluster.SocketFolder());
        holder.setPort(cluster.Port());
        holder.setDatabaseName(group);
        holder.setUserName(TPostgresCluster::SuperUser());
        holder.setPassword(TPostgresCluster::SuperPassword());
        ASSERT_TRUE(holder.open());
        QSqlQuery lock(holder);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN")));
        ASSERT_TRUE(lock.exec(QStringLiteral("LOCK TABLE kvarnel.answers IN ACCESS EXCLUSIVE MODE")));
        computer.Keep(masha, 10);
        ASSERT_TRUE(computer.WaitOutcome(TOutcome::joServerNotFound));
        EXPECT_TRUE(computer->JournalStatus().Detail.contains(QLatin1String("statement timeout")))
            << qPrintable(computer->JournalStatus().Detail);
        EXPECT_EQ(computer->JournalStatus().Waiting, 10);
        ASSERT_TRUE(lock.exec(QStringLiteral("ROLLBACK")));
        lock.finish();
        holder.close();
    }
    QSqlDatabase::removeDatabase(name);
    ASSERT_TRUE(computer.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 15);
}

// The program killed at random moments while it keeps and sends: every answer it kept reaches
// the journal once, none twice (each has a word of its own), and the file marks them all sent.
TEST(JournalFaults, KillsWhileSendingLoseAndDoubleNothing)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("fault_kill"));
    QTemporaryDir folder;
    const auto run = [&](const QString& Tag, int Count) {
        auto process = std::make_unique<QProcess>();
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kvarnel.*=false"));
        process->setProcessEnvironment(env);
        process->start(QStringLiteral(KV_JOURNAL_SENDER),
                       {folder.path(), cluster.SocketFolder(), QString::number(cluster.Port()), group,
                        TPostgresCluster::SuperUser(), TPostgresCluster::SuperPassword(), Tag, QString::number(Count)});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    };
    QRandomGenerator random(20270114);
    std::set<QString> reported;
    constexpr int kRuns = 12;
    for (int n = 0; n < kRuns; ++n) {
        auto sender = run(QStringLiteral("r%1").arg(n), 100000);
        QThread::msleep(150 + random.bounded(500));
        sender->kill();
        ASSERT_TRUE(sender->waitForFinished());
        for (const QByteArray& line : sender->readAllStandardOutput().split('\n'))
            if (line.startsWith("kept ")) reported.insert(QString::fromUtf8(line.mid(5)));
    }
    auto last = run(QStringLiteral("last"), 0);
    ASSERT_TRUE(last->waitForFinished(60000));
    EXPECT_TRUE(last->readAllStandardOutput().contains("all sent")) << last->readAllStandardError().toStdString();

    std::set<QString> inFile;
    int unsentInFile = 0;
    {
        TProgressDatabase file(folder.filePath(TProgressStore::FileName()));
        ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
        file.ForEachAnswer(-1, [&](const progressdb::TAnswerRow& Row) { inFile.insert(Row.Word); });
        unsentInFile = file.CountUnsent(0);
    }
    int missing = 0;
    for (const QString& word : reported) missing += inFile.count(word) ? 0 : 1;
    const qint64 rows = JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers"));
    const qint64 words = JournalCount(group, QStringLiteral("SELECT COUNT(DISTINCT word) FROM kvarnel.answers"));
    std::printf("journal kill test: %d runs, %zu answers reported kept, %zu in the file, %lld in the journal\n", kRuns,
                reported.size(), inFile.size(), static_cast<long long>(rows));
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(unsentInFile, 0);
    EXPECT_EQ(rows, static_cast<qint64>(inFile.size()));
    EXPECT_EQ(words, rows) << "an answer arrived twice";
    EXPECT_GT(reported.size(), static_cast<size_t>(kRuns * 50));
}
