#include "platform/storage/ProgressDatabase.h"

#include "platform/Log.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <limits>

using namespace progressdb;

namespace {

// SQLite's primary result codes that decide what an error means (Qt reports extended codes).
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteNotADb = 26;

// Each step takes a file of the version before it to its own version; the step to version N is
// Migrations()[N - 1]. A new version is one more function at the end.
using TMigration = bool (*)(const std::function<bool(const QString&)>& Exec);

bool MigrateTo1(const std::function<bool(const QString&)>& Exec)
{
    return Exec(
               "CREATE TABLE children(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
               "picture TEXT NOT NULL DEFAULT '', created INTEGER NOT NULL)") &&
           // gap: seconds since the child's previous answer, so that time played is one sum.
           Exec(
               "CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, utc_offset INTEGER NOT NULL, "
               "child INTEGER NOT NULL, game INTEGER NOT NULL, mode INTEGER NOT NULL, asked TEXT NOT NULL, "
               "picked TEXT NOT NULL, word TEXT NOT NULL, position INTEGER NOT NULL, is_right INTEGER NOT NULL, "
               "first_try INTEGER NOT NULL, gap INTEGER NOT NULL)") &&
           // What the summary of one child reads, each from an index alone: the latest first picks per
           // letter, the days and the time played, and the wrong picks.
           Exec("CREATE INDEX answers_by_letter ON answers(child, game, mode, asked, first_try, time)") &&
           Exec("CREATE INDEX answers_by_time ON answers(child, time, utc_offset, gap)") &&
           Exec("CREATE INDEX answers_wrong ON answers(child, asked, picked) WHERE is_right = 0 AND asked <> picked") &&
           Exec("CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)");
}

// Sharing with a group's journal: every child and answer gets a UUID (filled in by the program
// after these statements), children may share a name (two added on two computers), and what was
// sent, removed or merged is marked. The children table is made anew to drop its UNIQUE name.
bool MigrateTo2(const std::function<bool(const QString&)>& Exec)
{
    return Exec(
               "CREATE TABLE children_shared(id INTEGER PRIMARY KEY, name TEXT NOT NULL, picture TEXT NOT NULL "
               "DEFAULT '', created INTEGER NOT NULL, uuid TEXT UNIQUE, name_key TEXT NOT NULL DEFAULT '', host TEXT "
               "NOT NULL DEFAULT '', changed INTEGER NOT NULL DEFAULT 0, sent INTEGER NOT NULL DEFAULT 0)") &&
           Exec("INSERT INTO children_shared(id, name, picture, created) SELECT id, name, picture, created FROM children") &&
           Exec("DROP TABLE children") && Exec("ALTER TABLE children_shared RENAME TO children") &&
           Exec("ALTER TABLE answers ADD COLUMN uuid TEXT") && Exec("ALTER TABLE answers ADD COLUMN child_uuid TEXT") &&
           Exec("ALTER TABLE answers ADD COLUMN sent INTEGER NOT NULL DEFAULT 0") &&
           Exec("CREATE UNIQUE INDEX answers_uuid ON answers(uuid)") &&
           // What waits to be sent: the unnamed child's answers (no child_uuid) never are.
           Exec("CREATE INDEX answers_unsent ON answers(id) WHERE sent = 0 AND child_uuid IS NOT NULL") &&
           Exec(
               "CREATE TABLE removals(child_uuid TEXT NOT NULL, answers_until INTEGER NOT NULL, child_removed INTEGER "
               "NOT NULL, removed_at INTEGER NOT NULL, sent INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(child_uuid, "
               "answers_until))") &&
           Exec(
               "CREATE TABLE merges(gone TEXT PRIMARY KEY, kept TEXT NOT NULL, merged_at INTEGER NOT NULL, sent INTEGER "
               "NOT NULL DEFAULT 0)");
}

// A step runs its statements; then, where it added them, the program gives each row of UuidTables
// a UUID and fills the children's name keys and computer and the answers' child UUIDs.
struct TMigrationStep {
    TMigration Statements;
    QStringList UuidTables;
    bool SharedColumns = false;
};

const std::vector<TMigrationStep>& Migrations()
{
    static const std::vector<TMigrationStep> steps{
        {&MigrateTo1, {}, false}, {&MigrateTo2, {QStringLiteral("children"), QStringLiteral("answers")}, true}};
    return steps;
}

QString NewConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("kvarnel-progress-%1").arg(counter.fetchAndAddRelaxed(1));
}

int PrimaryCode(const QSqlError& Error)
{
    bool ok = false;
    const int code = Error.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

// Qt SQL binds a null QString as NULL; the columns hold empty text instead.
QString NotNull(const QString& Text)
{
    return Text.isNull() ? QStringLiteral("") : Text;
}

TAnswerRow RowOf(const QSqlQuery& Query)
{
    TAnswerRow row;
    row.Time = Query.value(0).toLongLong();
    row.UtcOffset = Query.value(1).toInt();
    row.Child = Query.value(2).toLongLong();
    row.Game = Query.value(3).toInt();
    row.Mode = Query.value(4).toInt();
    row.Asked = Query.value(5).toString();
    row.Picked = Query.value(6).toString();
    row.Word = Query.value(7).toString();
    row.Position = Query.value(8).toInt();
    row.Right = Query.value(9).toBool();
    row.FirstTry = Query.value(10).toBool();
    return row;
}

// "?, ?, ?" for a list of Count values.
QString Marks(size_t Count)
{
    QString marks;
    for (size_t n = 0; n < Count; ++n) marks += n ? QStringLiteral(", ?") : QStringLiteral("?");
    return marks;
}

}  // namespace

QString progressdb::NameKey(const QString& Name)
{
    QString key = Name.simplified().toCaseFolded();
    key.replace(u'ё', u'е');
    return key;
}

QString progressdb::NewUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool progressdb::Reads(const TPickSelection& Selection, int Game, int Mode)
{
    if (Selection.Reads.empty()) return true;
    return std::any_of(Selection.Reads.begin(), Selection.Reads.end(), [&](const TGameMode& Read) {
        return Read.Game == Game && (Read.Mode == TGameMode::kEveryMode || Read.Mode == Mode);
    });
}

QString progressdb::ReadsCondition(const TPickSelection& Selection)
{
    QStringList any;
    for (const TGameMode& read : Selection.Reads)
        any << (read.Mode == TGameMode::kEveryMode
                    ? QStringLiteral("game = %1").arg(read.Game)
                    : QStringLiteral("(game = %1 AND mode = %2)").arg(read.Game).arg(read.Mode));
    return any.isEmpty() ? QString() : u'(' + any.join(QStringLiteral(" OR ")) + u')';
}

int TProgressDatabase::SchemaVersion()
{
    return static_cast<int>(Migrations().size());
}

TProgressDatabase::TProgressDatabase(const QString& Path) : FPath(Path), FConnection(NewConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnection);
    db.setDatabaseName(Path);
    // Another copy of the program may hold the write lock for one short transaction.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
}

TProgressDatabase::~TProgressDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(FConnection, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(FConnection);
}

bool TProgressDatabase::Exec(const QString& Sql)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (query.exec(Sql)) return true;
    FLastError = query.lastError().text();
    FLastCode = PrimaryCode(query.lastError());
    return false;
}

TOpenState TProgressDatabase::StateOfError(int Code) const
{
    return Code == kSqliteNotADb || Code == kSqliteCorrupt ? TOpenState::osDamaged : TOpenState::osUnwritable;
}

TOpenState TProgressDatabase::Open(bool CheckIntegrity)
{
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    if (!db.open()) {
        FLastError = db.lastError().text();
        return TOpenState::osUnwritable;
    }
    QSqlQuery query(db);
    // Reading the version is the first touch of the file: a file that is no database fails here,
    // and a newer one is closed before anything is written to it.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        FLastError = query.lastError().text();
        db.close();
        return StateOfError(PrimaryCode(query.lastError()));
    }
    if (query.value(0).toInt() > SchemaVersion()) {
        FLastError = QStringLiteral("schema version %1").arg(query.value(0).toInt());
        query.finish();
        db.close();
        return TOpenState::osNewer;
    }
    query.finish();
    if (CheckIntegrity && !IntegrityOk()) {
        db.close();
        return FLastCode == kSqliteBusy || FLastCode == kSqliteLocked ? TOpenState::osUnwritable : TOpenState::osDamaged;
    }
    // WAL lets a reader and the writer (or a second copy of the program) work at once; NORMAL
    // syncs at checkpoints only, and a killed program still loses nothing committed.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
        query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0) {
        FLastError = query.lastError().isValid() ? query.lastError().text() : QStringLiteral("no WAL");
        const TOpenState state = StateOfError(PrimaryCode(query.lastError()));
        query.finish();
        db.close();
        return state;
    }
    query.finish();
    if (!Exec(QStringLiteral("PRAGMA synchronous=NORMAL")) || !Migrate()) {
        const TOpenState state = StateOfError(FLastCode);
        db.close();
        return state;
    }
    return TOpenState::osOpen;
}

bool TProgressDatabase::Migrate()
{
    // BEGIN IMMEDIATE takes the write lock before the version is read, so two copies of the
    // program starting at once migrate one after the other.
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        FLastError = query.lastError().text();
        FLastCode = PrimaryCode(query.lastError());
        Exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    const int version = query.value(0).toInt();
    query.finish();
    const auto exec = [this](const QString& Sql) { return Exec(Sql); };
    for (int v = version; v < SchemaVersion(); ++v) {
        const TMigrationStep& step = Migrations()[static_cast<size_t>(v)];
        bool done = step.Statements(exec);
        for (const QString& table : step.UuidTables) done = done && GiveUuids(table);
        if (!done || (step.SharedColumns && !FillSharedColumns())) {
            const QString error = FLastError;
            const int code = FLastCode;
            Exec(QStringLiteral("ROLLBACK"));
            FLastError = error;
            FLastCode = code;
            return false;
        }
    }
    if (version < SchemaVersion() && !Exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion()))) {
        Exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    if (Exec(QStringLiteral("COMMIT"))) return true;
    Exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool TProgressDatabase::IntegrityOk()
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next()) {
        FLastError = query.lastError().text();
        FLastCode = PrimaryCode(query.lastError());
        return false;
    }
    if (query.value(0).toString() == QLatin1String("ok")) return true;
    FLastError = query.value(0).toString();
    FLastCode = kSqliteCorrupt;
    return false;
}

QString TProgressDatabase::MoveAside(const QString& Path, const QString& Date)
{
    QString target = Path + QStringLiteral(".damaged-") + Date;
    for (int n = 2; QFile::exists(target); ++n) target = Path + QStringLiteral(".damaged-%1-%2").arg(Date).arg(n);
    if (QFile::exists(Path) && !QFile::rename(Path, target)) {
        qCWarning(lcPlatform) << "Cannot move the damaged progress file" << Path << "aside";
        return {};
    }
    // A WAL or index left beside the old file belongs to it, not to the fresh one.
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = Path + QLatin1String(suffix);
        if (QFile::exists(side) && !QFile::rename(side, target + QLatin1String(suffix))) QFile::remove(side);
    }
    return target;
}

TWriteResult TProgressDatabase::AddAnswer(const TAnswerRow& Row)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral(
        "INSERT INTO answers(time, utc_offset, child, game, mode, asked, picked, word, position, is_right, first_try, "
        "gap, uuid, child_uuid) VALUES(:time, :offset, :child, :game, :mode, :asked, :picked, :word, :position, :right, "
        ":first, MAX(0, :time - COALESCE((SELECT MAX(time) FROM answers WHERE child = :child), :time)), :uuid, "
        "(SELECT uuid FROM children WHERE id = :child))"));
    query.bindValue(QStringLiteral(":uuid"), NewUuid());
    query.bindValue(QStringLiteral(":time"), Row.Time);
    query.bindValue(QStringLiteral(":offset"), Row.UtcOffset);
    query.bindValue(QStringLiteral(":child"), Row.Child);
    query.bindValue(QStringLiteral(":game"), Row.Game);
    query.bindValue(QStringLiteral(":mode"), Row.Mode);
    query.bindValue(QStringLiteral(":asked"), NotNull(Row.Asked));
    query.bindValue(QStringLiteral(":picked"), NotNull(Row.Picked));
    query.bindValue(QStringLiteral(":word"), NotNull(Row.Word));
    query.bindValue(QStringLiteral(":position"), Row.Position);
    query.bindValue(QStringLiteral(":right"), Row.Right ? 1 : 0);
    query.bindValue(QStringLiteral(":first"), Row.FirstTry ? 1 : 0);
    // Autocommit: the insert is its own transaction, committed when exec returns.
    if (query.exec()) return TWriteResult::wrDone;
    FLastError = query.lastError().text();
    FLastCode = PrimaryCode(query.lastError());
    return FLastCode == kSqliteBusy || FLastCode == kSqliteLocked ? TWriteResult::wrBusy : TWriteResult::wrFailed;
}

bool TProgressDatabase::DeleteAnswers(qint64 Child)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("DELETE FROM answers WHERE child = ?"));
    query.addBindValue(Child);
    if (query.exec()) return true;
    FLastError = query.lastError().text();
    return false;
}

std::vector<TChildRow> TProgressDatabase::Children()
{
    std::vector<TChildRow> children;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(
            QStringLiteral("SELECT id, name, picture, created, uuid, name_key, host, changed FROM children ORDER BY id")))
        return children;
    while (query.next())
        children.push_back({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                            query.value(3).toLongLong(), query.value(4).toString(), query.value(5).toString(),
                            query.value(6).toString(), query.value(7).toLongLong()});
    return children;
}

qint64 TProgressDatabase::AddChild(const QString& Name, const QString& Picture, qint64 Created)
{
    return AddSharedChild(Name, Picture, Created, QSysInfo::machineHostName());
}

bool TProgressDatabase::UpdateChild(qint64 Id, const QString& Name, const QString& Picture)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("UPDATE children SET name = ?, picture = ? WHERE id = ?"));
    query.addBindValue(NotNull(Name));
    query.addBindValue(NotNull(Picture));
    query.addBindValue(Id);
    if (query.exec()) return query.numRowsAffected() == 1;
    FLastError = query.lastError().text();
    return false;
}

bool TProgressDatabase::RemoveChild(qint64 Id)
{
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("DELETE FROM children WHERE id = ?"));
    query.addBindValue(Id);
    if (query.exec() && DeleteAnswers(Id) && Exec(QStringLiteral("COMMIT"))) return true;
    if (query.lastError().isValid()) FLastError = query.lastError().text();
    Exec(QStringLiteral("ROLLBACK"));
    return false;
}

QString TProgressDatabase::Setting(const QString& Key)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(Key);
    if (query.exec() && query.next()) return query.value(0).toString();
    return {};
}

bool TProgressDatabase::SetSetting(const QString& Key, const QString& Value)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)"));
    query.addBindValue(Key);
    query.addBindValue(NotNull(Value));
    if (query.exec()) return true;
    FLastError = query.lastError().text();
    return false;
}

bool TProgressDatabase::ForEachAnswer(qint64 Child, const std::function<void(const TAnswerRow&)>& Visit)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    const QString columns = QStringLiteral(
        "SELECT time, utc_offset, child, game, mode, asked, picked, word, position, is_right, first_try FROM answers ");
    if (Child < 0) {
        query.prepare(columns + QStringLiteral("ORDER BY id"));
    } else {
        query.prepare(columns + QStringLiteral("WHERE child = ? ORDER BY id"));
        query.addBindValue(Child);
    }
    if (!query.exec()) {
        FLastError = query.lastError().text();
        return false;
    }
    while (query.next()) Visit(RowOf(query));
    return true;
}

std::vector<TPick> TProgressDatabase::NewestPicks(qint64 Child, const TPickSelection& Selection)
{
    std::vector<TPick> picks;
    // The groups and each group's newest few are found in the index answers_by_letter.
    QStringList leftOut;
    for (size_t i = 0; i < Selection.LeftOutGames.size(); ++i) leftOut << QStringLiteral(":left%1").arg(i);
    QString games =
        leftOut.isEmpty() ? QString() : QStringLiteral(" AND game NOT IN (%1)").arg(leftOut.join(QStringLiteral(", ")));
    if (const QString reads = ReadsCondition(Selection); !reads.isEmpty()) games += QStringLiteral(" AND ") + reads;
    const QString tries = Selection.FirstTriesOnly ? QStringLiteral(" AND first_try = 1") : QString();
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT a.game, a.mode, a.asked, a.is_right, a.time, a.id FROM ("
                                 " SELECT DISTINCT game, mode, asked FROM answers WHERE child = :child%1) AS g "
                                 "JOIN answers AS a ON a.id IN (SELECT id FROM answers WHERE child = :child AND "
                                 " game = g.game AND mode = g.mode AND asked = g.asked%2 "
                                 " ORDER BY time DESC, id DESC LIMIT :newest)")
                      .arg(games, tries));
    query.bindValue(QStringLiteral(":child"), Child);
    for (size_t i = 0; i < Selection.LeftOutGames.size(); ++i)
        query.bindValue(leftOut[static_cast<qsizetype>(i)], Selection.LeftOutGames[i]);
    query.bindValue(QStringLiteral(":newest"), Selection.Newest);
    if (!query.exec()) return picks;
    while (query.next())
        picks.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(), query.value(3).toBool(),
                         query.value(4).toLongLong(), query.value(5).toLongLong()});
    return picks;
}

std::vector<TPairCount> TProgressDatabase::WrongPicks(qint64 Child)
{
    std::vector<TPairCount> pairs;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT asked, picked, COUNT(*), game, mode FROM answers WHERE child = ? AND is_right = 0 AND "
                       "asked <> picked GROUP BY game, mode, asked, picked"));
    query.addBindValue(Child);
    if (!query.exec()) return pairs;
    while (query.next())
        pairs.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                         query.value(3).toInt(), query.value(4).toInt()});
    return pairs;
}

std::vector<TMet> TProgressDatabase::Met(qint64 Child)
{
    std::vector<TMet> met;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT DISTINCT game, mode, asked FROM answers WHERE child = ?"));
    query.addBindValue(Child);
    if (!query.exec()) return met;
    while (query.next()) met.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString()});
    return met;
}

std::vector<qint64> TProgressDatabase::LocalDays(qint64 Child, qint64 SinceTime)
{
    std::vector<qint64> days;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT DISTINCT (time + utc_offset) / 86400 FROM answers WHERE child = ? AND time >= ? ORDER BY 1"));
    query.addBindValue(Child);
    query.addBindValue(SinceTime);
    if (!query.exec()) return days;
    while (query.next()) days.push_back(query.value(0).toLongLong());
    return days;
}

qint64 TProgressDatabase::PlaySeconds(qint64 Child, int GapCap)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT SUM(MIN(gap, ?)) FROM answers WHERE child = ?"));
    query.addBindValue(GapCap);
    query.addBindValue(Child);
    if (!query.exec() || !query.next()) return 0;
    return query.value(0).toLongLong();
}

bool TProgressDatabase::Fail(const QSqlQuery& Query)
{
    FLastError = Query.lastError().text();
    FLastCode = PrimaryCode(Query.lastError());
    return false;
}

bool TProgressDatabase::GiveUuids(const QString& Table)
{
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT id FROM %1 WHERE uuid IS NULL").arg(Table))) return Fail(rows);
    std::vector<qint64> ids;
    while (rows.next()) ids.push_back(rows.value(0).toLongLong());
    rows.finish();
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE %1 SET uuid = ? WHERE id = ?").arg(Table))) return Fail(update);
    for (const qint64 id : ids) {
        update.addBindValue(NewUuid());
        update.addBindValue(id);
        if (!update.exec()) return Fail(update);
    }
    return true;
}

bool TProgressDatabase::FillSharedColumns()
{
    // The children a file already has were added on this computer.
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    QSqlQuery rows(db);
    if (!rows.exec(QStringLiteral("SELECT id, name FROM children"))) return Fail(rows);
    std::vector<std::pair<qint64, QString>> names;
    while (rows.next()) names.emplace_back(rows.value(0).toLongLong(), rows.value(1).toString());
    rows.finish();
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE children SET name_key = ?, host = ?, changed = created * 1000 WHERE id = ?"));
    for (const auto& [id, name] : names) {
        update.addBindValue(NameKey(name));
        update.addBindValue(QSysInfo::machineHostName());
        update.addBindValue(id);
        if (!update.exec()) return Fail(update);
    }
    return Exec(QStringLiteral("UPDATE answers SET child_uuid = (SELECT uuid FROM children WHERE id = answers.child)"));
}

qint64 TProgressDatabase::LastAnswerId()
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM answers")) || !query.next()) return 0;
    return query.value(0).toLongLong();
}

qint64 TProgressDatabase::AddSharedChild(const QString& Name, const QString& Picture, qint64 Created, const QString& Host)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral(
        "INSERT INTO children(name, picture, created, uuid, name_key, host, changed, sent) VALUES(?, ?, ?, ?, ?, ?, ?, 0)"));
    query.addBindValue(NotNull(Name));
    query.addBindValue(NotNull(Picture));
    query.addBindValue(Created);
    query.addBindValue(NewUuid());
    query.addBindValue(NameKey(Name));
    query.addBindValue(NotNull(Host));
    query.addBindValue(Created * 1000);
    if (query.exec()) return query.lastInsertId().toLongLong();
    Fail(query);
    return 0;
}

bool TProgressDatabase::ChangeChild(qint64 Id, const QString& Name, const QString& Picture, qint64 ChangedMs)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral(
        "UPDATE children SET name = ?, picture = ?, name_key = ?, changed = MAX(changed + 1, ?), sent = 0 WHERE id = ?"));
    query.addBindValue(NotNull(Name));
    query.addBindValue(NotNull(Picture));
    query.addBindValue(NameKey(Name));
    query.addBindValue(ChangedMs);
    query.addBindValue(Id);
    if (query.exec()) return query.numRowsAffected() == 1;
    return Fail(query);
}

bool TProgressDatabase::RemoveChildLeavingTombstone(qint64 Id, qint64 RemovedAt)
{
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(
        QStringLiteral("INSERT OR REPLACE INTO removals(child_uuid, answers_until, child_removed, removed_at, sent) "
                       "SELECT uuid, ?, 1, ?, 0 FROM children WHERE id = ? AND uuid IS NOT NULL"));
    query.addBindValue(std::numeric_limits<qint64>::max());
    query.addBindValue(RemovedAt);
    query.addBindValue(Id);
    bool done = query.exec() || Fail(query);
    if (done) {
        query.prepare(QStringLiteral("DELETE FROM children WHERE id = ?"));
        query.addBindValue(Id);
        done = (query.exec() || Fail(query)) && DeleteAnswers(Id) && Exec(QStringLiteral("COMMIT"));
    }
    if (!done) Exec(QStringLiteral("ROLLBACK"));
    return done;
}

bool TProgressDatabase::DeleteAnswersLeavingTombstone(qint64 Child, qint64 AnswersUntil)
{
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(
        QStringLiteral("INSERT OR REPLACE INTO removals(child_uuid, answers_until, child_removed, removed_at, sent) "
                       "SELECT uuid, ?, 0, ?, 0 FROM children WHERE id = ? AND uuid IS NOT NULL"));
    query.addBindValue(AnswersUntil);
    query.addBindValue(AnswersUntil);
    query.addBindValue(Child);
    const bool done = (query.exec() || Fail(query)) && DeleteAnswers(Child) && Exec(QStringLiteral("COMMIT"));
    if (!done) Exec(QStringLiteral("ROLLBACK"));
    return done;
}

bool TProgressDatabase::MergeChildren(qint64 Gone, qint64 Kept, qint64 MergedAt)
{
    const QString gone = UuidOf(Gone);
    const QString kept = UuidOf(Kept);
    if (Gone == Kept || gone.isEmpty() || kept.isEmpty() || !Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    const auto run = [&](const QString& Sql, const QVariantList& Values) {
        query.prepare(Sql);
        for (const QVariant& value : Values) query.addBindValue(value);
        return query.exec() || Fail(query);
    };
    const bool done =
        run(QStringLiteral("INSERT OR REPLACE INTO merges(gone, kept, merged_at, sent) VALUES(?, ?, ?, 0)"),
            {gone, kept, MergedAt}) &&
        // Entries merged into the gone one before now lead to the kept one.
        run(QStringLiteral("UPDATE merges SET kept = ? WHERE kept = ?"), {kept, gone}) &&
        run(QStringLiteral("UPDATE answers SET child = ?, child_uuid = ? WHERE child = ?"), {Kept, kept, Gone}) &&
        run(QStringLiteral("DELETE FROM children WHERE id = ?"), {Gone}) && Exec(QStringLiteral("COMMIT"));
    if (!done) Exec(QStringLiteral("ROLLBACK"));
    return done;
}

int TProgressDatabase::CountUnsent(qint64 After)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM answers WHERE sent = 0 AND child_uuid IS NOT NULL AND id > ?"));
    query.addBindValue(After);
    if (query.exec() && query.next()) return query.value(0).toInt();
    Fail(query);
    return 0;
}

int TProgressDatabase::CountUnsentChanges()
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (query.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM children WHERE sent = 0) + (SELECT COUNT(*) FROM removals "
                                  "WHERE sent = 0) + (SELECT COUNT(*) FROM merges WHERE sent = 0)")) &&
        query.next())
        return query.value(0).toInt();
    Fail(query);
    return 0;
}

std::vector<TSharedAnswer> TProgressDatabase::Unsent(qint64 After, int Limit, qint64 Child)
{
    std::vector<TSharedAnswer> answers;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT time, utc_offset, child, game, mode, asked, picked, word, position, is_right, first_try, id, uuid, "
        "child_uuid FROM answers WHERE sent = 0 AND child_uuid IS NOT NULL AND id > ? AND (? < 0 OR child = ?) "
        "ORDER BY id LIMIT ?"));
    query.addBindValue(After);
    query.addBindValue(Child);
    query.addBindValue(Child);
    query.addBindValue(Limit);
    if (!query.exec()) {
        Fail(query);
        return answers;
    }
    while (query.next())
        answers.push_back(
            {query.value(11).toLongLong(), query.value(12).toString(), query.value(13).toString(), RowOf(query)});
    return answers;
}

bool TProgressDatabase::MarkSent(const std::vector<qint64>& LocalIds)
{
    if (LocalIds.empty()) return true;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("UPDATE answers SET sent = 1 WHERE id IN (%1)").arg(Marks(LocalIds.size())));
    for (const qint64 id : LocalIds) query.addBindValue(id);
    return query.exec() || Fail(query);
}

std::vector<TChildRow> TProgressDatabase::UnsentChildren()
{
    std::vector<TChildRow> children = Children();
    std::erase_if(children, [](const TChildRow& Child) { return Child.Uuid.isEmpty(); });
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral("SELECT uuid FROM children WHERE sent = 0"))) return {};
    QStringList unsent;
    while (query.next()) unsent << query.value(0).toString();
    std::erase_if(children, [&](const TChildRow& Child) { return !unsent.contains(Child.Uuid); });
    return children;
}

bool TProgressDatabase::MarkChildSent(const QString& Uuid, qint64 Changed)
{
    // A change made while it was on its way is sent again.
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("UPDATE children SET sent = 1 WHERE uuid = ? AND changed = ?"));
    query.addBindValue(Uuid);
    query.addBindValue(Changed);
    return query.exec() || Fail(query);
}

std::vector<TRemovalRow> TProgressDatabase::UnsentRemovals()
{
    std::vector<TRemovalRow> removals;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral(
            "SELECT child_uuid, answers_until, child_removed, removed_at FROM removals WHERE sent = 0 ORDER BY removed_at")))
        return removals;
    while (query.next())
        removals.push_back(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toBool(), query.value(3).toLongLong()});
    return removals;
}

bool TProgressDatabase::MarkRemovalSent(const TRemovalRow& Removal)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("UPDATE removals SET sent = 1 WHERE child_uuid = ? AND answers_until = ?"));
    query.addBindValue(Removal.ChildUuid);
    query.addBindValue(Removal.AnswersUntil);
    return query.exec() || Fail(query);
}

std::vector<TMergeRow> TProgressDatabase::UnsentMerges()
{
    std::vector<TMergeRow> merges;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!query.exec(QStringLiteral("SELECT gone, kept, merged_at FROM merges WHERE sent = 0 ORDER BY merged_at")))
        return merges;
    while (query.next())
        merges.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    return merges;
}

bool TProgressDatabase::MarkMergeSent(const QString& Gone)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("UPDATE merges SET sent = 1 WHERE gone = ?"));
    query.addBindValue(Gone);
    return query.exec() || Fail(query);
}

bool TProgressDatabase::ApplyJournal(const std::vector<TChildRow>& Children, const std::vector<TMergeRow>& Merges,
                                     const std::vector<TRemovalRow>& Removals, bool& ChildrenGone)
{
    ChildrenGone = false;
    if (!Exec(QStringLiteral("BEGIN IMMEDIATE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    const auto countGone = [&] {
        if (query.numRowsAffected() > 0) ChildrenGone = true;
        return true;
    };
    const auto run = [&](const QString& Sql, const QVariantList& Values) {
        query.prepare(Sql);
        for (const QVariant& value : Values) query.addBindValue(value);
        return query.exec() || Fail(query);
    };
    bool done = true;
    for (const TChildRow& child : Children) {
        // Not one removed or merged here, nor one changed here whose change is still to be sent.
        const QString notGone = QStringLiteral(
            "NOT EXISTS (SELECT 1 FROM removals WHERE child_uuid = ? AND child_removed = 1) AND NOT EXISTS "
            "(SELECT 1 FROM merges WHERE gone = ?)");
        done = done &&
               run(QStringLiteral("INSERT OR IGNORE INTO children(name, picture, created, uuid, name_key, host, changed, "
                                  "sent) SELECT ?, ?, ?, ?, ?, ?, ?, 1 WHERE ") +
                       notGone,
                   {NotNull(child.Name), NotNull(child.Picture), child.Created, child.Uuid, NotNull(child.NameKey),
                    NotNull(child.Host), child.Changed, child.Uuid, child.Uuid}) &&
               run(QStringLiteral("UPDATE children SET name = ?, picture = ?, name_key = ?, changed = ?, host = ? "
                                  "WHERE uuid = ? AND sent = 1 AND changed < ?"),
                   {NotNull(child.Name), NotNull(child.Picture), NotNull(child.NameKey), child.Changed, NotNull(child.Host),
                    child.Uuid, child.Changed});
    }
    for (const TMergeRow& merge : Merges) {
        done = done &&
               run(QStringLiteral("UPDATE answers SET child = (SELECT id FROM children WHERE uuid = ?), child_uuid = ? "
                                  "WHERE child_uuid = ? AND EXISTS (SELECT 1 FROM children WHERE uuid = ?)"),
                   {merge.Kept, merge.Kept, merge.Gone, merge.Kept}) &&
               run(QStringLiteral("DELETE FROM children WHERE uuid = ? AND EXISTS (SELECT 1 FROM children WHERE uuid = ?)"),
                   {merge.Gone, merge.Kept}) &&
               countGone() &&
               run(QStringLiteral("INSERT OR IGNORE INTO merges(gone, kept, merged_at, sent) VALUES(?, ?, ?, 1)"),
                   {merge.Gone, merge.Kept, merge.MergedAt});
    }
    for (const TRemovalRow& removal : Removals) {
        done = done &&
               run(QStringLiteral("DELETE FROM answers WHERE child_uuid = ? AND time <= ?"),
                   {removal.ChildUuid, removal.AnswersUntil}) &&
               (!removal.ChildRemoved ||
                (run(QStringLiteral("DELETE FROM children WHERE uuid = ?"), {removal.ChildUuid}) && countGone())) &&
               run(QStringLiteral("INSERT OR IGNORE INTO removals(child_uuid, answers_until, child_removed, removed_at, "
                                  "sent) VALUES(?, ?, ?, ?, 1)"),
                   {removal.ChildUuid, removal.AnswersUntil, removal.ChildRemoved ? 1 : 0, removal.RemovedAt});
    }
    done = done && Exec(QStringLiteral("COMMIT"));
    if (!done) Exec(QStringLiteral("ROLLBACK"));
    return done;
}

qint64 TProgressDatabase::ChildNow(const QString& Uuid)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral(
        "SELECT id FROM children WHERE uuid = ? UNION ALL SELECT c.id FROM merges AS m JOIN children AS c ON c.uuid = "
        "m.kept WHERE m.gone = ? LIMIT 1"));
    query.addBindValue(Uuid);
    query.addBindValue(Uuid);
    if (query.exec() && query.next()) return query.value(0).toLongLong();
    return 0;
}

QString TProgressDatabase::UuidOf(qint64 Child)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("SELECT uuid FROM children WHERE id = ?"));
    query.addBindValue(Child);
    if (query.exec() && query.next()) return query.value(0).toString();
    return {};
}

int TProgressDatabase::CountUnsentIn(const QString& Path, const QString& JoinedKey)
{
    const QString connection = NewConnectionName();
    int count = kUnreadable;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(Path);
        // Read only: the file is about to be moved aside as it is.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT COUNT(*) FROM settings WHERE key = ?"));
            query.addBindValue(JoinedKey);
            if (query.exec() && query.next()) {
                const bool joined = query.value(0).toInt() > 0;
                query.finish();
                if (!joined)
                    count = kNeverJoined;
                else if (query.exec(
                             QStringLiteral("SELECT COUNT(*) FROM answers WHERE sent = 0 AND child_uuid IS NOT NULL")) &&
                         query.next())
                    count = query.value(0).toInt();
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return count;
}
