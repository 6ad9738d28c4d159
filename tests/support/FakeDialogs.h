#pragma once
// A recording stand-in for the program's modal dialogs: nothing blocks, every call is kept.
#include "platform/widgets/Dialogs.h"

#include <QString>
#include <functional>
#include <vector>

struct TDialogCall {
    enum TKind { Message, YesNo, Print, OpenFile, SaveFile } Kind;
    QString Title;
    QString Text;
};

class TFakeDialogs : public IDialogs {
public:
    std::vector<TDialogCall> Calls;
    bool YesNoAnswer = false;
    bool PrintAnswer = true;
    // The files the file dialogs answer with (empty: cancelled); a save dialog's proposed name is
    // kept as the call's Text.
    QString FileToOpen;
    QString FileToSave;
    // Runs while a box is "up", as the user's time before closing it (events, timers, sound go on).
    std::function<void(const TDialogCall&)> WhileUp;

    void ShowMessage(const QString& Title, const QString& Text) override { Record({TDialogCall::Message, Title, Text}); }
    bool AskYesNo(const QString& Title, const QString& Text) override
    {
        Record({TDialogCall::YesNo, Title, Text});
        return YesNoAnswer;
    }
    bool ExecutePrintDialog(IPrinter&) override
    {
        Record({TDialogCall::Print, QString(), QString()});
        return PrintAnswer;
    }

    QString ChooseFileToOpen(const QString& Title, const QString&) override
    {
        Record({TDialogCall::OpenFile, Title, QString()});
        return FileToOpen;
    }
    QString ChooseFileToSave(const QString& Title, const QString& Name, const QString&) override
    {
        Record({TDialogCall::SaveFile, Title, Name});
        return FileToSave;
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> out;
        for (const auto& c : Calls) out.push_back(c.Text);
        return out;
    }

private:
    void Record(const TDialogCall& Call)
    {
        Calls.push_back(Call);
        if (WhileUp) WhileUp(Call);
    }
};
