#pragma once
// A progress store in a temporary folder, with recording dialogs, and quick ways to make answers.
#include "platform/storage/ProgressDatabase.h"
#include "progress/ProgressStore.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <vector>

inline TAnswer Exam(const QString& Asked, const QString& Picked, bool FirstTry = true, bool Sounds = false)
{
    return {TGameKind::gkExamination, Sounds, Asked, Picked, {}, -1, Asked == Picked, FirstTry};
}

inline TAnswer FindLetter(const QString& Asked, const QString& Picked, const QString& Word, bool FirstTry = true)
{
    return {TGameKind::gkFindLetter, false, Asked, Picked, Word, -1, Asked == Picked, FirstTry};
}

inline TAnswer Heard(const QString& Letter, bool Sounds)
{
    return {TGameKind::gkLearning, Sounds, Letter, Letter, {}, -1, false, true};
}

struct TProgressWorld {
    QTemporaryDir Folder;
    TFakeDialogs Dialogs;
    std::unique_ptr<TProgressStore> Store;

    QString Path() const { return Folder.filePath(TProgressStore::FileName()); }
    TProgressStore& Open()
    {
        Store = std::make_unique<TProgressStore>(Folder.path(), Dialogs);
        return *Store;
    }
    void Keep(const std::vector<TAnswer>& Answers)
    {
        for (const auto& answer : Answers) Store->Keep(answer);
        Store->Flush();
    }
    std::vector<progressdb::TAnswerRow> Rows()
    {
        Store->Flush();
        std::vector<progressdb::TAnswerRow> rows;
        TProgressDatabase database(Path());
        EXPECT_EQ(database.Open(false), progressdb::TOpenState::osOpen);
        database.ForEachAnswer(-1, [&](const progressdb::TAnswerRow& Row) { rows.push_back(Row); });
        return rows;
    }
};
