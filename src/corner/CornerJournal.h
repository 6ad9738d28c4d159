#pragma once
// "Журнал группы", a part of the corner's "Успехи": where the group's journal is (server, port,
// database, user, password), "Проверить связь" (tried on the store's reading thread, told in one
// sentence) and "Сохранить" (into the user's settings file; the computer joins the journal at
// once). The journal's state stays in the corner's status line while the corner is open: connected,
// or why not and how many answers wait. A password is never shown back: its field stays empty, a
// password left empty keeps the one saved.
#include "platform/storage/JournalDatabase.h"

#include <QString>

#include <functional>

struct TCornerDesk;
struct TJournalStatus;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TProgressStore;

// Where the journal's settings are kept: the program's settings files, which the window hands over.
class IJournalSettingsFile {
public:
    virtual ~IJournalSettingsFile() = default;
    // The settings in force (an administrator's for the whole computer, the user's own over them).
    virtual journaldb::TJournalSettings Read() = 0;
    // Keeps the server, port, database and user of Settings in the user's own file, and its
    // password when WithPassword (the file then readable by its owner only). Empty, or the one
    // sentence that says why not.
    virtual QString Save(const journaldb::TJournalSettings& Settings, bool WithPassword) = 0;
};

// Whether Settings name a journal at all (a server or a database).
bool IsJournalSetUp(const journaldb::TJournalSettings& Settings);
// The journal's state for the status line ("Журнал группы: …"), empty when none is set up.
QString JournalStateSentence(const TJournalStatus& Status);
// What "Проверить связь" came to, in one sentence (Detail, the server's words, only for an error
// it gives no other name to).
QString CheckSentence(journaldb::TOutcome Outcome, const QString& Detail);

class TCornerJournal {
public:
    TCornerJournal(TCornerDesk& Desk, TProgressStore& Store, IJournalSettingsFile& File);
    ~TCornerJournal();

    // The part's widget, which "Успехи" shows beside the children.
    QGroupBox* Box() const { return FBox; }
    // The corner opened: the fields as saved, the state in the status line from now on, and the
    // question about earlier answers when this computer has joined a journal and it was never asked.
    void Opened();
    void Closed();

    void Check();
    void Save();
    // Asks whether this computer's earlier answers may go to the journal, once, if there are any.
    void AskAboutEarlierAnswers();
    void ShowState();

    QLineEdit* HostEdit() const { return FHost; }
    QLineEdit* PortEdit() const { return FPort; }
    QLineEdit* DatabaseEdit() const { return FDatabase; }
    QLineEdit* UserEdit() const { return FUser; }
    QLineEdit* PasswordEdit() const { return FPassword; }
    QLabel* ResultLabel() const { return FResult; }

    // Each time the state is shown while the corner is open (the journal may have brought children).
    std::function<void()> OnStateShown;

private:
    void ShowSaved();
    journaldb::TJournalSettings Typed();

    TCornerDesk& FDesk;
    TProgressStore& FStore;
    IJournalSettingsFile& FFile;
    QGroupBox* FBox;
    QLineEdit* FHost;
    QLineEdit* FPort;
    QLineEdit* FDatabase;
    QLineEdit* FUser;
    QLineEdit* FPassword;
    QLabel* FResult;
    QTimer* FStateTimer;
    int FChecks = 0;  // the checks asked for: only the latest one's answer is told
};
