// The progress file's side of sharing with a group's journal, no server needed: the migration
// that gives every row its UUID, and a damaged file's box saying what the journal had not got yet.
#include "ProgressWorld.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <set>

namespace {

// Runs Sql on the file at Path with a connection of its own; the first value of the first row.
QVariant OnFile(const QString& Path, const QString& Sql)
{
    const QString name = QStringLiteral("by-hand");
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(Path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(Sql)) result = query.next() ? query.value(0) : QVariant(true);
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

void Overwrite(const QString& Path, qint64 Offset, int Count)
{
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(Offset);
    file.write(QByteArray(Count, '\x5a'));
}

}  // namespace

TEST(JournalFile, MigrationGivesEveryRowItsOwnUuid)
{
    TProgressWorld world;
    for (const char* sql :
         {"CREATE TABLE children(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, picture TEXT NOT NULL DEFAULT '', "
          "created INTEGER NOT NULL)",
          "CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, utc_offset INTEGER NOT NULL, child INTEGER "
          "NOT NULL, game INTEGER NOT NULL, mode INTEGER NOT NULL, asked TEXT NOT NULL, picked TEXT NOT NULL, word TEXT "
          "NOT NULL, position INTEGER NOT NULL, is_right INTEGER NOT NULL, first_try INTEGER NOT NULL, gap INTEGER NOT "
          "NULL)",
          "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
          "INSERT INTO children VALUES(1, 'Алёна', '', 1700000000), (2, 'Петя', 'кот', 1700000001)",
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) INSERT INTO answers SELECT i, "
          "1700000000 + i, 0, i % 3, 3, 0, 'б', 'б', '', -1, 1, 1, 0 FROM n",
          "PRAGMA user_version=1"})
        ASSERT_TRUE(OnFile(world.Path(), QString::fromUtf8(sql)).isValid()) << sql;
    TProgressStore& store = world.Open();
    ASSERT_EQ(store.State(), TKeepingState::ksKeeping);
    store.Flush();
    const QString path = world.Path();
    EXPECT_EQ(OnFile(path, QStringLiteral("PRAGMA user_version")).toInt(), TProgressDatabase::SchemaVersion());
    EXPECT_EQ(OnFile(path, QStringLiteral("SELECT COUNT(DISTINCT uuid) FROM answers WHERE length(uuid) = 36")).toInt(), 300);
    EXPECT_EQ(OnFile(path, QStringLiteral("SELECT COUNT(DISTINCT uuid) FROM children WHERE length(uuid) = 36")).toInt(), 2);
    // Each named child's answers carry its UUID; the unnamed child's (child 0) none, so they never go.
    EXPECT_EQ(OnFile(path, QStringLiteral("SELECT COUNT(*) FROM answers AS a JOIN children AS c ON c.id = a.child WHERE "
                                          "a.child_uuid = c.uuid"))
                  .toInt(),
              200);
    EXPECT_EQ(OnFile(path, QStringLiteral("SELECT COUNT(*) FROM answers WHERE child = 0 AND child_uuid IS NULL")).toInt(),
              100);
    EXPECT_EQ(OnFile(path, QStringLiteral("SELECT name_key FROM children WHERE id = 1")).toString(),
              QStringLiteral("алена"));
    EXPECT_FALSE(OnFile(path, QStringLiteral("SELECT host FROM children WHERE id = 2")).toString().isEmpty());
    // Two children of one name may now be kept (made on two computers); the store still refuses a second here.
    EXPECT_EQ(store.AddChild(QStringLiteral("АЛЕНА"), {}), QStringLiteral("Ребёнок с таким именем уже есть."));
    TProgressDatabase file(path);
    ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
    EXPECT_NE(file.AddSharedChild(QStringLiteral("Петя"), {}, 1700000002, QStringLiteral("class-b")), 0);
    EXPECT_EQ(file.CountUnsent(0), 200);
}

// A damaged file's box says how many answers the journal had not got, when the file still lets
// them be counted, or that it could not tell; a computer never joined to a journal hears nothing of it.
TEST(JournalFile, DamagedFileBoxTellsWhatTheJournalHadNotGot)
{
    struct TCase {
        const char* What;
        bool Joined;
        bool HeaderToo;  // the file's first page as well: nothing can be read
        bool InGroupJournal;
        const char* Said;  // in the box, or nullptr for no word of the journal
    } cases[] = {
        {"joined, countable", true, false, true, "в нём было: 5."},
        {"joined, unreadable", true, true, true, "узнать не удалось"},
        {"never joined", false, false, false, nullptr},
        {"unreadable, no journal set up", true, true, false, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        TProgressWorld world;
        {
            TProgressStore& store = world.Open();
            qint64 masha = 0;
            store.AddChild(QStringLiteral("Маша"), {}, &masha);
            if (c.Joined) {
                journaldb::TJournalSettings nowhere;
                nowhere.Host = QStringLiteral("/tmp/kvpg-no-server-here");
                store.UseJournal(nowhere);
            }
            store.SetPlayer(masha);
            world.Keep({Exam(QStringLiteral("б"), QStringLiteral("б")), Exam(QStringLiteral("б"), QStringLiteral("д")),
                        Exam(QStringLiteral("в"), QStringLiteral("в")), Exam(QStringLiteral("г"), QStringLiteral("г")),
                        Exam(QStringLiteral("д"), QStringLiteral("д"))});
            world.Store.reset();
        }
        // An index's page damaged: the integrity check fails, the answers can still be counted.
        const int page = OnFile(world.Path(), QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = "
                                                             "'answers_by_letter'"))
                             .toInt();
        ASSERT_GT(page, 1);
        Overwrite(world.Path(), (page - 1) * 4096, 4096);
        if (c.HeaderToo) Overwrite(world.Path(), 0, 4096);
        world.Dialogs.Calls.clear();
        world.Store = std::make_unique<TProgressStore>(world.Folder.path(), world.Dialogs, nullptr, c.InGroupJournal);
        ASSERT_EQ(world.Dialogs.Calls.size(), 1u);
        const QString text = world.Dialogs.Calls[0].Text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Файл с успехами детей был повреждён."))) << qPrintable(text);
        if (c.Said)
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.Said))) << qPrintable(text);
        else
            EXPECT_FALSE(text.contains(QStringLiteral("журнал"))) << qPrintable(text);
    }
}
