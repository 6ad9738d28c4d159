#include "progress/JournalReader.h"

#include "platform/storage/ProgressDatabase.h"

TProgressDatabase* TJournalReader::TSide::Local()
{
    if (!FLocal) {
        FLocal = std::make_unique<TProgressDatabase>(FPath);
        if (FLocal->Open(false) != progressdb::TOpenState::osOpen) FLocal.reset();
    }
    return FLocal.get();
}

TJournalDatabase* TJournalReader::TSide::Journal()
{
    if (!FSettings) return nullptr;
    if (!FJournal) FJournal = std::make_unique<TJournalDatabase>(*FSettings);
    if (!FJournal->IsOpen() && FJournal->Connect(false) != journaldb::TOutcome::joConnected) return nullptr;
    return FJournal.get();
}

bool TJournalReader::TSide::Read(const std::function<bool(TJournalDatabase&)>& Read)
{
    const bool kept = FJournal && FJournal->IsOpen();
    TJournalDatabase* journal = Journal();
    if (!journal) return false;
    if (Read(*journal)) return true;
    // A failed statement closed the connection: Journal() connects anew.
    journal = kept ? Journal() : nullptr;
    return journal && Read(*journal);
}

TJournalReader::TJournalReader(const QString& Path) : FPath(Path) {}

TJournalReader::~TJournalReader()
{
    {
        std::lock_guard lock(FMutex);
        FEnding = true;
        FWaiting.clear();
    }
    FWake.notify_all();
    if (FThread.joinable()) FThread.join();
}

void TJournalReader::Ask(TKind Kind, std::function<void(TSide&)> Job)
{
    {
        std::lock_guard lock(FMutex);
        if (FEnding) return;
        FWaiting[Kind] = std::move(Job);
        if (!FThread.joinable()) FThread = std::thread([this] { Run(); });
    }
    FWake.notify_all();
}

void TJournalReader::SetSettings(const std::optional<journaldb::TJournalSettings>& Settings)
{
    std::lock_guard lock(FMutex);
    FSettings = Settings;
    ++FGeneration;
}

void TJournalReader::Run()
{
    TSide side;
    side.FPath = FPath;
    for (;;) {
        std::function<void(TSide&)> job;
        {
            std::unique_lock lock(FMutex);
            FWake.wait(lock, [this] { return FEnding || !FWaiting.empty(); });
            if (FEnding) break;
            job = std::move(FWaiting.begin()->second);
            FWaiting.erase(FWaiting.begin());
            if (side.FSettingsRead != FGeneration) {
                // Other settings: the connection made with the former ones goes.
                side.FJournal.reset();
                side.FSettings = FSettings;
                side.FSettingsRead = FGeneration;
            }
        }
        job(side);
    }
}
