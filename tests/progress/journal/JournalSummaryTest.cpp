// The summary for "Успехи" from the journal: the same as the computer's own when the computer has
// all the answers, whichever of them were sent; play time over every computer together; and the
// answers a computer kept before it joined go only after a grown-up's yes.
#include "JournalWorld.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// About two weeks of play, a few seconds apart, sessions a day apart, every game and mode.
void WritePlay(const QString& Path, qint64 Child, qint64& Time, int Count, QRandomGenerator& Random)
{
    TProgressDatabase file(Path);
    ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
    const QStringList& letters = RussianLetters();
    for (int n = 0; n < Count; ++n) {
        const QString asked = letters[static_cast<int>(Random.bounded(12))];
        const bool right = Random.bounded(4) != 0;
        const QString picked = right ? asked : letters[static_cast<int>(Random.bounded(12))];
        const int game = static_cast<int>(Random.bounded(5));
        if (game == 4) {  // "Слоги": a syllable found or built, a word read
            const int mode = static_cast<int>(Random.bounded(3));
            const QString syllable = mode == 2 ? QStringLiteral("мама") : asked + QStringLiteral("а");
            ASSERT_EQ(file.AddAnswer(RowAt(Time, Child, game, mode, syllable,
                                           right ? syllable : picked + QStringLiteral("о"), Random.bounded(3) != 0)),
                      progressdb::TWriteResult::wrDone);
        } else {
            ASSERT_EQ(
                file.AddAnswer(RowAt(Time, Child, game, game == 0 || game == 3 ? static_cast<int>(Random.bounded(2)) : 0,
                                     asked, game == 0 ? asked : picked, Random.bounded(3) != 0)),
                progressdb::TWriteResult::wrDone);
        }
        Time += n % 150 == 149 ? 86400 / 2 : 1 + static_cast<qint64>(Random.bounded(200));
    }
}

void ExpectSameSummary(const TProgressSummary& A, const TProgressSummary& B)
{
    EXPECT_EQ(A.Names, B.Names);
    EXPECT_EQ(A.Sounds, B.Sounds);
    EXPECT_EQ(A.Syllables, B.Syllables);
    EXPECT_EQ(A.WordsRead, B.WordsRead);
    EXPECT_EQ(A.SyllablesPlayed, B.SyllablesPlayed);
    ASSERT_EQ(A.Pairs.size(), B.Pairs.size());
    for (size_t n = 0; n < A.Pairs.size(); ++n) {
        EXPECT_EQ(A.Pairs[n].First + A.Pairs[n].Second, B.Pairs[n].First + B.Pairs[n].Second) << n;
        EXPECT_EQ(A.Pairs[n].Count, B.Pairs[n].Count) << n;
    }
    EXPECT_EQ(A.Days, B.Days);
    EXPECT_EQ(A.PlaySeconds, B.PlaySeconds);
}

}  // namespace

TEST(JournalSummary, JournalsSummaryEqualsTheComputersOwnWhateverWasSent)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("summary_same"));
    TComputer computer;
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    QRandomGenerator random(7);
    qint64 time = QDateTime::currentSecsSinceEpoch() - 20 * 86400;
    // Kept before joining (kept back without a yes), then after joining (sent).
    WritePlay(computer.Path(), masha, time, 1500, random);
    computer->UseJournal(cluster.Settings(group), QuickRetries());
    WritePlay(computer.Path(), masha, time, 1500, random);
    ASSERT_TRUE(computer.WaitSent());
    ASSERT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 1500);
    const TProgressSummary own = computer->LocalSummary(masha);
    ASSERT_GT(own.DaysPlayed(), 5);
    ASSERT_FALSE(own.Pairs.empty());
    ASSERT_FALSE(own.Syllables.empty());
    ASSERT_FALSE(own.WordsRead.isEmpty());
    {
        SCOPED_TRACE("half sent");
        ExpectSameSummary(computer->Summary(masha), own);
        EXPECT_EQ(computer->JournalNote(), QString());
    }
    ASSERT_TRUE(computer->SetJournalConsent(true));
    ASSERT_TRUE(computer.WaitSent());
    ASSERT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), 3000);
    // "Слоги" travels with its exercise as the answer's mode.
    for (int mode = 0; mode < 3; ++mode)
        EXPECT_GT(JournalCount(
                      group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers WHERE game = 4 AND mode = %1").arg(mode)),
                  0)
            << mode;
    {
        SCOPED_TRACE("all sent");
        ExpectSameSummary(computer->Summary(masha), own);
    }
    // Answers the journal has but this computer takes for unsent (a kill between the journal's
    // commit and the marking), here kept back by a "no": counted once.
    computer->LeaveJournal();
    {
        const QString name = QStringLiteral("unmark");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(computer.Path());
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QStringLiteral("UPDATE answers SET sent = 0 WHERE id <= 200")));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    ASSERT_TRUE(computer->SetJournalConsent(false));
    computer->UseJournal(cluster.Settings(group), QuickRetries());
    ASSERT_TRUE(computer.WaitSent());
    {
        SCOPED_TRACE("sent but not marked");
        ExpectSameSummary(computer->Summary(masha), own);
    }
}

TEST(JournalSummary, PlayTimeCountsEveryComputersAnswersTogether)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("summary_play_time"));
    TComputer a;
    TComputer b;
    a->UseJournal(cluster.Settings(group), QuickRetries());
    b->UseJournal(cluster.Settings(group), QuickRetries());
    const qint64 mashaA = a.AddChild(QStringLiteral("Маша"));
    ASSERT_TRUE(WaitUntil([&] { return b.ChildNamed(QStringLiteral("Маша")) != 0; }));
    const qint64 mashaB = b.ChildNamed(QStringLiteral("Маша"));
    // a at 0 s and 200 s, b at 100 s and 300 s: 100 + 100 + 100 together; apart, one gap each, capped at 120.
    const qint64 start = 1700000000;
    for (const auto& [computer, child, times] :
         {std::tuple{&a, mashaA, std::vector<qint64>{0, 200}}, std::tuple{&b, mashaB, std::vector<qint64>{100, 300}}}) {
        TProgressDatabase file(computer->Path());
        ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
        for (const qint64 at : times)
            file.AddAnswer(RowAt(start + at, child, 3, 0, QStringLiteral("а"), QStringLiteral("а")));
    }
    ASSERT_TRUE(WaitUntil([&] { return JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")) == 4; }));
    EXPECT_EQ(a->LocalSummary(mashaA).PlaySeconds, kPlayGapSeconds);
    EXPECT_EQ(a->Summary(mashaA).PlaySeconds, 300);
    EXPECT_EQ(b->Summary(mashaB).PlaySeconds, 300);
}

// A file of the first schema, with its children and answers, joined to a journal: the children go,
// the earlier answers only with a yes, the later ones always.
TEST(JournalSummary, EarlierAnswersOfAMigratedFileGoOnlyWithAYes)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    struct TCase {
        const char* What;
        int Consent;  // -1 unasked, 0 no, 1 yes
        qint64 Sent;
    } cases[] = {{"unasked", -1, 2}, {"no", 0, 2}, {"yes", 1, 5}};
    int n = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        const QString group = FreshJournal(QStringLiteral("migrated_%1").arg(n++));
        QTemporaryDir folder;
        const QString path = folder.filePath(TProgressStore::FileName());
        {
            const QString name = QStringLiteral("first-schema");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                ASSERT_TRUE(db.open());
                QSqlQuery query(db);
                for (const char* sql :
                     {"CREATE TABLE children(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, picture TEXT NOT NULL "
                      "DEFAULT '', created INTEGER NOT NULL)",
                      "CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, utc_offset INTEGER NOT NULL, "
                      "child INTEGER NOT NULL, game INTEGER NOT NULL, mode INTEGER NOT NULL, asked TEXT NOT NULL, picked "
                      "TEXT NOT NULL, word TEXT NOT NULL, position INTEGER NOT NULL, is_right INTEGER NOT NULL, first_try "
                      "INTEGER NOT NULL, gap INTEGER NOT NULL)",
                      "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
                      "INSERT INTO children VALUES(1, 'Маша', 'кот', 1700000000)",
                      "INSERT INTO answers VALUES(1, 1700000000, 10800, 1, 3, 0, 'б', 'б', '', -1, 1, 1, 0)",
                      "INSERT INTO answers VALUES(2, 1700000005, 10800, 1, 3, 0, 'д', 'б', '', -1, 0, 1, 5)",
                      "INSERT INTO answers VALUES(3, 1700000009, 10800, 0, 3, 0, 'д', 'д', '', -1, 1, 1, 0)",
                      "INSERT INTO answers VALUES(4, 1700000010, 10800, 1, 3, 0, 'д', 'д', '', -1, 1, 0, 5)",
                      "PRAGMA user_version=1"})
                    ASSERT_TRUE(query.exec(QString::fromUtf8(sql))) << sql;
                query.finish();
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        TFakeDialogs dialogs;
        TProgressStore store(folder.path(), dialogs);
        ASSERT_EQ(store.State(), TKeepingState::ksKeeping);
        ASSERT_EQ(store.Children().size(), 1u);
        EXPECT_EQ(store.Children()[0].Uuid.size(), 36);
        if (c.Consent >= 0) store.SetJournalConsent(c.Consent == 1);
        store.UseJournal(cluster.Settings(group), QuickRetries());
        store.SetPlayer(store.Children()[0].Id);
        store.Keep({TGameKind::gkExamination, false, QStringLiteral("а"), QStringLiteral("а"), {}, -1, true, true});
        store.Keep({TGameKind::gkExamination, false, QStringLiteral("а"), QStringLiteral("о"), {}, -1, false, true});
        store.Flush();
        ASSERT_TRUE(WaitUntil([&] {
            const TJournalStatus status = store.JournalStatus();
            return status.Outcome == TOutcome::joConnected && status.Waiting == 0 && status.WaitingChanges == 0;
        }));
        EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), c.Sent);
        EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.children WHERE name = 'Маша' AND "
                                                     "picture = 'кот'")),
                  1);
        // The unnamed child's answer (child 0) never goes, with or without a yes.
        EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers WHERE time = 1700000009")), 0);
        // Kept back or not, the summary holds every answer of the child.
        EXPECT_EQ(store.Summary(store.Children()[0].Id).Pairs.size(), 2u);
    }
}
