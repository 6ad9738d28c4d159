#pragma once
// A media player that plays nothing: it keeps its mode, records what it is asked to do in a
// journal it may share with other fakes, and ends its sound only when the test says so (Finish).
// Waiting (PlayAfter) follows the real player's rule: at once when the leader is not playing,
// otherwise the moment the leader's sound ends, whatever sound that is by then.
#include "sound/MediaPlayer.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

class TFakeMediaPlayer : public IMediaPlayer {
public:
    // Name is the prefix of this player's journal lines ("1" gives "1 play /x.mp3").
    TFakeMediaPlayer(QString Name, QStringList& Journal) : FName(std::move(Name)), FJournal(Journal) {}
    ~TFakeMediaPlayer() override
    {
        StopWaiting();
        for (TFakeMediaPlayer* f : FFollowers) f->FLeader = nullptr;
    }

    QSet<QString> FailingFiles;  // Open throws for these paths
    QString OpenFile;            // the file open now; empty when closed

    void Open() override
    {
        CloseQuietly();
        Log(QStringLiteral("open ") + FileName());
        if (FailingFiles.contains(FileName())) throw EMediaPlayerError("not an MP3 file");
        OpenFile = FileName();
        FMode = mpStopped;
    }
    void Play() override
    {
        if (FMode != mpStopped) return;
        StopWaiting();
        Log(QStringLiteral("play ") + OpenFile);
        FMode = mpPlaying;
    }
    void Close() override
    {
        if (FMode == mpNotReady) return;
        Log(QStringLiteral("close"));
        CloseQuietly();
    }
    TMPModes Mode() const override { return FMode; }
    void PlayAfter(IMediaPlayer& Leader) override
    {
        auto& leader = dynamic_cast<TFakeMediaPlayer&>(Leader);
        if (FMode != mpStopped) return;
        if (&leader == this || leader.FMode != mpPlaying) {
            Play();
            return;
        }
        StopWaiting();
        FLeader = &leader;
        leader.FFollowers.push_back(this);
    }
    bool Waiting() const override { return FLeader != nullptr; }

    // The sound plays to its end: the player stops, its followers start, then OnEnded is told.
    void Finish()
    {
        if (FMode != mpPlaying) return;
        Log(QStringLiteral("end ") + OpenFile);
        FMode = mpStopped;
        const std::vector<TFakeMediaPlayer*> followers = std::move(FFollowers);
        FFollowers.clear();
        for (TFakeMediaPlayer* f : followers) {
            f->FLeader = nullptr;
            f->Play();
        }
        if (OnEnded) OnEnded();
    }

private:
    void Log(const QString& Line) { FJournal << FName + QLatin1Char(' ') + Line; }
    void CloseQuietly()
    {
        StopWaiting();
        OpenFile.clear();
        FMode = mpNotReady;
    }
    void StopWaiting()
    {
        if (!FLeader) return;
        auto& list = FLeader->FFollowers;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        FLeader = nullptr;
    }

    QString FName;
    QStringList& FJournal;
    TMPModes FMode = mpNotReady;
    TFakeMediaPlayer* FLeader = nullptr;
    std::vector<TFakeMediaPlayer*> FFollowers;
};
