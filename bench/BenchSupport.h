#pragma once
// What the benchmarks share: speech and dialogs that do nothing, and the median of a series.
#include "core/Speech.h"
#include "platform/widgets/Dialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

class TSilentSpeech : public ISpeech {
public:
    void PlaySoundFile(const QString&) override {}
    void PlaySoundPair(const QString&, const QString&) override {}
    void SayPraise() override {}
    void SayTryAgain() override {}
    void SayWellDone() override {}
    void AfterSound(std::function<void()> Then) override
    {
        if (Then) Then();
    }
    void SayPraiseThen(std::function<void()> Then) override { AfterSound(std::move(Then)); }
    void SayTryAgainThen(std::function<void()> Then) override { AfterSound(std::move(Then)); }
    QString FirstPlayerFileName() const override { return {}; }
    QString SecondPlayerFileName() const override { return {}; }
};

class TSilentDialogs : public IDialogs {
public:
    void ShowMessage(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    bool ExecutePrintDialog(IPrinter&) override { return false; }
};

inline double Median(std::vector<double> Values)
{
    if (Values.empty()) return 0;
    std::sort(Values.begin(), Values.end());
    const size_t mid = Values.size() / 2;
    return Values.size() % 2 ? Values[mid] : (Values[mid - 1] + Values[mid]) / 2;
}

// Runs the calling thread's event loop, sleeping between events, until Done or TimeoutMs. A timer
// every WakeMs bounds each wait, so a lost wake-up cannot hang the benchmark.
inline bool RunEventsUntil(const std::function<bool()>& Done, int TimeoutMs, int WakeMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer wake;
    wake.start(WakeMs);
    while (!Done()) {
        if (elapsed.elapsed() > TimeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace bench
