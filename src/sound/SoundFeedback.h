#pragma once
// The main window's speech: one file on the first player, a pair of files one after the other on
// the two players, a random phrase from a folder with the "Продолжить" box, and the well-done phrase.
// Every path is built when the sound is asked for, so a change of voice applies from the next sound on.
#include "core/Settings.h"
#include "core/Speech.h"
#include "sound/MediaPlayer.h"

#include <functional>
#include <vector>

class IDialogs;

class TSoundFeedback : public ISpeech {
public:
    // StartPanelShow brings the start screen to the front (the main window's action).
    // It listens to the players' ends (OnEnded) while it lives, after whoever listened before.
    TSoundFeedback(IDialogs& Dialogs, IMediaPlayer& MediaPlayer1, IMediaPlayer& MediaPlayer2, const TSettings& Settings,
                   std::function<void()> StartPanelShow);
    ~TSoundFeedback() override;
    TSoundFeedback(const TSoundFeedback&) = delete;
    TSoundFeedback& operator=(const TSoundFeedback&) = delete;

    void PlaySoundFile(const QString& Path) override;
    void PlaySoundPair(const QString& First, const QString& Second) override;
    void SayPraise() override;
    void SayTryAgain() override;
    void SayWellDone() override;
    void AfterSound(std::function<void()> Then) override;
    void SayPraiseThen(std::function<void()> Then) override;
    void SayTryAgainThen(std::function<void()> Then) override;
    QString FirstPlayerFileName() const override { return FMediaPlayer1.FileName(); }
    QString SecondPlayerFileName() const override { return FMediaPlayer2.FileName(); }

    // SoundRoot + VoiceFolder + "Фразы/" + Name, with the voice chosen now.
    QString PhrasePath(const QString& Name) const;

private:
    // A random file of the phrase folder Folder (if any), then the "Продолжить" box.
    void SayRandomPhrase(const QString& Folder);
    // The same file, with no box.
    void PlayRandomPhrase(const QString& Folder);
    // Neither player plays, and the second waits for nothing.
    bool Quiet() const;
    // A player's sound has ended: the call waiting for quiet runs once both are.
    void SoundEnded();
    void ShowBox(const QString& Text);
    // The first player's part of PlaySoundFile, but for the box of a damaged file: whether it plays.
    bool PlayOnFirstPlayer(const QString& Path);
    void ShowOpenError(const QString& Path, const QString& Why);
    void ShowOpenError(const QString& Path, const EMediaPlayerError& Error);
    // An open file and what is wrong with it (nothing when it is whole).
    struct TDamaged {
        QString Path;
        QString Why;
    };
    static TDamaged DamageOf(const IMediaPlayer& Player);
    void ShowDamage(const TDamaged& Damaged);

    IDialogs& FDialogs;
    IMediaPlayer& FMediaPlayer1;
    IMediaPlayer& FMediaPlayer2;
    const TSettings& FSettings;
    std::function<void()> FStartPanelShow;
    std::function<void()> FAfterSound;                  // waits for the sound asked for last (AfterSound)
    std::vector<std::function<void()>> FFormerOnEnded;  // the players' listeners before this one
};
