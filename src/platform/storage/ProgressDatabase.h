#pragma once
// The progress file as SQLite sees it, through Qt SQL: one connection, its pragmas, the schema and
// its migrations, and the queries. Rows are plain values; what they mean (games, letters, children)
// is the progress folder's business. A TProgressDatabase is used only on the thread that made it.
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace progressdb {

// One kept pick. Time is whole seconds since the epoch (UTC), UtcOffset the local offset in seconds then.
struct TAnswerRow {
    qint64 Time = 0;
    int UtcOffset = 0;
    qint64 Child = 0;
    int Game = 0;
    int Mode = 0;
    QString Asked;
    QString Picked;
    QString Word;
    int Position = -1;
    bool Right = false;
    bool FirstTry = false;
};

struct TChildRow {
    qint64 Id = 0;
    QString Name;
    QString Picture;
    qint64 Created = 0;
};

// A pick as the mastery reading needs it; Id is its place in the order kept.
struct TPick {
    int Game = 0;
    int Mode = 0;
    QString Asked;
    bool Right = false;
    qint64 Time = 0;
    qint64 Id = 0;
};

// Which picks NewestPicks reads: the caller's rule, as parameters of the query.
struct TPickSelection {
    int Newest = 0;                 // how many per (game, mode, letter asked), newest first
    bool FirstTriesOnly = false;    // only the first pick of each question
    std::vector<int> LeftOutGames;  // games none of whose picks are read
};

struct TPairCount {
    QString Asked;
    QString Picked;
    int Count = 0;
};

struct TMet {
    int Game = 0;
    int Mode = 0;
    QString Asked;
};

enum class TOpenState {
    osOpen,        // ready to read and write
    osNewer,       // written by a later version: left untouched
    osDamaged,     // not a database, or failing its integrity check
    osUnwritable,  // the folder or disk refuses (read-only, full, no such folder)
};

enum class TWriteResult { wrDone, wrBusy, wrFailed };

}  // namespace progressdb

class TProgressDatabase {
public:
    // The schema this program writes; a file of a higher version is left alone.
    static int SchemaVersion();

    explicit TProgressDatabase(const QString& Path);
    ~TProgressDatabase();
    TProgressDatabase(const TProgressDatabase&) = delete;
    TProgressDatabase& operator=(const TProgressDatabase&) = delete;

    // Opens (creating the file if needed), checks the file, turns on WAL and brings the schema up
    // to date. CheckIntegrity runs PRAGMA integrity_check on an existing file (the first opening of a run).
    progressdb::TOpenState Open(bool CheckIntegrity);
    // The last error as SQLite gave it, for the log.
    QString LastError() const { return FLastError; }
    QString Path() const { return FPath; }

    // Moves the file and its -wal/-shm beside it as "<name>.damaged-<Date>" (a number added if
    // taken); the new name of the main file, or empty when it could not be moved.
    static QString MoveAside(const QString& Path, const QString& Date);

    // One short transaction each.
    progressdb::TWriteResult AddAnswer(const progressdb::TAnswerRow& Row);
    bool DeleteAnswers(qint64 Child);

    std::vector<progressdb::TChildRow> Children();
    qint64 AddChild(const QString& Name, const QString& Picture, qint64 Created);  // the new id, or 0
    bool UpdateChild(qint64 Id, const QString& Name, const QString& Picture);
    bool RemoveChild(qint64 Id);  // and the child's answers

    QString Setting(const QString& Key);
    bool SetSetting(const QString& Key, const QString& Value);

    // Every answer (of Child, or of everybody when Child < 0) in the order kept.
    bool ForEachAnswer(qint64 Child, const std::function<void(const progressdb::TAnswerRow&)>& Visit);
    // The picks Selection asks for, per (game, mode, letter asked) newest first (by time, then by id).
    std::vector<progressdb::TPick> NewestPicks(qint64 Child, const progressdb::TPickSelection& Selection);
    // Picks of another letter than the one asked, counted per (asked, picked).
    std::vector<progressdb::TPairCount> WrongPicks(qint64 Child);
    // Every (game, mode, letter asked) that occurs.
    std::vector<progressdb::TMet> Met(qint64 Child);
    // Local days (days since the epoch in the offset kept with each answer) with answers since SinceTime.
    std::vector<qint64> LocalDays(qint64 Child, qint64 SinceTime);
    // The sum of the gaps between consecutive answers, each gap counted up to GapCap seconds.
    qint64 PlaySeconds(qint64 Child, int GapCap);
    // Integrity of the open file (PRAGMA integrity_check says "ok").
    bool IntegrityOk();

private:
    bool Exec(const QString& Sql);
    bool Migrate();
    progressdb::TOpenState StateOfError(int Code) const;

    QString FPath;
    QString FConnection;
    QString FLastError;
    int FLastCode = 0;
};
