#pragma once
// What the benchmarks share: speech and dialogs that do nothing, and the median of a series.
#include "core/Speech.h"
#include "platform/Dialogs.h"

#include <algorithm>
#include <vector>

namespace bench {

class TSilentSpeech : public ISpeech {
public:
    void PlaySoundFile(const QString&) override {}
    void PlaySoundPair(const QString&, const QString&) override {}
    void SayPraise() override {}
    void SayTryAgain() override {}
    void SayWellDone() override {}
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

}  // namespace bench
