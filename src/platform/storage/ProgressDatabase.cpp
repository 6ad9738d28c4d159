#include "platform/storage/ProgressDatabase.h"

#include "platform/Log.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

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

const std::vector<TMigration>& Migrations()
{
    static const std::vector<TMigration> steps{&MigrateTo1};
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

}  // namespace

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
        if (!Migrations()[static_cast<size_t>(v)](exec)) {
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
        "gap) VALUES(:time, :offset, :child, :game, :mode, :asked, :picked, :word, :position, :right, :first, "
        "MAX(0, :time - COALESCE((SELECT MAX(time) FROM answers WHERE child = :child), :time)))"));
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
    if (!query.exec(QStringLiteral("SELECT id, name, picture, created FROM children ORDER BY id"))) return children;
    while (query.next())
        children.push_back({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                            query.value(3).toLongLong()});
    return children;
}

qint64 TProgressDatabase::AddChild(const QString& Name, const QString& Picture, qint64 Created)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral("INSERT INTO children(name, picture, created) VALUES(?, ?, ?)"));
    query.addBindValue(NotNull(Name));
    query.addBindValue(NotNull(Picture));
    query.addBindValue(Created);
    if (query.exec()) return query.lastInsertId().toLongLong();
    FLastError = query.lastError().text();
    return 0;
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
    const QString games =
        leftOut.isEmpty() ? QString() : QStringLiteral(" AND game NOT IN (%1)").arg(leftOut.join(QStringLiteral(", ")));
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
        QStringLiteral("SELECT asked, picked, COUNT(*) FROM answers WHERE child = ? AND is_right = 0 AND asked <> picked "
                       "GROUP BY asked, picked"));
    query.addBindValue(Child);
    if (!query.exec()) return pairs;
    while (query.next()) pairs.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()});
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
