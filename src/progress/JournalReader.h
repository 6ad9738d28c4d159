#pragma once
// The progress store's thread for the work that may wait on the group's journal, so that the
// window never does: the summary for "Успехи", the table, and a check of settings not saved yet. A
// server that does not answer holds this thread up to its time-outs, never the window. The thread
// has connections of its own to the progress file and to the journal (each belongs to the thread
// that made it) and starts with the first request. A request still waiting is replaced by a newer
// one of the same kind: only the latest summary asked for matters.
#include "platform/storage/JournalDatabase.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class TProgressDatabase;

class TJournalReader {
public:
    enum class TKind { rkSummary, rkTable, rkCheck };

    // What a request works with, on the reader's thread.
    class TSide {
    public:
        // This computer's progress file; null when it does not open.
        TProgressDatabase* Local();
        // The journal with the settings in use, connected; null when none is set up or it does not answer.
        TJournalDatabase* Journal();
        // Runs Read on the journal. A connection kept from an earlier request that fails (the
        // server restarted meanwhile) is made anew once before Read is given up on.
        bool Read(const std::function<bool(TJournalDatabase&)>& Read);

    private:
        friend class TJournalReader;
        QString FPath;
        std::optional<journaldb::TJournalSettings> FSettings;
        int FSettingsRead = -1;  // the generation of the settings FJournal was made with
        std::unique_ptr<TProgressDatabase> FLocal;
        std::unique_ptr<TJournalDatabase> FJournal;
    };

    explicit TJournalReader(const QString& Path);
    // Ends after the request under way (bounded by the journal's time-outs); those waiting are dropped.
    ~TJournalReader();
    TJournalReader(const TJournalReader&) = delete;
    TJournalReader& operator=(const TJournalReader&) = delete;

    void Ask(TKind Kind, std::function<void(TSide&)> Job);
    // The journal later requests read (none: no journal).
    void SetSettings(const std::optional<journaldb::TJournalSettings>& Settings);

private:
    void Run();

    const QString FPath;
    std::mutex FMutex;
    std::condition_variable FWake;
    std::map<TKind, std::function<void(TSide&)>> FWaiting;
    std::optional<journaldb::TJournalSettings> FSettings;
    int FGeneration = 0;
    bool FEnding = false;
    std::thread FThread;  // started by the first request
};
