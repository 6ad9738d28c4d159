#pragma once
// SIGTERM (the session ending, a service manager) and SIGINT (Ctrl+C in a terminal) turned into a
// call on the window's thread, so that the program ends in order. A second such signal while the
// first is handled ends the process at once, as the signal would by default.
#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class TQuitSignals : public QObject {
    Q_OBJECT
public:
    // OnQuit runs on this object's thread, once, after the first signal. One object per process.
    explicit TQuitSignals(std::function<void()> OnQuit, QObject* Parent = nullptr);
    // The default handlers again.
    ~TQuitSignals() override;
    TQuitSignals(const TQuitSignals&) = delete;
    TQuitSignals& operator=(const TQuitSignals&) = delete;

private:
    void Deliver();

    std::function<void()> FOnQuit;
    std::unique_ptr<QSocketNotifier> FNotifier;
};
