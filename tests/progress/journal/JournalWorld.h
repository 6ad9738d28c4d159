#pragma once
// What the journal tests share: computers (each a progress store in a folder of its own), a fresh
// journal database per test on the shared cluster, quick retries, and ways to wait and count.
#include "platform/storage/ProgressDatabase.h"
#include "progress/ProgressStore.h"
#include "support/FakeDialogs.h"
#include "support/PostgresCluster.h"
#include "support/Waiting.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

using journaldb::TOutcome;

inline journaldb::TSenderOptions QuickRetries()
{
    journaldb::TSenderOptions options;
    options.FirstPause = std::chrono::milliseconds(50);
    options.LongestPause = std::chrono::milliseconds(300);
    options.Rest = std::chrono::milliseconds(100);
    return options;
}

// A database of its own for one test, made anew.
inline QString FreshJournal(const QString& Name)
{
    TPostgresCluster& cluster = SharedCluster();
    cluster.Exec(QStringLiteral("postgres"), QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(Name));
    EXPECT_TRUE(cluster.CreateDatabase(Name)) << qPrintable(Name);
    return Name;
}

inline qint64 JournalCount(const QString& Database, const QString& Sql)
{
    return SharedCluster().Count(Database, Sql);
}

struct TComputer {
    QTemporaryDir Folder;
    TFakeDialogs Dialogs;
    std::unique_ptr<TProgressStore> Store;

    explicit TComputer(const QString& Name = {})
    {
        Store = std::make_unique<TProgressStore>(Folder.path(), Dialogs);
        if (!Name.isEmpty()) Store->SetComputerName(Name);
    }
    TProgressStore* operator->() { return Store.get(); }
    QString Path() const { return Folder.filePath(TProgressStore::FileName()); }

    qint64 AddChild(const QString& Name)
    {
        qint64 id = 0;
        EXPECT_EQ(Store->AddChild(Name, {}, &id), QString());
        return id;
    }
    qint64 ChildNamed(const QString& Name)
    {
        for (const TChild& child : Store->Children())
            if (child.Name == Name) return child.Id;
        return 0;
    }
    void Keep(qint64 Child, int Count, const QString& Letter = QStringLiteral("б"))
    {
        Store->SetPlayer(Child);
        for (int n = 0; n < Count; ++n)
            Store->Keep(
                {TGameKind::gkExamination, false, Letter, n % 4 ? Letter : QStringLiteral("д"), {}, -1, n % 4 != 0, true});
        Store->Flush();
    }
    // Everything kept or changed here is in the journal (answers kept back aside), and it answers.
    bool WaitSent(int Ms = 15000)
    {
        return WaitUntil(
            [&] {
                const TJournalStatus status = Store->JournalStatus();
                return status.Outcome == TOutcome::joConnected && status.Waiting == 0 && status.WaitingChanges == 0;
            },
            Ms);
    }
    bool WaitOutcome(TOutcome Outcome, int Ms = 15000)
    {
        return WaitUntil([&] { return Store->JournalStatus().Outcome == Outcome; }, Ms);
    }
};

// A row written straight into a progress file, with the time given (seconds since the epoch).
inline progressdb::TAnswerRow RowAt(qint64 Time, qint64 Child, int Game, int Mode, const QString& Asked,
                                    const QString& Picked, bool FirstTry = true)
{
    progressdb::TAnswerRow row;
    row.Time = Time;
    row.UtcOffset = 3 * 3600;
    row.Child = Child;
    row.Game = Game;
    row.Mode = Mode;
    row.Asked = Asked;
    row.Picked = Picked;
    row.Right = Asked == Picked && Game != 0;
    row.FirstTry = FirstTry;
    return row;
}
