#pragma once
// A group's journal as PostgreSQL sees it, through Qt SQL's PostgreSQL driver (libpq underneath:
// TLS, ~/.pgpass and the PG* variables work as in every libpq program): one connection, the
// schema "kvarnel" and its migrations, and the queries that send, read and sum up. Like the
// progress file's, the rows are plain values, and a TJournalDatabase is used only on the thread
// that made it.
#include "platform/storage/ProgressDatabase.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace journaldb {

// Where the journal is. An empty Host means libpq's default (PGHOST, or the local socket); a Host
// beginning with "/" is a socket folder. An empty Password leaves it to ~/.pgpass or PGPASSWORD.
struct TJournalSettings {
    QString Host;
    int Port = 5432;
    QString Database;
    QString User;
    QString Password;
    QString SslMode;      // libpq's sslmode ("require", "verify-full"…); empty: libpq's default
    QString SslRootCert;  // the authority's certificate for verify-ca / verify-full
    int ConnectTimeoutSeconds = 5;
    int StatementTimeoutMs = 10000;  // a server that holds a statement longer is taken as not answering
};

// What connecting, or a statement on an open connection, came to.
enum class TOutcome {
    joNotSet,          // no journal is set up
    joTrying,          // set up, not answered yet
    joConnected,       // tables of this program's version (made or brought up to date if needed)
    joWrongPassword,   // the server refused the user or password
    joServerNotFound,  // no server at that address, or it does not answer in time
    joNoDatabase,      // the server answers but has no database of that name
    joNoTables,        // the tables are missing (or older) and the role may not make them
    joNewer,           // the journal belongs to a later version of the program: left alone
    joNoDriver,        // Qt's PostgreSQL driver (libqt6sql6-psql) is not installed
    joOtherError,      // anything else (no such database, a refused statement…): see the detail
};

}  // namespace journaldb

class TJournalDatabase {
public:
    // The journal schema this program writes; a journal of a higher version is left alone.
    static int SchemaVersion();
    static bool DriverAvailable();
    // The schema's tables as the program makes them, statement by statement (the administrator's
    // script packaging/kvarnel-journal.sql makes the same).
    static QStringList SchemaStatements(int FromVersion);

    explicit TJournalDatabase(const journaldb::TJournalSettings& Settings);
    ~TJournalDatabase();
    TJournalDatabase(const TJournalDatabase&) = delete;
    TJournalDatabase& operator=(const TJournalDatabase&) = delete;

    // Opens the connection and checks the journal's version; with Migrate, makes or brings up to
    // date the tables when the role may (one transaction under an advisory lock: many computers
    // start at once). Anything but joConnected leaves the connection closed.
    journaldb::TOutcome Connect(bool Migrate);
    bool IsOpen() const { return FOpen; }
    void Close();
    // What the last failure was (the server's or libpq's words; never the password), and what it
    // means for the connection: after a failed statement the connection is closed.
    QString LastError() const { return FLastError; }
    journaldb::TOutcome LastOutcome() const { return FLastOutcome; }

    // Each one transaction; false (and closed) on any failure, so that nothing is half done.
    // Answers are inserted once whatever is sent twice (ON CONFLICT on their UUID), go to the child
    // another was merged into, and are refused for a removed child or answers removed since.
    bool SendAnswers(const std::vector<progressdb::TSharedAnswer>& Answers);
    bool SendChildren(const std::vector<progressdb::TChildRow>& Children);
    bool SendRemoval(const progressdb::TRemovalRow& Removal);
    bool SendMerge(const progressdb::TMergeRow& Merge);
    // The group's children, merges and removals, read at one moment.
    bool Read(std::vector<progressdb::TChildRow>& Children, std::vector<progressdb::TMergeRow>& Merges,
              std::vector<progressdb::TRemovalRow>& Removals);

    // The rows of one child's summary over the journal's answers, with the parameters the
    // progress file's queries take: the picks Picks selects (as TProgressDatabase::NewestPicks
    // does), the wrong-pick pairs, the letters met, the local days since SinceTime, and the
    // time played over the journal's answers and MoreTimes (answers not sent yet), each gap up to
    // GapCap. Known receives which of the UUIDs Unsent the journal already has.
    bool SummaryRows(const QString& ChildUuid, const progressdb::TPickSelection& Picks, qint64 SinceTime, int GapCap,
                     const std::vector<qint64>& MoreTimes, const QStringList& Unsent, progressdb::TSummaryRows& Rows,
                     QStringList& Known);

    // Every answer of one child (of everybody when ChildUuid is empty) in the order kept: by time,
    // then by each computer's own order. The row's Child is left 0: the caller knows its children by UUID.
    bool ForEachAnswer(const QString& ChildUuid, const std::function<void(const progressdb::TSharedAnswer&)>& Visit);

    // Counts for the tests and benchmarks: answers of one child (of everybody when empty).
    qint64 CountAnswers(const QString& ChildUuid = {});

private:
    bool Exec(const QString& Sql);
    bool Fail(const class QSqlQuery& Query);
    bool FailWith(const class QSqlError& Error);
    bool Begin(const QString& How = {});
    bool Commit();
    journaldb::TOutcome Prepare(bool Migrate);

    journaldb::TJournalSettings FSettings;
    QString FConnection;
    QString FLastError;
    journaldb::TOutcome FLastOutcome = journaldb::TOutcome::joTrying;
    bool FOpen = false;
};
