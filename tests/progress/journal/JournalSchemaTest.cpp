// The journal's tables: the administrator's script and the program's migrations make the same,
// the script's role (select, insert, delete) is all the program needs, and connecting tells each
// refusal apart while the answers wait on the computer.
#include "JournalWorld.h"

#include <limits>
#include <thread>

namespace {

QString Columns(const QString& Database)
{
    return SharedCluster()
        .Query(Database,
               QStringLiteral("SELECT string_agg(concat_ws(' ', table_name, ordinal_position, column_name, data_type, "
                              "is_nullable, column_default), E'\\n' ORDER BY table_name, ordinal_position) FROM "
                              "information_schema.columns WHERE table_schema = 'kvarnel'"))
        .toString();
}

QString Indexes(const QString& Database)
{
    return SharedCluster()
        .Query(Database, QStringLiteral("SELECT string_agg(indexdef, E'\\n' ORDER BY indexname) FROM pg_indexes WHERE "
                                        "schemaname = 'kvarnel'"))
        .toString();
}

}  // namespace

TEST(JournalSchema, ScriptMakesTheProgramsTablesAndItsRoleIsEnough)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString byScript = FreshJournal(QStringLiteral("schema_script"));
    const QString byProgram = FreshJournal(QStringLiteral("schema_program"));
    QString output;
    ASSERT_TRUE(cluster.RunScript(byScript, QStringLiteral(KV_JOURNAL_SCRIPT), &output)) << qPrintable(output);
    ASSERT_TRUE(cluster.RunScript(byScript, QStringLiteral(KV_JOURNAL_SCRIPT), &output)) << "twice: " << qPrintable(output);
    TJournalDatabase program(cluster.Settings(byProgram));
    ASSERT_EQ(program.Connect(true), TOutcome::joConnected) << qPrintable(program.LastError());

    const QString columns = Columns(byProgram);
    EXPECT_TRUE(columns.contains(QStringLiteral("answers 13 seq bigint NO"))) << qPrintable(columns);
    EXPECT_EQ(Columns(byScript), columns);
    EXPECT_EQ(Indexes(byScript), Indexes(byProgram));
    EXPECT_EQ(cluster.Count(byScript, QStringLiteral("SELECT MAX(version) FROM kvarnel.journal_version")),
              TJournalDatabase::SchemaVersion());
    EXPECT_EQ(cluster.Count(byScript, QStringLiteral("SELECT COUNT(*) FROM kvarnel.journal_version")), 1);

    // A group's login with nothing but the script's role: children, answers, a rename, a merge and a
    // removal all go through without UPDATE or CREATE.
    cluster.Exec(QStringLiteral("postgres"), QStringLiteral("DROP ROLE IF EXISTS group_3"));
    ASSERT_TRUE(cluster.Exec(byScript, QStringLiteral("CREATE ROLE group_3 LOGIN PASSWORD 'pa55' IN ROLE kvarnel_journal")));
    TComputer computer;
    computer->SetJournalConsent(true);  // the answers from before joining go too
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    const qint64 dasha = computer.AddChild(QStringLiteral("Даша"));
    const qint64 petya = computer.AddChild(QStringLiteral("Петя"));
    computer.Keep(masha, 5);
    computer.Keep(dasha, 3);
    computer.Keep(petya, 2);
    computer->UseJournal(cluster.Settings(byScript, false, QStringLiteral("group_3"), QStringLiteral("pa55")),
                         QuickRetries());
    ASSERT_TRUE(computer.WaitSent()) << qPrintable(computer->JournalStatus().Detail);
    EXPECT_EQ(computer->RenameChild(masha, QStringLiteral("Мария")), QString());
    EXPECT_TRUE(computer->MergeChildren(dasha, masha));
    EXPECT_TRUE(computer->RemoveChild(petya));
    ASSERT_TRUE(WaitUntil([&] {
        return JournalCount(byScript, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children")) == 1 &&
               JournalCount(byScript, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children WHERE name = 'Мария'")) == 1;
    }));
    ASSERT_TRUE(computer.WaitSent());
    EXPECT_EQ(JournalCount(byScript, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 8);
    EXPECT_EQ(JournalCount(byScript, QStringLiteral("SELECT COUNT(DISTINCT child) FROM kvarnel.answers")), 1);
    // ...and the role may not change the schema.
    TJournalDatabase teacher(cluster.Settings(byScript, false, QStringLiteral("group_3"), QStringLiteral("pa55")));
    ASSERT_EQ(teacher.Connect(true), TOutcome::joConnected);
    cluster.Exec(byScript, QStringLiteral("DELETE FROM kvarnel.journal_version"));
    EXPECT_EQ(teacher.Connect(true), TOutcome::joNoTables) << qPrintable(teacher.LastError());
}

// Each refusal is told as what it is; answers wait on the computer, and nothing is read or sent.
TEST(JournalConnecting, EachRefusalIsToldAndAnswersWait)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString newer = FreshJournal(QStringLiteral("connect_newer"));
    {
        TJournalDatabase setUp(cluster.Settings(newer));
        ASSERT_EQ(setUp.Connect(true), TOutcome::joConnected);
    }
    ASSERT_TRUE(cluster.Exec(newer, QStringLiteral("INSERT INTO kvarnel.journal_version VALUES(%1); INSERT INTO "
                                                   "kvarnel.children VALUES('5b0c1f5e-1111-4a4a-8a8a-000000000001', 'Оля', "
                                                   "'оля', '', 1, 'x', 1)")
                                        .arg(TJournalDatabase::SchemaVersion() + 1)));
    const QString empty = FreshJournal(QStringLiteral("connect_no_rights"));
    cluster.Exec(QStringLiteral("postgres"), QStringLiteral("DROP ROLE IF EXISTS pupil"));
    ASSERT_TRUE(cluster.Exec(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE pupil LOGIN PASSWORD 'pupil-pass'")));

    auto wrongPassword = cluster.Settings(newer);
    wrongPassword.Password = QStringLiteral("not-the-password");
    auto noServer = cluster.Settings(newer);
    noServer.Host = QStringLiteral("/tmp/kvpg-no-server-here");
    struct TCase {
        const char* What;
        journaldb::TJournalSettings Settings;
        TOutcome Outcome;
        const char* Detail;
    } cases[] = {
        {"wrong password", wrongPassword, TOutcome::joWrongPassword, "password"},
        {"missing database", cluster.Settings(QStringLiteral("no_such_group")), TOutcome::joNoDatabase, "does not exist"},
        {"newer journal", cluster.Settings(newer), TOutcome::joNewer, "version"},
        {"no tables, no right", cluster.Settings(empty, false, QStringLiteral("pupil"), QStringLiteral("pupil-pass")),
         TOutcome::joNoTables, "permission denied"},
        {"no server", noServer, TOutcome::joServerNotFound, "socket"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TJournalDatabase journal(c.Settings);
        EXPECT_EQ(journal.Connect(true), c.Outcome) << qPrintable(journal.LastError());
        EXPECT_TRUE(journal.LastError().contains(QLatin1String(c.Detail))) << qPrintable(journal.LastError());
        EXPECT_FALSE(journal.LastError().contains(c.Settings.Password)) << "the password is never told";
        EXPECT_FALSE(journal.IsOpen());

        TComputer computer;
        const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
        computer->UseJournal(c.Settings, QuickRetries());
        computer.Keep(masha, 5);
        ASSERT_TRUE(computer.WaitOutcome(c.Outcome)) << static_cast<int>(computer->JournalStatus().Outcome);
        computer.Keep(masha, 2);
        EXPECT_EQ(computer->JournalStatus().Waiting, 7);
        EXPECT_EQ(computer->Children().size(), 1u) << "nothing read";
        EXPECT_EQ(computer->JournalNote(), QStringLiteral("Только этот компьютер: нет связи с журналом группы"));
        const TProgressSummary summary = computer->Summary(masha);
        EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msLearning);
    }
    EXPECT_EQ(cluster.Count(newer, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 0) << "nothing sent";
    EXPECT_EQ(cluster.Count(newer, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children")), 1);
}

// Computers starting at once on an empty journal: one makes the tables, none fails.
TEST(JournalSchema, ComputersStartingAtOnceMakeTheTablesOnce)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("schema_at_once"));
    constexpr int kComputers = 12;
    std::vector<TOutcome> outcomes(kComputers, TOutcome::joTrying);
    std::vector<std::thread> starts;
    for (int n = 0; n < kComputers; ++n)
        starts.emplace_back([&, n] {
            TJournalDatabase journal(cluster.Settings(group));
            outcomes[static_cast<size_t>(n)] = journal.Connect(true);
        });
    for (auto& start : starts) start.join();
    for (const TOutcome outcome : outcomes) EXPECT_EQ(outcome, TOutcome::joConnected);
    EXPECT_EQ(cluster.Count(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.journal_version")), 1);
}

// The journal itself refuses answers of a removed child (or removed answers), whoever sends them,
// and gives a merged child's answers to the child it was merged into.
TEST(JournalSchema, JournalRefusesRemovedAnswersAndFollowsMerges)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("schema_refusals"));
    TJournalDatabase journal(cluster.Settings(group));
    ASSERT_EQ(journal.Connect(true), TOutcome::joConnected);
    const QString removed = progressdb::NewUuid(), cleared = progressdb::NewUuid(), gone = progressdb::NewUuid(),
                  kept = progressdb::NewUuid();
    ASSERT_TRUE(journal.SendRemoval({removed, std::numeric_limits<qint64>::max(), true, 1000}));
    ASSERT_TRUE(journal.SendRemoval({cleared, 1000, false, 1000}));
    ASSERT_TRUE(journal.SendMerge({gone, kept, 1000}));
    const auto answer = [](const QString& Child, qint64 Time) {
        progressdb::TSharedAnswer shared;
        shared.Uuid = progressdb::NewUuid();
        shared.ChildUuid = Child;
        shared.Row = RowAt(Time, 1, 3, 0, QStringLiteral("б"), QStringLiteral("б"));
        return shared;
    };
    const std::vector<progressdb::TSharedAnswer> batch{answer(removed, 2000), answer(cleared, 999), answer(cleared, 1000),
                                                       answer(cleared, 1001), answer(gone, 5),      answer(kept, 6)};
    ASSERT_TRUE(journal.SendAnswers(batch)) << qPrintable(journal.LastError());
    ASSERT_TRUE(journal.SendAnswers(batch)) << "sent twice, kept once";
    EXPECT_EQ(journal.CountAnswers(removed), 0);
    EXPECT_EQ(journal.CountAnswers(cleared), 1);
    EXPECT_EQ(journal.CountAnswers(gone), 0);
    EXPECT_EQ(journal.CountAnswers(kept), 2);
    EXPECT_EQ(journal.CountAnswers(), 3);
}
