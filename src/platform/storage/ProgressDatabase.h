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
    QString Uuid;        // the child's id on every computer of a group
    QString NameKey;     // NameKey(Name): what names are compared by
    QString Host;        // the computer the child was added on
    qint64 Changed = 0;  // when the name or picture last changed here or on the computer it came from (ms)
};

// An answer as the group's journal keeps it: the local row with the ids every computer shares.
struct TSharedAnswer {
    qint64 LocalId = 0;  // this file's row, to mark it sent; also the order answers were kept in here
    QString Uuid;
    QString ChildUuid;
    TAnswerRow Row;
};

// A child's answers removed up to a time (or the child itself) on some computer: a tombstone that
// keeps another computer from sending them again.
struct TRemovalRow {
    QString ChildUuid;
    qint64 AnswersUntil = 0;  // answers kept at or before this time (seconds) are gone
    bool ChildRemoved = false;
    qint64 RemovedAt = 0;
};

// Two entries of one child joined: Gone's answers belong to Kept from then on.
struct TMergeRow {
    QString Gone;
    QString Kept;
    qint64 MergedAt = 0;
};

// The key names are compared by, the same in this file and in the journal: case folded, ё read as е,
// runs of spaces as one (a database's own lower() does not fold Cyrillic under every collation).
QString NameKey(const QString& Name);
// A fresh id of the program's own making (a random UUID, lower-case, without braces).
QString NewUuid();

// A pick as the mastery reading needs it; Id is its place in the order kept.
struct TPick {
    int Game = 0;
    int Mode = 0;
    QString Asked;
    bool Right = false;
    qint64 Time = 0;
    qint64 Id = 0;
};

// A game, and one of its modes or every mode.
struct TGameMode {
    static constexpr int kEveryMode = -1;
    int Game = 0;
    int Mode = kEveryMode;
};

// Which picks NewestPicks reads: the caller's rule, as parameters of the query.
struct TPickSelection {
    int Newest = 0;                 // how many per (game, mode, letter asked), newest first
    bool FirstTriesOnly = false;    // only the first pick of each question
    std::vector<int> LeftOutGames;  // games none of whose picks are read (what they asked is still met)
    std::vector<TGameMode> Reads;   // the games and modes the rule reads at all; empty: every one
};

// Whether Selection's Reads take in an answer of Game and Mode.
bool Reads(const TPickSelection& Selection, int Game, int Mode);
// The same as an SQL condition on the columns game and mode (empty when Reads is; the numbers are
// the program's own, written in).
QString ReadsCondition(const TPickSelection& Selection);

struct TPairCount {
    QString Asked;
    QString Picked;
    int Count = 0;
    int Game = 0;  // the game and mode of those picks
    int Mode = 0;
};

struct TMet {
    int Game = 0;
    int Mode = 0;
    QString Asked;
};

// What the summary of one child is made of, read in one go (from this file or from the journal).
struct TSummaryRows {
    std::vector<TPick> Newest;  // the picks a TPickSelection selects
    std::vector<TPairCount> Pairs;
    std::vector<TMet> Met;
    std::vector<qint64> Days;
    qint64 PlaySeconds = 0;
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
    // Picks of another letter than the one asked, counted per (game, mode, asked, picked).
    std::vector<progressdb::TPairCount> WrongPicks(qint64 Child);
    // Every (game, mode, letter asked) that occurs.
    std::vector<progressdb::TMet> Met(qint64 Child);
    // Local days (days since the epoch in the offset kept with each answer) with answers since SinceTime.
    std::vector<qint64> LocalDays(qint64 Child, qint64 SinceTime);
    // The sum of the gaps between consecutive answers, each gap counted up to GapCap seconds.
    qint64 PlaySeconds(qint64 Child, int GapCap);
    // Integrity of the open file (PRAGMA integrity_check says "ok").
    bool IntegrityOk();

    // --- Sharing with a group's journal. Rows carry UUIDs; "sent" marks what the journal has. ---

    // The largest answer row id so far (0 for none): where "answers kept from now on" begins.
    qint64 LastAnswerId();
    // A child made here: a fresh UUID, its name key and this computer's name. The new id, or 0.
    qint64 AddSharedChild(const QString& Name, const QString& Picture, qint64 Created, const QString& Host);
    // A new name or picture, to be sent again (ChangedMs orders changes made on several computers).
    bool ChangeChild(qint64 Id, const QString& Name, const QString& Picture, qint64 ChangedMs);
    // The child and its answers removed, or its answers only (those kept up to AnswersUntil), each
    // leaving a tombstone to be sent to the journal. One transaction.
    bool RemoveChildLeavingTombstone(qint64 Id, qint64 RemovedAt);
    bool DeleteAnswersLeavingTombstone(qint64 Child, qint64 AnswersUntil);
    // Gone's answers become Kept's and Gone goes, leaving the merge to be sent. One transaction.
    bool MergeChildren(qint64 Gone, qint64 Kept, qint64 MergedAt);

    // Answers waiting to be sent: a child's (not the unnamed child's), with a row id above After.
    int CountUnsent(qint64 After);
    // Children added or changed, removals and merges made here that the journal has not got yet.
    int CountUnsentChanges();
    std::vector<progressdb::TSharedAnswer> Unsent(qint64 After, int Limit, qint64 Child = -1);
    bool MarkSent(const std::vector<qint64>& LocalIds);
    std::vector<progressdb::TChildRow> UnsentChildren();
    bool MarkChildSent(const QString& Uuid, qint64 Changed);
    std::vector<progressdb::TRemovalRow> UnsentRemovals();
    bool MarkRemovalSent(const progressdb::TRemovalRow& Removal);
    std::vector<progressdb::TMergeRow> UnsentMerges();
    bool MarkMergeSent(const QString& Gone);

    // What the journal answered, applied here in one transaction: its children (copied unless
    // changed here and not sent yet, or tombstoned here), its merges and its removals (which drop
    // this file's answers of those children, sent or not).
    // ChildrenGone tells whether a child of this file was merged into another or removed.
    bool ApplyJournal(const std::vector<progressdb::TChildRow>& Children, const std::vector<progressdb::TMergeRow>& Merges,
                      const std::vector<progressdb::TRemovalRow>& Removals, bool& ChildrenGone);
    // The child a child of this UUID is now: itself, the one it was merged into, or 0 when removed.
    qint64 ChildNow(const QString& Uuid);
    QString UuidOf(qint64 Child);
    // Answers of a damaged file that the journal does not have yet, read without writing to it:
    // kUnreadable when the file does not let them be counted, kNeverJoined when its setting
    // JoinedKey says it never belonged to a journal.
    static constexpr int kUnreadable = -1;
    static constexpr int kNeverJoined = -2;
    static int CountUnsentIn(const QString& Path, const QString& JoinedKey);

private:
    bool Exec(const QString& Sql);
    bool Migrate();
    bool GiveUuids(const QString& Table);
    bool FillSharedColumns();
    bool Fail(const class QSqlQuery& Query);
    progressdb::TOpenState StateOfError(int Code) const;

    QString FPath;
    QString FConnection;
    QString FLastError;
    int FLastCode = 0;
};
