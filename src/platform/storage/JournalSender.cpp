#include "platform/storage/JournalSender.h"

#include "platform/Log.h"
#include "platform/storage/ProgressDatabase.h"

#include <algorithm>

using namespace journaldb;
using namespace progressdb;

TJournalSender::TJournalSender(const QString& Path, const TJournalSettings& Settings, TSenderOptions Options,
                               std::function<void()> OnChildrenGone)
    : FPath(Path), FSettings(Settings), FOptions(Options), FOnChildrenGone(std::move(OnChildrenGone)), FThread([this] {
          Run();
      })
{}

TJournalSender::~TJournalSender()
{
    {
        std::lock_guard lock(FMutex);
        FEnding = true;
    }
    FWake.notify_all();
    FThread.join();
}

void TJournalSender::Wake()
{
    {
        std::lock_guard lock(FMutex);
        FWoken = true;
    }
    FWake.notify_all();
}

void TJournalSender::SetSendAfter(qint64 After)
{
    {
        std::lock_guard lock(FMutex);
        FSendAfter = After;
        FWoken = true;
    }
    FWake.notify_all();
}

TSenderReport TJournalSender::Report() const
{
    std::lock_guard lock(FMutex);
    return FReport;
}

bool TJournalSender::Ending() const
{
    std::lock_guard lock(FMutex);
    return FEnding;
}

void TJournalSender::SetReport(TOutcome Outcome, const QString& Detail)
{
    bool changed = false;
    {
        std::lock_guard lock(FMutex);
        changed = FReport.Outcome != Outcome;
        FReport.Outcome = Outcome;
        FReport.Detail = Detail;
    }
    if (changed && Outcome != TOutcome::joConnected)
        qCWarning(lcPlatform) << "The group's journal is not reached:" << Detail;
    else if (changed)
        qCInfo(lcPlatform) << "The group's journal is reached";
}

void TJournalSender::Run()
{
    // Both connections belong to this thread.
    TProgressDatabase local(FPath);
    if (local.Open(false) != TOpenState::osOpen) {
        SetReport(TOutcome::joOtherError, QStringLiteral("the progress file: ") + local.LastError());
        return;
    }
    TJournalDatabase journal(FSettings);
    auto pause = FOptions.FirstPause;
    for (;;) {
        bool failed = false;
        if (!journal.IsOpen()) {
            const TOutcome outcome = journal.Connect(true);
            if (outcome != TOutcome::joConnected) {
                SetReport(outcome, journal.LastError());
                failed = true;
            }
        }
        if (!failed) {
            if (Exchange(local, journal)) {
                SetReport(TOutcome::joConnected, {});
                pause = FOptions.FirstPause;
                {
                    std::lock_guard lock(FMutex);
                    ++FReport.Exchanges;
                }
            } else if (!Ending()) {
                SetReport(journal.IsOpen() ? TOutcome::joOtherError : journal.LastOutcome(),
                          journal.IsOpen() ? local.LastError() : journal.LastError());
                journal.Close();
                failed = true;
            }
        }
        std::unique_lock lock(FMutex);
        if (failed) {
            // A failure waits out its pause whatever arrives meanwhile: a server that is down is not
            // asked again for every answer.
            FWake.wait_for(lock, pause, [this] { return FEnding; });
            pause = std::min(pause * 2, FOptions.LongestPause);
            FWoken = false;
        } else {
            FWake.wait_for(lock, FOptions.Rest, [this] { return FEnding || FWoken; });
            FWoken = false;
        }
        if (FEnding) break;
    }
}

bool TJournalSender::Exchange(TProgressDatabase& Local, TJournalDatabase& Journal)
{
    // What was removed or merged here goes first, so that what is read back already holds it.
    for (const TRemovalRow& removal : Local.UnsentRemovals())
        if (!Journal.SendRemoval(removal) || !Local.MarkRemovalSent(removal)) return false;
    for (const TMergeRow& merge : Local.UnsentMerges())
        if (!Journal.SendMerge(merge) || !Local.MarkMergeSent(merge.Gone)) return false;
    std::vector<TChildRow> children;
    std::vector<TMergeRow> merges;
    std::vector<TRemovalRow> removals;
    bool childrenGone = false;
    if (!Journal.Read(children, merges, removals) || !Local.ApplyJournal(children, merges, removals, childrenGone))
        return false;
    if (childrenGone && FOnChildrenGone) FOnChildrenGone();
    const std::vector<TChildRow> mine = Local.UnsentChildren();
    if (!Journal.SendChildren(mine)) return false;
    for (const TChildRow& child : mine)
        if (!Local.MarkChildSent(child.Uuid, child.Changed)) return false;
    for (;;) {
        qint64 after = 0;
        {
            std::lock_guard lock(FMutex);
            if (FEnding) return true;
            after = FSendAfter;
        }
        const std::vector<TSharedAnswer> batch = Local.Unsent(after, FOptions.BatchSize);
        if (batch.empty()) return true;
        if (!Journal.SendAnswers(batch)) return false;
        std::vector<qint64> ids;
        ids.reserve(batch.size());
        for (const TSharedAnswer& answer : batch) ids.push_back(answer.LocalId);
        // A kill here sends the batch again next time; the journal keeps it once.
        if (!Local.MarkSent(ids)) return false;
        std::lock_guard lock(FMutex);
        FReport.Sent += static_cast<qint64>(batch.size());
    }
}
