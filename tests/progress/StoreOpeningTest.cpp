// Opening a progress file that is damaged (twice in a day), newer, of the first schema, locked by another
// copy of the program, or in a folder that refuses writing.
#include "ProgressWorld.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray Contents(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& Path, const QByteArray& Bytes)
{
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

// A file as a program of the first schema left it, made with plain SQL.
void WriteFirstSchemaFile(const QString& Path, int UserVersion)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hand-made"));
        db.setDatabaseName(Path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* sql :
             {"CREATE TABLE children(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, picture TEXT NOT NULL "
              "DEFAULT '', created INTEGER NOT NULL)",
              "CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, utc_offset INTEGER NOT NULL, "
              "child INTEGER NOT NULL, game INTEGER NOT NULL, mode INTEGER NOT NULL, asked TEXT NOT NULL, picked TEXT "
              "NOT NULL, word TEXT NOT NULL, position INTEGER NOT NULL, is_right INTEGER NOT NULL, first_try INTEGER "
              "NOT NULL, gap INTEGER NOT NULL)",
              "CREATE INDEX answers_by_letter ON answers(child, game, mode, asked, first_try, time)",
              "CREATE INDEX answers_by_time ON answers(child, time, utc_offset, gap)",
              "CREATE INDEX answers_wrong ON answers(child, asked, picked) WHERE is_right = 0 AND asked <> picked",
              "CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
              "INSERT INTO children VALUES(1, 'Маша', 'кот', 1700000000)",
              "INSERT INTO answers VALUES(1, 1700000000, 10800, 1, 3, 0, 'б', 'б', '', -1, 1, 1, 0)"})
            ASSERT_TRUE(query.exec(QString::fromUtf8(sql))) << sql;
        ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version=%1").arg(UserVersion)));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hand-made"));
}

}  // namespace

TEST(ProgressOpening, FirstSchemaFileOpensAndKeepsOn)
{
    TProgressWorld world;
    WriteFirstSchemaFile(world.Path(), 1);
    TProgressStore& store = world.Open();
    ASSERT_EQ(store.State(), TKeepingState::ksKeeping);
    ASSERT_EQ(store.Children().size(), 1u);
    store.SetPlayer(store.Children()[0].Id);
    world.Keep({Exam(QStringLiteral("д"), QStringLiteral("д"))});
    const auto rows = world.Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Asked, QStringLiteral("б"));
    EXPECT_EQ(rows[1].Child, 1);
    EXPECT_TRUE(world.Dialogs.Calls.empty());
}

TEST(ProgressOpening, NewerFileIsLeftUntouched)
{
    TProgressWorld world;
    WriteFirstSchemaFile(world.Path(), TProgressDatabase::SchemaVersion() + 1);
    const QByteArray before = Contents(world.Path());
    TProgressStore& store = world.Open();
    store.Keep(Exam(QStringLiteral("б"), QStringLiteral("б")));
    store.Flush();
    EXPECT_EQ(store.State(), TKeepingState::ksNewer);
    EXPECT_FALSE(store.Note().isEmpty());
    EXPECT_FALSE(store.AddChild(QStringLiteral("Ваня"), {}).isEmpty());
    world.Store.reset();
    EXPECT_EQ(Contents(world.Path()), before);
    EXPECT_FALSE(QFile::exists(world.Path() + QStringLiteral("-wal")) && !Contents(world.Path() + "-wal").isEmpty());
    ASSERT_EQ(world.Dialogs.Calls.size(), 1u);
    EXPECT_TRUE(world.Dialogs.Calls[0].Text.contains(QStringLiteral("более новой версией")));
}

struct TDamage {
    const char* Name;
    std::function<void(const QString& Path)> Make;
};

class DamagedFile : public ::testing::TestWithParam<TDamage> {};

TEST_P(DamagedFile, IsMovedAsideAndAFreshStoreStarts)
{
    TProgressWorld world;
    GetParam().Make(world.Path());
    // A WAL SQLite cannot read is dropped as the file is opened; it must not end up in the fresh store.
    Write(world.Path() + QStringLiteral("-wal"), QByteArray("left over"));
    const QByteArray damaged = Contents(world.Path());
    TProgressStore& store = world.Open();
    ASSERT_EQ(store.State(), TKeepingState::ksKeeping);
    const QString aside = world.Path() + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(Contents(aside), damaged);
    ASSERT_EQ(world.Dialogs.Calls.size(), 1u);
    EXPECT_TRUE(world.Dialogs.Calls[0].Text.contains(QFileInfo(aside).fileName()));
    world.Keep({Exam(QStringLiteral("б"), QStringLiteral("б"))});
    EXPECT_EQ(world.Rows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFile,
                         ::testing::Values(TDamage{"not_a_database",
                                                   [](const QString& Path) { Write(Path, QByteArray(8192, 'x')); }},
                                           TDamage{"failing_integrity_check",
                                                   [](const QString& Path) {
                                                       {
                                                           TFakeDialogs dialogs;
                                                           TProgressStore store(QFileInfo(Path).path(), dialogs);
                                                           for (int n = 0; n < 2000; ++n)
                                                               store.Keep(Exam(QStringLiteral("б"), QStringLiteral("д")));
                                                       }
                                                       // Fold the WAL in, then spoil a page in the middle of the tables.
                                                       TProgressDatabase(Path).Open(false);
                                                       QByteArray bytes = Contents(Path);
                                                       ASSERT_GT(bytes.size(), 5 * 4096);
                                                       for (int i = 3 * 4096 + 16; i < 4 * 4096; i += 7)
                                                           bytes[i] = char(0x5a);
                                                       Write(Path, bytes);
                                                       QFile::remove(Path + QStringLiteral("-shm"));
                                                   }}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProgressOpening, FolderThatRefusesWritingStopsKeepingCalmly)
{
    QTemporaryDir parent;
    TFakeDialogs dialogs;
    int warnings = 0;
    static int* counter = nullptr;
    counter = &warnings;
    const auto previous = qInstallMessageHandler([](QtMsgType Type, const QMessageLogContext& Context, const QString&) {
        if (Type == QtWarningMsg && QByteArray(Context.category) == "kvarnel.progress") ++*counter;
    });
    // As root a folder's permissions do not stop writing, so the folder's place is taken by a file there.
    const QString readOnly = parent.filePath(QStringLiteral("только чтение"));
    QDir().mkpath(readOnly);
    ::chmod(QFile::encodeName(readOnly).constData(), 0555);
    const bool permissionsHold = !QFile(readOnly + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    const QString folder = permissionsHold ? readOnly : parent.filePath(QStringLiteral("файл"));
    if (!permissionsHold) Write(folder, "not a folder");
    {
        TProgressStore store(folder, dialogs);
        for (int n = 0; n < 5; ++n) store.Keep(Exam(QStringLiteral("б"), QStringLiteral("б")));
        store.Flush();
        EXPECT_EQ(store.State(), TKeepingState::ksStopped);
        EXPECT_TRUE(store.Note().contains(QStringLiteral("Игры работают как обычно")));
        EXPECT_EQ(store.Summary(0).DaysPlayed(), 0);
    }
    qInstallMessageHandler(previous);
    ::chmod(QFile::encodeName(readOnly).constData(), 0755);
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(dialogs.Calls.empty());
}

TEST(ProgressOpening, ASecondDamagedFileOnTheSameDayIsKeptBesideTheFirst)
{
    TProgressWorld world;
    const QString aside = world.Path() + QStringLiteral(".damaged-") + QDate::currentDate().toString(Qt::ISODate);
    for (const char fill : {'x', 'y'}) {
        Write(world.Path(), QByteArray(8192, fill));
        TProgressStore& store = world.Open();
        ASSERT_EQ(store.State(), TKeepingState::ksKeeping) << fill;
        world.Keep({Exam(QStringLiteral("б"), QStringLiteral("б"))});
        EXPECT_EQ(world.Rows().size(), 1u) << "a fresh file each time";
        world.Store.reset();
    }
    EXPECT_EQ(Contents(aside), QByteArray(8192, 'x')) << "the first is not overwritten";
    EXPECT_EQ(Contents(aside + QStringLiteral("-2")), QByteArray(8192, 'y'));
    ASSERT_EQ(world.Dialogs.Calls.size(), 2u);
    EXPECT_TRUE(world.Dialogs.Calls[1].Text.contains(QStringLiteral("«%1»").arg(QFileInfo(aside + "-2").fileName())))
        << qPrintable(world.Dialogs.Calls[1].Text);
}

// Another copy of the program holding the file's write lock past the connection's busy timeout:
// the answers wait and land once it lets go, and a copy opening the file meanwhile does not take
// the lock for damage.
TEST(ProgressWriting, AnswersWaitOutAnotherCopysLockAndLandAfterIt)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    world.Keep({Exam(QStringLiteral("б"), QStringLiteral("б"))});
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other copy"));
        holder.setDatabaseName(world.Path());
        ASSERT_TRUE(holder.open());
        QSqlQuery query(holder);
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        for (const char* letter : {"в", "г", "д"}) store.Keep(Exam(QString::fromUtf8(letter), QString::fromUtf8(letter)));

        // Opening waits its busy timeout (5 s) for the lock, as the writer above does meanwhile.
        TFakeDialogs dialogs;
        const TProgressStore second(world.Folder.path(), dialogs);
        EXPECT_TRUE(dialogs.Calls.empty());
        EXPECT_TRUE(QDir(world.Folder.path()).entryList({QStringLiteral("*.damaged-*")}).isEmpty());
        QTest::qWait(500);
        EXPECT_EQ(store.State(), TKeepingState::ksKeeping);
        ASSERT_TRUE(query.exec(QStringLiteral("COMMIT")));
        query.finish();
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other copy"));
    EXPECT_EQ(world.Rows().size(), 4u);
    EXPECT_EQ(store.State(), TKeepingState::ksKeeping);
}
