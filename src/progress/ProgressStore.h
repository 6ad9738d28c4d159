#pragma once
// Each child's progress, kept in the user's data folder (progress.sqlite): the children, every
// answer the games announce, and the practice option. Keep costs the caller a queue push; the
// writing happens on a thread of its own. Opening decides once per run whether keeping is on: a
// file of a newer version is left untouched, a damaged one is moved aside for a fresh one, and a
// folder or disk that refuses writing stops the keeping calmly while the games go on.
#include "core/Answer.h"
#include "progress/Mastery.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class IDialogs;
class TProgressDatabase;
class TProgressWriter;

enum class TKeepingState {
    ksKeeping,  // answers are kept
    ksNewer,    // the file belongs to a later version of the program: nothing is read or written
    ksStopped,  // the folder or the disk refused writing: nothing more is kept this run
};

struct TChild {
    qint64 Id = 0;
    QString Name;
    QString Picture;
};

class TProgressStore {
public:
    // The folder the file lives in: the family's own folder (TContentRoots::UserFolder).
    static QString DefaultFolder();
    static QString FileName() { return QStringLiteral("progress.sqlite"); }

    // Opens Folder/progress.sqlite, telling the user through Dialogs (one box) when the file is
    // newer or was damaged. OnKept, when given, runs on the writing thread after each answer is
    // safely in the file.
    TProgressStore(const QString& Folder, IDialogs& Dialogs, std::function<void(const TAnswer&)> OnKept = {});
    ~TProgressStore();  // writes what is still queued
    TProgressStore(const TProgressStore&) = delete;
    TProgressStore& operator=(const TProgressStore&) = delete;

    TKeepingState State() const;
    // A calm sentence for "Успехи" when answers are not being kept, else empty.
    QString Note() const;

    // Who plays now: a child's id, or 0 for the unnamed child (no children set up).
    qint64 Player() const { return FPlayer; }
    void SetPlayer(qint64 Child) { FPlayer = Child; }

    // Queues the answer for the player now; never waits for the disk. Call on one thread.
    void Keep(const TAnswer& Answer);
    // Waits until everything queued is in the file (before reading it back).
    void Flush();

    std::vector<TChild> Children();
    // Empty on success, else the one sentence that says why not (the name refused, or not kept).
    QString AddChild(const QString& Name, const QString& Picture, qint64* NewId = nullptr);
    QString RenameChild(qint64 Id, const QString& Name);
    bool SetChildPicture(qint64 Id, const QString& Picture);
    bool RemoveChild(qint64 Id);  // with the child's answers
    bool DeleteProgress(qint64 Child);

    // "Экзамен: сначала трудные буквы", off unless set.
    bool HardLettersFirst();
    bool SetHardLettersFirst(bool On);

    TProgressSummary Summary(qint64 Child);
    // The table of Child's answers (every child's when Child < 0) at Path; empty, or one sentence.
    QString SaveTable(qint64 Child, const QString& Path);

private:
    void OpenFile(const QString& Path, IDialogs& Dialogs);
    void Stopped(const QString& Error);
    TChild* FindChild(std::vector<TChild>& Children, qint64 Id);

    std::unique_ptr<TProgressDatabase> FDatabase;  // this thread's connection; null unless keeping
    std::unique_ptr<TProgressWriter> FWriter;
    std::function<void(const TAnswer&)> FOnKept;
    std::atomic<TKeepingState> FState{TKeepingState::ksKeeping};
    std::atomic_bool FLogged{false};
    qint64 FPlayer = 0;
};
