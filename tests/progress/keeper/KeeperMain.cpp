// A stand-in for the program as far as keeping answers goes, for the kill test:
//     progress_keeper FOLDER TAG COUNT
// keeps COUNT answers whose word is "TAG-<n>" (about one every millisecond) and writes "kept TAG-<n>"
// on stdout, unbuffered, as soon as each is safely in FOLDER/progress.sqlite.
#include "platform/widgets/Dialogs.h"
#include "progress/ProgressStore.h"

#include <QCoreApplication>

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
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    TLoggedDialogs dialogs;
    TProgressStore store(QString::fromLocal8Bit(argv[1]), dialogs, [](const TAnswer& Answer) {
        const QByteArray line = "kept " + Answer.Word.toUtf8() + '\n';
        if (::write(STDOUT_FILENO, line.constData(), static_cast<size_t>(line.size())) < 0) std::abort();
    });
    if (store.State() != TKeepingState::ksKeeping) return 3;
    for (int n = 0; n < count; ++n) {
        store.Keep({TGameKind::gkMakeWord, false, QStringLiteral("б"), QStringLiteral("д"),
                    QStringLiteral("%1-%2").arg(tag).arg(n), n % 5, n % 3 == 0, n % 2 == 0});
        std::this_thread::sleep_for(std::chrono::microseconds(700));
    }
    return 0;
}
