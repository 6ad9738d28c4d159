#pragma once
// Each child's progress, kept in the user's data folder (progress.sqlite): the children, every
// answer the games announce, and the practice option. Keep costs the caller a queue push; the
// writing happens on a thread of its own. Opening decides once per run whether keeping is on: a
// file of a newer version is left untouched, a damaged one is moved aside for a fresh one, and a
// folder or disk that refuses writing stops the keeping calmly while the games go on.
#include "core/Answer.h"
#include "platform/storage/JournalSender.h"
#include "progress/Mastery.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class IDialogs;
class TJournalDatabase;
class TJournalReader;
class TProgressDatabase;
class TProgressWriter;

enum class TKeepingState {
    ksKeeping,  // answers are kept
    ksNewer,    // the file belongs to a later version of the program: nothing is read or written
    ksStopped,  // the folder or the disk refused writing: nothing more is kept this run
};

struct TChild {
    // Spelled out so that {Id, Name, Picture} (a child as the lists show it) still reads cleanly.
    TChild(qint64 AId = 0, QString AName = {}, QString APicture = {}, QString AUuid = {}, QString AHost = {},
           QString AShown = {})
        : Id(AId),
          Name(std::move(AName)),
          Picture(std::move(APicture)),
          Uuid(std::move(AUuid)),
          Host(std::move(AHost)),
          Shown(std::move(AShown))
    {}

    qint64 Id = 0;
    QString Name;
    QString Picture;
    QString Uuid;  // the same on every computer of a group
    QString Host;  // the computer it was added on
    // The name as the lists show it: a second child of the same name (added on another computer
    // while the two did not see each other) has its computer's name after it, "Маша (class-3)",
    // until a grown-up renames or merges them.
    QString Shown;

    const QString& ShownName() const { return Shown.isEmpty() ? Name : Shown; }
};

// The group's journal as the store sees it: whether it answers, and how many answers wait here.
struct TJournalStatus {
    journaldb::TOutcome Outcome = journaldb::TOutcome::joNotSet;
    int Waiting = 0;         // answers kept here that the journal does not have yet (and may have: see consent)
    int WaitingChanges = 0;  // children added or changed, removals and merges not in the journal yet
    QString Detail;          // why not, for the log (never a password)
};

// Whether this computer's answers from before it joined the journal may go there too.
enum class TJournalConsent { jcUnasked, jcYes, jcNo };

class TProgressStore {
public:
    // The folder the file lives in: the family's own folder (TContentRoots::UserFolder).
    static QString DefaultFolder();
    static QString FileName() { return QStringLiteral("progress.sqlite"); }

    // Opens Folder/progress.sqlite, telling the user through Dialogs (one box) when the file is
    // newer or was damaged (and, InGroupJournal, how many of its answers had not reached the group's
    // journal yet). OnKept, when given, runs on the writing thread after each answer is safely in the file.
    TProgressStore(const QString& Folder, IDialogs& Dialogs, std::function<void(const TAnswer&)> OnKept = {},
                   bool InGroupJournal = false);
    ~TProgressStore();  // writes what is still queued
    TProgressStore(const TProgressStore&) = delete;
    TProgressStore& operator=(const TProgressStore&) = delete;

    TKeepingState State() const;
    // A calm sentence for "Успехи" when answers are not being kept, else empty.
    QString Note() const;

    // Who plays now: a child's id, or 0 for the unnamed child (no children set up).
    qint64 Player() const { return FPlayer; }
    void SetPlayer(qint64 Child);

    // Queues the answer for the player now; never waits for the disk. Call on one thread.
    void Keep(const TAnswer& Answer);
    // Waits until everything queued is in the file (before reading it back).
    void Flush();

    // This computer's children, those of the group's journal copied in whenever it answered.
    std::vector<TChild> Children();
    // Empty on success, else the one sentence that says why not (the name refused, or not kept).
    QString AddChild(const QString& Name, const QString& Picture, qint64* NewId = nullptr);
    QString RenameChild(qint64 Id, const QString& Name);
    bool SetChildPicture(qint64 Id, const QString& Picture);
    // Removing a child, or its answers, removes them from the group's journal too, and keeps any
    // other computer from sending them again.
    bool RemoveChild(qint64 Id);  // with the child's answers
    bool DeleteProgress(qint64 Child);
    // Two entries of one child made one: Gone's answers become Kept's, here and in the journal.
    bool MergeChildren(qint64 Gone, qint64 Kept);
    // The computer's name kept with the children added here (the host name unless set).
    void SetComputerName(const QString& Name) { FComputerName = Name; }

    // Shares the answers and children with a group's journal from now on (again with other
    // settings, or stops with LeaveJournal). Play never waits for it: answers are kept here first
    // and sent by a thread of the store's. The first joining marks where "from then on" starts.
    void UseJournal(const journaldb::TJournalSettings& Settings, const journaldb::TSenderOptions& Options = {});
    void LeaveJournal();
    TJournalStatus JournalStatus();
    // The sender's last outcome alone, without counting what waits in the file (cheap to ask often).
    journaldb::TOutcome JournalOutcome();
    // "Только этот компьютер: нет связи с журналом группы" while a journal is set up and the
    // summaries come from this computer alone, else empty.
    QString JournalNote();
    // Until a "yes", only answers kept after joining are sent.
    TJournalConsent JournalConsent();
    bool SetJournalConsent(bool Yes);
    // Answers kept here before this computer first joined a journal that wait for that yes.
    int EarlierAnswers();
    // What JournalNote says when the journal does not answer.
    static QString OnlyThisComputerNote();

    // "Экзамен: сначала трудные буквы", off unless set.
    bool HardLettersFirst();
    bool SetHardLettersFirst(bool On);

    // The summary for "Успехи": over the group's journal and the answers not sent yet when the
    // journal answers, else over this computer's answers (JournalNote says so).
    TProgressSummary Summary(qint64 Child);
    // Over this computer's answers alone, never waiting for the network (the games' practice order).
    TProgressSummary LocalSummary(qint64 Child);
    // The table of Child's answers (every child's when Child < 0) at Path; empty, or one sentence.
    QString SaveTable(qint64 Child, const QString& Path);

    // The same, and a check of the journal's settings, on the store's reading thread
    // (progress/JournalReader.h), for a window that must not wait on a server timing out. Done
    // runs later on this (the user-interface) thread, unless Receiver is gone by then; a request of
    // the same kind still waiting gives way to a newer one.
    // Summary's summary: FromJournal is false when it is this computer's alone.
    void SummaryLater(qint64 Child, QObject* Receiver, std::function<void(const TProgressSummary&, bool FromJournal)> Done);
    // SaveTable's table: the group's answers when the journal answers, else this computer's.
    void SaveTableLater(qint64 Child, const QString& Path, QObject* Receiver,
                        std::function<void(const QString& Refusal, bool FromJournal)> Done);
    // Connects with Settings (in use or not) as the sender would, making the tables when the role may.
    void CheckJournal(const journaldb::TJournalSettings& Settings, QObject* Receiver,
                      std::function<void(journaldb::TOutcome Outcome, const QString& Detail)> Done);

private:
    void OpenFile(const QString& Path, IDialogs& Dialogs, bool InGroupJournal);
    void Stopped(const QString& Error);
    TChild* FindChild(std::vector<TChild>& Children, qint64 Id);
    qint64 SendAfter();
    void WakeSender();
    bool JournalSummary(qint64 Child, TProgressSummary& Summary);
    TJournalReader& Reader();
    std::map<qint64, QString> ChildNames();

    std::unique_ptr<TProgressDatabase> FDatabase;  // this thread's connection; null unless keeping
    std::unique_ptr<TProgressWriter> FWriter;
    std::function<void(const TAnswer&)> FOnKept;
    std::atomic<TKeepingState> FState{TKeepingState::ksKeeping};
    std::atomic_bool FLogged{false};
    qint64 FPlayer = 0;
    QString FPlayerUuid;
    std::atomic_bool FChildrenGone{false};  // the journal removed or merged a child here
    QString FPath;
    QString FComputerName;
    journaldb::TJournalSettings FJournalSettings;
    std::unique_ptr<TJournalDatabase> FJournalReader;  // this thread's connection for summaries
    bool FSummaryFellBack = false;
    std::mutex FSenderMutex;  // the writing thread wakes the sender
    std::unique_ptr<TJournalSender> FSender;
    // The reading thread's answers reach this thread through the post box, which outlives it.
    std::unique_ptr<QObject> FPostBox;
    std::unique_ptr<TJournalReader> FReader;
};
