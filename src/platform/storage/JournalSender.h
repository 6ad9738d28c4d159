#pragma once
// Sends a progress file's news to a group's journal on a thread of its own, never the caller's:
// its removals and merges, then reads the group's children, merges and removals into the file,
// then its children and its answers in batches. A batch is one transaction on the journal and is
// marked sent in the file only after the journal's commit, so that a kill in between sends it
// again and the journal counts it once. While the journal cannot be reached the pauses between
// tries grow; new answers (Wake) or a quiet spell (Rest) start the next exchange.
#include "platform/storage/JournalDatabase.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace journaldb {

struct TSenderOptions {
    int BatchSize = 500;
    std::chrono::milliseconds FirstPause{1000};  // after the first failure; doubled after each next one
    std::chrono::milliseconds LongestPause{60000};
    std::chrono::milliseconds Rest{30000};  // how often the journal is read when nothing happens here
};

struct TSenderReport {
    TOutcome Outcome = TOutcome::joTrying;
    QString Detail;     // why not, in the server's or libpq's words
    qint64 Sent = 0;    // answers the journal accepted in this run
    int Exchanges = 0;  // exchanges completed in this run
};

}  // namespace journaldb

class TJournalSender {
public:
    // OnChildrenGone runs on the sending thread when the journal removed a child of the file or
    // merged it into another.
    TJournalSender(const QString& Path, const journaldb::TJournalSettings& Settings, journaldb::TSenderOptions Options,
                   std::function<void()> OnChildrenGone = {});
    // Ends after the statement under way (bounded by the statement timeout); nothing half-sent is marked.
    ~TJournalSender();
    TJournalSender(const TJournalSender&) = delete;
    TJournalSender& operator=(const TJournalSender&) = delete;

    // Something new to send: exchange now (or as soon as the pause after a failure is over).
    void Wake();
    // Answers with a row id up to After are kept back (not sent); 0 sends everything.
    void SetSendAfter(qint64 After);
    journaldb::TSenderReport Report() const;

private:
    void Run();
    bool Exchange(class TProgressDatabase& Local, TJournalDatabase& Journal);
    bool Ending() const;
    void SetReport(journaldb::TOutcome Outcome, const QString& Detail);

    const QString FPath;
    const journaldb::TJournalSettings FSettings;
    const journaldb::TSenderOptions FOptions;
    const std::function<void()> FOnChildrenGone;
    mutable std::mutex FMutex;
    std::condition_variable FWake;
    bool FWoken = true;  // the first exchange starts at once
    bool FEnding = false;
    qint64 FSendAfter = 0;
    journaldb::TSenderReport FReport;
    std::thread FThread;  // last: starts once everything above exists
};
