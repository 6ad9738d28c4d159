#include "platform/storage/JournalDatabase.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace journaldb;
using namespace progressdb;

namespace {

const QString kDriver = QStringLiteral("QPSQL");
// The advisory lock that lets one computer at a time make or migrate the tables ("kvarnel" in ASCII).
constexpr qint64 kMigrationLock = 0x6b7661726e656cLL;

// The statements that take a journal of version N - 1 to version N are Steps()[N - 1]. The
// tables are only ever added to (new tables, new nullable columns), so that a program one version
// behind keeps working while the computers of a group are updated one by one. Never change a step;
// packaging/kvarnel-journal.sql must make the same tables (a test compares them).
const std::vector<QStringList>& Steps()
{
    static const std::vector<QStringList> steps{{
        QStringLiteral("CREATE TABLE kvarnel.journal_version(version integer NOT NULL)"),
        QStringLiteral("CREATE TABLE kvarnel.children(id uuid PRIMARY KEY, name text NOT NULL, name_key text NOT NULL, "
                       "picture text NOT NULL, created bigint NOT NULL, host text NOT NULL, changed bigint NOT NULL)"),
        // seq: the order the answers were kept in on their computer, for answers of one second.
        QStringLiteral("CREATE TABLE kvarnel.answers(id uuid PRIMARY KEY, child uuid NOT NULL, time bigint NOT NULL, "
                       "utc_offset integer NOT NULL, game smallint NOT NULL, mode smallint NOT NULL, asked text NOT NULL, "
                       "picked text NOT NULL, word text NOT NULL, position integer NOT NULL, is_right boolean NOT NULL, "
                       "first_try boolean NOT NULL, seq bigint NOT NULL)"),
        QStringLiteral("CREATE INDEX answers_by_letter ON kvarnel.answers(child, game, mode, asked, time, seq)"),
        QStringLiteral("CREATE INDEX answers_by_time ON kvarnel.answers(child, time, utc_offset)"),
        QStringLiteral("CREATE INDEX answers_wrong ON kvarnel.answers(child, asked, picked) WHERE NOT is_right AND "
                       "asked <> picked"),
        // Tombstones: a child's answers up to a time, or the child itself, removed on some computer.
        QStringLiteral("CREATE TABLE kvarnel.removals(child uuid NOT NULL, answers_until bigint NOT NULL, "
                       "child_removed boolean NOT NULL, removed_at bigint NOT NULL, PRIMARY KEY(child, answers_until))"),
        QStringLiteral("CREATE TABLE kvarnel.merges(gone uuid PRIMARY KEY, kept uuid NOT NULL, merged_at bigint NOT NULL)"),
    }};
    return steps;
}

QString NewConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("kvarnel-journal-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A value in libpq's connection string: quoted, with its quotes and backslashes escaped.
QString Quoted(const QString& Value)
{
    QString value = Value;
    value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + value + u'\'';
}

bool Mentions(const QString& Text, std::initializer_list<const char*> Phrases)
{
    for (const char* phrase : Phrases)
        if (Text.contains(QString::fromUtf8(phrase), Qt::CaseInsensitive)) return true;
    return false;
}

// libpq reports a failed connection as text only, in the server's language for what the server
// said and in ours for what libpq found; the usual English and Russian wordings are recognised.
TOutcome OutcomeOfConnecting(const QString& Text)
{
    if (Mentions(Text,
                 {"password authentication failed", "no password supplied", "проверку подлинности", "пароль не указан"}))
        return TOutcome::joWrongPassword;
    if (Mentions(Text, {"database \"", "база данных \""}) && Mentions(Text, {"does not exist", "не существует"}))
        return TOutcome::joNoDatabase;
    if (Mentions(Text, {"could not connect", "could not translate host name", "timeout expired", "connection refused",
                        "no such file or directory", "server closed the connection", "no route to host",
                        "network is unreachable", "не удалось подключиться", "не удалось преобразовать", "тайм-аут",
                        "в соединении отказано", "нет такого файла"}))
        return TOutcome::joServerNotFound;
    return TOutcome::joOtherError;
}

// What a statement's failure says about the connection, by its SQLSTATE: a lost or closing
// connection, or a statement the server did not finish in time, is a server not answering.
TOutcome OutcomeOfStatement(const QSqlError& Error)
{
    const QString state = Error.nativeErrorCode();
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")) || state == QLatin1String("57014"))
        return TOutcome::joServerNotFound;
    if (state == QLatin1String("42501") || state == QLatin1String("42P01") || state == QLatin1String("3F000"))
        return TOutcome::joNoTables;
    if (state.isEmpty()) return OutcomeOfConnecting(Error.databaseText() + u' ' + Error.driverText());
    return TOutcome::joOtherError;
}

// Qt SQL binds a null QString as NULL; the columns hold empty text instead.
QVariant Text(const QString& Value)
{
    return Value.isNull() ? QStringLiteral("") : Value;
}

// A PostgreSQL array literal of numbers or UUIDs (no quoting needed for either).
template <typename T>
QString ArrayLiteral(const T& Values)
{
    QStringList items;
    for (const auto& value : Values) items << QVariant(value).toString();
    return u'{' + items.join(u',') + u'}';
}

}  // namespace

int TJournalDatabase::SchemaVersion()
{
    return static_cast<int>(Steps().size());
}

bool TJournalDatabase::DriverAvailable()
{
    return QSqlDatabase::isDriverAvailable(kDriver);
}

QStringList TJournalDatabase::SchemaStatements(int FromVersion)
{
    QStringList statements;
    for (int v = FromVersion; v < SchemaVersion(); ++v) statements << Steps()[static_cast<size_t>(v)];
    return statements;
}

TJournalDatabase::TJournalDatabase(const TJournalSettings& Settings) : FSettings(Settings), FConnection(NewConnectionName())
{}

TJournalDatabase::~TJournalDatabase()
{
    Close();
    if (QSqlDatabase::contains(FConnection)) QSqlDatabase::removeDatabase(FConnection);
}

void TJournalDatabase::Close()
{
    FOpen = false;
    if (!QSqlDatabase::contains(FConnection)) return;
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    if (db.isOpen()) db.close();
}

TOutcome TJournalDatabase::Connect(bool Migrate)
{
    Close();
    if (!DriverAvailable()) {
        FLastError = QStringLiteral("Qt's PostgreSQL driver (QPSQL, package libqt6sql6-psql) is not installed");
        return FLastOutcome = TOutcome::joNoDriver;
    }
    if (!QSqlDatabase::contains(FConnection)) QSqlDatabase::addDatabase(kDriver, FConnection);
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    db.setHostName(FSettings.Host);
    if (FSettings.Port > 0) db.setPort(FSettings.Port);
    db.setDatabaseName(FSettings.Database);
    db.setUserName(FSettings.User);
    db.setPassword(FSettings.Password);
    // Keepalives notice a server that vanished (a cable pulled) within about a minute instead of
    // the system's two hours.
    QStringList options{QStringLiteral("connect_timeout=%1").arg(std::max(1, FSettings.ConnectTimeoutSeconds)),
                        QStringLiteral("keepalives=1"),
                        QStringLiteral("keepalives_idle=30"),
                        QStringLiteral("keepalives_interval=10"),
                        QStringLiteral("keepalives_count=3"),
                        QStringLiteral("application_name=kvarnel")};
    if (!FSettings.SslMode.isEmpty()) options << QStringLiteral("sslmode=") + Quoted(FSettings.SslMode);
    if (!FSettings.SslRootCert.isEmpty()) options << QStringLiteral("sslrootcert=") + Quoted(FSettings.SslRootCert);
    db.setConnectOptions(options.join(u';'));
    if (!db.open()) {
        FLastError = db.lastError().databaseText().trimmed();
        return FLastOutcome = OutcomeOfConnecting(FLastError);
    }
    FOpen = true;
    FLastOutcome = Prepare(Migrate);
    if (FLastOutcome != TOutcome::joConnected) Close();
    return FLastOutcome;
}

TOutcome TJournalDatabase::Prepare(bool Migrate)
{
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    if (!Exec(QStringLiteral("SET statement_timeout = %1").arg(std::max(1, FSettings.StatementTimeoutMs))))
        return FLastOutcome;
    const auto version = [&](int& Version) {
        // Read from pg_class itself: a name looked up before the lock may still be cached as missing.
        if (!query.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_catalog.pg_class AS c JOIN pg_catalog.pg_namespace "
                                       "AS n ON n.oid = c.relnamespace WHERE n.nspname = 'kvarnel' AND c.relname = "
                                       "'journal_version')")) ||
            !query.next())
            return Fail(query);
        Version = 0;
        if (!query.value(0).toBool()) return true;
        if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM kvarnel.journal_version")) || !query.next())
            return Fail(query);
        Version = query.value(0).toInt();
        return true;
    };
    int found = 0;
    if (!version(found)) return FLastOutcome;
    if (found > SchemaVersion()) {
        FLastError = QStringLiteral("the journal is of version %1, this program knows %2").arg(found).arg(SchemaVersion());
        return TOutcome::joNewer;
    }
    if (found == SchemaVersion()) return TOutcome::joConnected;
    if (!Migrate) {
        FLastError = QStringLiteral("the journal is of version %1, not %2").arg(found).arg(SchemaVersion());
        return TOutcome::joNoTables;
    }
    // Another computer may be migrating right now: wait for it, then look again.
    if (!Begin()) return FLastOutcome;
    if (!query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kMigrationLock))) {
        Fail(query);
        return FLastOutcome;
    }
    if (!version(found)) return FLastOutcome;
    if (found < SchemaVersion()) {
        // CREATE SCHEMA IF NOT EXISTS still asks for the right to create one: ask only when it is missing.
        bool done =
            query.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_catalog.pg_namespace WHERE nspname = 'kvarnel')")) &&
            query.next();
        if (done && !query.value(0).toBool()) done = query.exec(QStringLiteral("CREATE SCHEMA kvarnel"));
        for (const QString& statement : SchemaStatements(found)) done = done && query.exec(statement);
        done = done && query.exec(QStringLiteral("DELETE FROM kvarnel.journal_version")) &&
               query.exec(QStringLiteral("INSERT INTO kvarnel.journal_version(version) VALUES(%1)").arg(SchemaVersion()));
        if (!done) {
            Fail(query);  // rolls back by closing
            return FLastOutcome;
        }
    }
    if (!Commit()) return FLastOutcome;
    return found > SchemaVersion() ? TOutcome::joNewer : TOutcome::joConnected;
}

bool TJournalDatabase::FailWith(const QSqlError& Error)
{
    FLastError = Error.databaseText().trimmed();
    if (FLastError.isEmpty()) FLastError = Error.text();
    FLastOutcome = OutcomeOfStatement(Error);
    // Whatever was begun is rolled back by closing: the next use starts on a fresh connection.
    Close();
    return false;
}

bool TJournalDatabase::Fail(const QSqlQuery& Query)
{
    return FailWith(Query.lastError());
}

bool TJournalDatabase::Exec(const QString& Sql)
{
    if (!FOpen) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    return query.exec(Sql) || Fail(query);
}

bool TJournalDatabase::Begin(const QString& How)
{
    return Exec(How.isEmpty() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN ") + How);
}

bool TJournalDatabase::Commit()
{
    return Exec(QStringLiteral("COMMIT"));
}

bool TJournalDatabase::SendAnswers(const std::vector<TSharedAnswer>& Answers)
{
    if (Answers.empty()) return true;
    if (!FOpen) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    QString values;
    for (size_t n = 0; n < Answers.size(); ++n) {
        if (n) values += QStringLiteral(", ");
        values += QStringLiteral(
            "(CAST(? AS uuid), CAST(? AS uuid), CAST(? AS bigint), CAST(? AS integer), CAST(? AS smallint), "
            "CAST(? AS smallint), CAST(? AS text), CAST(? AS text), CAST(? AS text), CAST(? AS integer), "
            "CAST(? AS boolean), CAST(? AS boolean), CAST(? AS bigint))");
    }
    // The removals table is the gate between answers and removals or merges: a batch takes it in
    // SHARE mode (batches go side by side), a removal or merge in SHARE ROW EXCLUSIVE mode, so that no
    // answer of a child slips in while its answers are removed or moved.
    const QString sql = QStringLiteral(
                            "INSERT INTO kvarnel.answers(id, child, time, utc_offset, game, mode, asked, picked, word, "
                            "position, is_right, first_try, seq) SELECT v.id, COALESCE(m.kept, v.child), v.time, "
                            "v.utc_offset, v.game, v.mode, v.asked, v.picked, v.word, v.position, v.is_right, "
                            "v.first_try, v.seq FROM (VALUES ") +
                        values +
                        QStringLiteral(
                            ") AS v(id, child, time, utc_offset, game, mode, asked, picked, word, position, is_right, "
                            "first_try, seq) LEFT JOIN kvarnel.merges AS m ON m.gone = v.child WHERE NOT EXISTS "
                            "(SELECT 1 FROM kvarnel.removals AS r WHERE r.child = COALESCE(m.kept, v.child) AND "
                            "r.answers_until >= v.time) ON CONFLICT (id) DO NOTHING");
    if (!Begin() || !Exec(QStringLiteral("LOCK TABLE kvarnel.removals IN SHARE MODE"))) return false;
    if (!query.prepare(sql)) return Fail(query);
    for (const TSharedAnswer& answer : Answers) {
        const TAnswerRow& row = answer.Row;
        for (const QVariant& value :
             {QVariant(answer.Uuid), QVariant(answer.ChildUuid), QVariant(row.Time), QVariant(row.UtcOffset),
              QVariant(row.Game), QVariant(row.Mode), Text(row.Asked), Text(row.Picked), Text(row.Word),
              QVariant(row.Position), QVariant(row.Right), QVariant(row.FirstTry), QVariant(answer.LocalId)})
            query.addBindValue(value);
    }
    if (!query.exec()) return Fail(query);
    query.finish();
    return Commit();
}

bool TJournalDatabase::SendChildren(const std::vector<TChildRow>& Children)
{
    if (Children.empty()) return true;
    if (!Begin() || !Exec(QStringLiteral("LOCK TABLE kvarnel.removals IN SHARE MODE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    for (const TChildRow& child : Children) {
        // A newer change made elsewhere stays; an older one gives way (no UPDATE: the journal's
        // role may only select, insert and delete).
        query.prepare(
            QStringLiteral("DELETE FROM kvarnel.children WHERE id = CAST(? AS uuid) AND changed < CAST(? AS bigint)"));
        query.addBindValue(child.Uuid);
        query.addBindValue(child.Changed);
        if (!query.exec()) return Fail(query);
        query.prepare(QStringLiteral(
            "INSERT INTO kvarnel.children(id, name, name_key, picture, created, host, changed) SELECT CAST(? AS uuid), "
            "CAST(? AS text), CAST(? AS text), CAST(? AS text), CAST(? AS bigint), CAST(? AS text), CAST(? AS bigint) "
            "WHERE NOT EXISTS (SELECT 1 FROM kvarnel.removals WHERE child = CAST(? AS uuid) AND child_removed) AND NOT "
            "EXISTS (SELECT 1 FROM kvarnel.merges WHERE gone = CAST(? AS uuid)) ON CONFLICT (id) DO NOTHING"));
        for (const QVariant& value :
             {QVariant(child.Uuid), Text(child.Name), Text(child.NameKey), Text(child.Picture), QVariant(child.Created),
              Text(child.Host), QVariant(child.Changed), QVariant(child.Uuid), QVariant(child.Uuid)})
            query.addBindValue(value);
        if (!query.exec()) return Fail(query);
    }
    query.finish();
    return Commit();
}

bool TJournalDatabase::SendRemoval(const TRemovalRow& Removal)
{
    if (!Begin() || !Exec(QStringLiteral("LOCK TABLE kvarnel.removals IN SHARE ROW EXCLUSIVE MODE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(QStringLiteral(
        "INSERT INTO kvarnel.removals(child, answers_until, child_removed, removed_at) VALUES(CAST(? AS uuid), "
        "CAST(? AS bigint), CAST(? AS boolean), CAST(? AS bigint)) ON CONFLICT DO NOTHING"));
    for (const QVariant& value : {QVariant(Removal.ChildUuid), QVariant(Removal.AnswersUntil),
                                  QVariant(Removal.ChildRemoved), QVariant(Removal.RemovedAt)})
        query.addBindValue(value);
    if (!query.exec()) return Fail(query);
    query.prepare(QStringLiteral("DELETE FROM kvarnel.answers WHERE child = CAST(? AS uuid) AND time <= CAST(? AS bigint)"));
    query.addBindValue(Removal.ChildUuid);
    query.addBindValue(Removal.AnswersUntil);
    if (!query.exec()) return Fail(query);
    if (Removal.ChildRemoved) {
        query.prepare(QStringLiteral("DELETE FROM kvarnel.children WHERE id = CAST(? AS uuid)"));
        query.addBindValue(Removal.ChildUuid);
        if (!query.exec()) return Fail(query);
    }
    query.finish();
    return Commit();
}

bool TJournalDatabase::SendMerge(const TMergeRow& Merge)
{
    if (!Begin() || !Exec(QStringLiteral("LOCK TABLE kvarnel.removals IN SHARE ROW EXCLUSIVE MODE"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    // The kept child may itself have been merged into another meanwhile: follow it.
    query.prepare(
        QStringLiteral("SELECT COALESCE((SELECT kept::text FROM kvarnel.merges WHERE gone = CAST(? AS uuid)), ?)"));
    query.addBindValue(Merge.Kept);
    query.addBindValue(Merge.Kept);
    if (!query.exec() || !query.next()) return Fail(query);
    const QString kept = query.value(0).toString();
    const auto run = [&](const QString& Sql, const QVariantList& Values) {
        query.prepare(Sql);
        for (const QVariant& value : Values) query.addBindValue(value);
        return query.exec() || Fail(query);
    };
    if (!run(QStringLiteral("INSERT INTO kvarnel.merges(gone, kept, merged_at) VALUES(CAST(? AS uuid), CAST(? AS uuid), "
                            "CAST(? AS bigint)) ON CONFLICT DO NOTHING"),
             {Merge.Gone, kept, Merge.MergedAt}) ||
        // Entries merged into the gone one before lead to the kept one (moved rows: no UPDATE right).
        !run(QStringLiteral("WITH old AS (DELETE FROM kvarnel.merges WHERE kept = CAST(? AS uuid) RETURNING gone, "
                            "merged_at) INSERT INTO kvarnel.merges(gone, kept, merged_at) SELECT gone, CAST(? AS uuid), "
                            "merged_at FROM old"),
             {Merge.Gone, kept}) ||
        !run(QStringLiteral("WITH moved AS (DELETE FROM kvarnel.answers WHERE child = CAST(? AS uuid) RETURNING *) INSERT "
                            "INTO kvarnel.answers(id, child, time, utc_offset, game, mode, asked, picked, word, position, "
                            "is_right, first_try, seq) SELECT id, CAST(? AS uuid), time, utc_offset, game, mode, asked, "
                            "picked, word, position, is_right, first_try, seq FROM moved"),
             {Merge.Gone, kept}) ||
        !run(QStringLiteral("DELETE FROM kvarnel.children WHERE id = CAST(? AS uuid)"), {Merge.Gone}))
        return false;
    query.finish();
    return Commit();
}

bool TJournalDatabase::Read(std::vector<TChildRow>& Children, std::vector<TMergeRow>& Merges,
                            std::vector<TRemovalRow>& Removals)
{
    Children.clear();
    Merges.clear();
    Removals.clear();
    if (!Begin(QStringLiteral("ISOLATION LEVEL REPEATABLE READ READ ONLY"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT id::text, name, picture, created, name_key, host, changed FROM kvarnel.children ORDER BY created, id")))
        return Fail(query);
    while (query.next())
        Children.push_back({0, query.value(1).toString(), query.value(2).toString(), query.value(3).toLongLong(),
                            query.value(0).toString(), query.value(4).toString(), query.value(5).toString(),
                            query.value(6).toLongLong()});
    if (!query.exec(QStringLiteral("SELECT gone::text, kept::text, merged_at FROM kvarnel.merges ORDER BY merged_at")))
        return Fail(query);
    while (query.next())
        Merges.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    if (!query.exec(QStringLiteral(
            "SELECT child::text, answers_until, child_removed, removed_at FROM kvarnel.removals ORDER BY removed_at")))
        return Fail(query);
    while (query.next())
        Removals.push_back(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toBool(), query.value(3).toLongLong()});
    query.finish();
    return Commit();
}

bool TJournalDatabase::SummaryRows(const QString& ChildUuid, const TPickSelection& Picks, qint64 SinceTime, int GapCap,
                                   const std::vector<qint64>& MoreTimes, const QStringList& Unsent, TSummaryRows& Rows,
                                   QStringList& Known)
{
    Rows = {};
    Known.clear();
    if (!Begin(QStringLiteral("ISOLATION LEVEL REPEATABLE READ READ ONLY"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    const auto run = [&](const QString& Sql, const QVariantList& Values) {
        query.prepare(Sql);
        for (const QVariant& value : Values) query.addBindValue(value);
        return query.exec() || Fail(query);
    };
    // The newest picks per game, mode and letter as Picks selects them, each group read backwards
    // from its index.
    QString games;
    QVariantList values{ChildUuid};
    for (const int game : Picks.LeftOutGames) {
        games += QStringLiteral(" AND game <> CAST(? AS smallint)");
        values << game;
    }
    if (const QString reads = ReadsCondition(Picks); !reads.isEmpty()) games += QStringLiteral(" AND ") + reads;
    values << ChildUuid << Picks.Newest;
    const QString tries = Picks.FirstTriesOnly ? QStringLiteral(" AND a.first_try") : QString();
    if (!run(QStringLiteral("SELECT g.game, g.mode, g.asked, p.is_right, p.time, p.seq FROM (SELECT DISTINCT game, mode, "
                            "asked FROM kvarnel.answers WHERE child = CAST(? AS uuid)%1) AS g CROSS JOIN LATERAL (SELECT "
                            "is_right, time, seq FROM kvarnel.answers AS a WHERE a.child = CAST(? AS uuid) AND a.game = "
                            "g.game AND a.mode = g.mode AND a.asked = g.asked%2 ORDER BY a.time DESC, a.seq DESC LIMIT "
                            "CAST(? AS integer)) AS p")
                 .arg(games, tries),
             values))
        return false;
    while (query.next())
        Rows.Newest.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                               query.value(3).toBool(), query.value(4).toLongLong(), query.value(5).toLongLong()});
    if (!run(QStringLiteral("SELECT asked, picked, COUNT(*), game, mode FROM kvarnel.answers WHERE child = CAST(? AS uuid) "
                            "AND NOT is_right AND asked <> picked GROUP BY game, mode, asked, picked"),
             {ChildUuid}))
        return false;
    while (query.next())
        Rows.Pairs.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                              query.value(3).toInt(), query.value(4).toInt()});
    if (!run(QStringLiteral("SELECT DISTINCT game, mode, asked FROM kvarnel.answers WHERE child = CAST(? AS uuid)"),
             {ChildUuid}))
        return false;
    while (query.next()) Rows.Met.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString()});
    if (!run(QStringLiteral("SELECT DISTINCT (time + utc_offset) / 86400 FROM kvarnel.answers WHERE child = CAST(? AS "
                            "uuid) AND time >= CAST(? AS bigint) ORDER BY 1"),
             {ChildUuid, SinceTime}))
        return false;
    while (query.next()) Rows.Days.push_back(query.value(0).toLongLong());
    // Time played over every computer's answers together: each gap to the child's previous answer, capped.
    // (LEAST skips a NULL: the first answer's missing gap is left out by hand.)
    if (!run(QStringLiteral("SELECT COALESCE(SUM(LEAST(gap, CAST(? AS bigint))), 0) FROM (SELECT time - lag(time) OVER "
                            "(ORDER BY time) AS gap FROM (SELECT time FROM kvarnel.answers WHERE child = CAST(? AS uuid) "
                            "UNION ALL SELECT unnest(CAST(? AS bigint[]))) AS t) AS g WHERE gap IS NOT NULL"),
             {GapCap, ChildUuid, ArrayLiteral(MoreTimes)}))
        return false;
    query.next();  // an aggregate: always one row
    Rows.PlaySeconds = query.value(0).toLongLong();
    if (!Unsent.isEmpty()) {
        if (!run(QStringLiteral("SELECT id::text FROM kvarnel.answers WHERE id = ANY(CAST(? AS uuid[]))"),
                 {ArrayLiteral(Unsent)}))
            return false;
        while (query.next()) Known << query.value(0).toString();
    }
    query.finish();
    return Commit();
}

bool TJournalDatabase::ForEachAnswer(const QString& ChildUuid, const std::function<void(const TSharedAnswer&)>& Visit)
{
    if (!Begin(QStringLiteral("ISOLATION LEVEL REPEATABLE READ READ ONLY"))) return false;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT id::text, child::text, time, utc_offset, game, mode, asked, picked, word, position, "
                       "is_right, first_try, seq FROM kvarnel.answers%1 ORDER BY time, seq")
            .arg(ChildUuid.isEmpty() ? QString() : QStringLiteral(" WHERE child = CAST(? AS uuid)")));
    if (!ChildUuid.isEmpty()) query.addBindValue(ChildUuid);
    if (!query.exec()) return Fail(query);
    TSharedAnswer answer;
    while (query.next()) {
        answer.Uuid = query.value(0).toString();
        answer.ChildUuid = query.value(1).toString();
        answer.Row = {query.value(2).toLongLong(), query.value(3).toInt(),    0,
                      query.value(4).toInt(),      query.value(5).toInt(),    query.value(6).toString(),
                      query.value(7).toString(),   query.value(8).toString(), query.value(9).toInt(),
                      query.value(10).toBool(),    query.value(11).toBool()};
        answer.LocalId = query.value(12).toLongLong();
        Visit(answer);
    }
    query.finish();
    return Commit();
}

qint64 TJournalDatabase::CountAnswers(const QString& ChildUuid)
{
    if (!FOpen) return -1;
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.prepare(ChildUuid.isEmpty()
                      ? QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")
                      : QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers WHERE child = CAST(? AS uuid)"));
    if (!ChildUuid.isEmpty()) query.addBindValue(ChildUuid);
    if (query.exec() && query.next()) return query.value(0).toLongLong();
    Fail(query);
    return -1;
}
