#pragma once
// A recording stand-in for the speech: nothing plays, every request is kept in order. The two
// "players" hold a path only when Exists says the file is there, as the real players do. A sound
// asked for plays until the test ends it (EndSound); what waits for it (AfterSound, the praise
// and try-again with no box) runs then, and is dropped by a later sound, as with the real players.
#include "core/Speech.h"

#include <QString>
#include <functional>
#include <vector>

struct TSpeechCall {
    enum TKind { File, Pair, Praise, TryAgain, WellDone } Kind;
    QString First;
    QString Second;
};

class TFakeSpeech : public ISpeech {
public:
    std::vector<TSpeechCall> Calls;
    // Whether a path counts as an existing file; every non-empty path does by default.
    std::function<bool(const QString&)> Exists = [](const QString& p) { return !p.isEmpty(); };
    // Run while the "Продолжить" box of a praise / try-again is up, or when the well-done phrase
    // is asked for (the user's time; a test may click or assert there).
    std::function<void()> WhilePraiseBoxUp;
    std::function<void()> WhileTryAgainBoxUp;
    std::function<void()> OnWellDone;

    void PlaySoundFile(const QString& Path) override
    {
        Calls.push_back({TSpeechCall::File, Path, QString()});
        FFirst = Exists(Path) ? Path : QString();
        Started(!FFirst.isEmpty());
    }
    void PlaySoundPair(const QString& First, const QString& Second) override
    {
        Calls.push_back({TSpeechCall::Pair, First, Second});
        FFirst = Exists(First) ? First : QString();
        FSecond = Exists(Second) ? Second : QString();
        Started(!FFirst.isEmpty() || !FSecond.isEmpty());
    }
    void SayPraise() override
    {
        Calls.push_back({TSpeechCall::Praise, {}, {}});
        if (WhilePraiseBoxUp) WhilePraiseBoxUp();
    }
    void SayTryAgain() override
    {
        Calls.push_back({TSpeechCall::TryAgain, {}, {}});
        if (WhileTryAgainBoxUp) WhileTryAgainBoxUp();
    }
    void SayWellDone() override
    {
        Calls.push_back({TSpeechCall::WellDone, {}, {}});
        if (OnWellDone) OnWellDone();
    }
    void AfterSound(std::function<void()> Then) override
    {
        if (FPlaying)
            FAfterSound = std::move(Then);
        else if (Then)
            Then();
    }
    void SayPraiseThen(std::function<void()> Then) override
    {
        Calls.push_back({TSpeechCall::Praise, {}, {}});
        Started(true);
        AfterSound(std::move(Then));
    }
    void SayTryAgainThen(std::function<void()> Then) override
    {
        Calls.push_back({TSpeechCall::TryAgain, {}, {}});
        Started(true);
        AfterSound(std::move(Then));
    }
    // The sound asked for last has played to its end: what waited for it runs now.
    void EndSound()
    {
        FPlaying = false;
        std::function<void()> then = std::move(FAfterSound);
        FAfterSound = nullptr;
        if (then) then();
    }
    // Whether something waits for the sound to end.
    bool Waiting() const { return static_cast<bool>(FAfterSound); }
    QString FirstPlayerFileName() const override { return FFirst; }
    QString SecondPlayerFileName() const override { return FSecond; }

    // Calls of one kind, in order.
    std::vector<TSpeechCall> Of(TSpeechCall::TKind Kind) const
    {
        std::vector<TSpeechCall> out;
        for (const auto& c : Calls)
            if (c.Kind == Kind) out.push_back(c);
        return out;
    }
    int Count(TSpeechCall::TKind Kind) const { return static_cast<int>(Of(Kind).size()); }
    const TSpeechCall& Last() const { return Calls.back(); }

private:
    void Started(bool Playing)
    {
        FAfterSound = nullptr;
        FPlaying = Playing;
    }

    QString FFirst;
    QString FSecond;
    bool FPlaying = false;
    std::function<void()> FAfterSound;
};
