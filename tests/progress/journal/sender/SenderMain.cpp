// A stand-in for the program as far as the group's journal goes, for the kill test:
//     journal_sender FOLDER SOCKET_FOLDER PORT DATABASE USER PASSWORD TAG COUNT
// keeps COUNT answers of the child "Маша" (made if missing) whose word is "TAG-<n>", writing
// "kept TAG-<n>" on stdout as each is safely in FOLDER/progress.sqlite, while the store sends them
// to the journal in small batches. With COUNT 0 it sends what waits and says "all sent".
#include "platform/widgets/Dialogs.h"
#include "progress/ProgressStore.h"

#include <QCoreApplication>
#include <QThread>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {
class TLoggedDialogs : public IDialogs {
public:
    void ShowMessage(const QString&, const QString& Text) override { std::fprintf(stderr, "box: %s\n", qPrintable(Text)); }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    bool ExecutePrintDialog(IPrinter&) override { return false; }
};

void Say(const QByteArray& Line)
{
    if (::write(STDOUT_FILENO, Line.constData(), static_cast<size_t>(Line.size())) < 0) std::abort();
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 9) return 2;
    qputenv("PGGSSENCMODE", "disable");
    const QString tag = QString::fromLocal8Bit(argv[7]);
    const int count = std::atoi(argv[8]);
    TLoggedDialogs dialogs;
    TProgressStore store(QString::fromLocal8Bit(argv[1]), dialogs,
                         [](const TAnswer& Answer) { Say("kept " + Answer.Word.toUtf8() + '\n'); });
    if (store.State() != TKeepingState::ksKeeping) return 3;
    qint64 child = 0;
    for (const TChild& known : store.Children())
        if (known.Name == QStringLiteral("Маша")) child = known.Id;
    if (!child && !store.AddChild(QStringLiteral("Маша"), {}, &child).isEmpty()) return 4;
    store.SetPlayer(child);
    journaldb::TJournalSettings settings;
    settings.Host = QString::fromLocal8Bit(argv[2]);
    settings.Port = std::atoi(argv[3]);
    settings.Database = QString::fromLocal8Bit(argv[4]);
    settings.User = QString::fromLocal8Bit(argv[5]);
    settings.Password = QString::fromLocal8Bit(argv[6]);
    journaldb::TSenderOptions options;
    options.BatchSize = 50;
    options.FirstPause = std::chrono::milliseconds(20);
    options.LongestPause = std::chrono::milliseconds(100);
    options.Rest = std::chrono::milliseconds(20);
    store.UseJournal(settings, options);
    for (int n = 0; n < count; ++n) {
        store.Keep({TGameKind::gkExamination, n % 2 == 0, QStringLiteral("б"), QStringLiteral("д"),
                    QStringLiteral("%1-%2").arg(tag).arg(n), -1, n % 3 == 0, n % 2 == 0});
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    }
    if (count == 0) {
        for (int tries = 0; tries < 3000; ++tries) {
            const TJournalStatus status = store.JournalStatus();
            if (status.Outcome == journaldb::TOutcome::joConnected && status.Waiting == 0) {
                Say("all sent\n");
                return 0;
            }
            QThread::msleep(10);
        }
        return 5;
    }
    // Let the sending go on until the test kills the program.
    QThread::sleep(30);
    return 0;
}
