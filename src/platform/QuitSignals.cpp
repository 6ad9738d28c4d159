#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace {

// The handler may only touch these: a pipe's write end and a flag.
int GSignalPipe[2] = {-1, -1};
volatile sig_atomic_t GSignalled = 0;

void OnSignal(int Signal)
{
    if (GSignalled) {
        // Asked twice: no more waiting for an orderly end.
        std::signal(Signal, SIG_DFL);
        std::raise(Signal);
        return;
    }
    GSignalled = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(GSignalPipe[1], &byte, 1);
}

void Install(void (*Handler)(int))
{
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

TQuitSignals::TQuitSignals(std::function<void()> OnQuit, QObject* Parent) : QObject(Parent), FOnQuit(std::move(OnQuit))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, GSignalPipe) != 0) return;
    ::fcntl(GSignalPipe[1], F_SETFL, O_NONBLOCK);
    GSignalled = 0;
    FNotifier = std::make_unique<QSocketNotifier>(GSignalPipe[0], QSocketNotifier::Read);
    connect(FNotifier.get(), &QSocketNotifier::activated, this, [this] { Deliver(); });
    Install(&OnSignal);
}

TQuitSignals::~TQuitSignals()
{
    Install(SIG_DFL);
    FNotifier.reset();  // before its socket is closed
    if (GSignalPipe[0] >= 0) {
        ::close(GSignalPipe[0]);
        ::close(GSignalPipe[1]);
        GSignalPipe[0] = GSignalPipe[1] = -1;
    }
}

void TQuitSignals::Deliver()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(GSignalPipe[0], &byte, 1);
    FNotifier->setEnabled(false);
    if (FOnQuit) FOnQuit();
}
