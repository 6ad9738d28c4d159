#pragma once
// The corner's "Голос": every clip of the voice chosen, listened to, recorded anew with the
// microphone and kept as the family's own, or taken back to the installed one; new praise and
// try-again phrases. A take is levelled to the installed letter clips of its own voice, whose loudness is
// measured off this thread as the section opens.
#include "sound/OwnClips.h"

#include <QString>

#include <chrono>
#include <future>
#include <memory>
#include <optional>

struct TCornerDesk;
namespace clip {
class TClipRecorder;
}

// "Запись закончилась сама (10 секунд). …": what the status line says when a recording reached Limit.
QString RecordingLimitSentence(std::chrono::milliseconds Limit);

class TCornerVoice {
public:
    explicit TCornerVoice(TCornerDesk& Desk);
    ~TCornerVoice();  // waits for the measuring, which reads the content roots
    TCornerVoice(const TCornerVoice&) = delete;
    TCornerVoice& operator=(const TCornerVoice&) = delete;

    // The section as the corner opens: Voice ("Женский голос") on the switch, the microphones, its clips.
    void Open(const QString& Voice);
    // The voice whose clips are listed and recorded.
    void Choose(const QString& Voice);
    void Listen(const ownclips::TSpokenClip& Clip);
    void Record(const ownclips::TSpokenClip& Clip);
    // "Ещё раз": the clip recorded last, recorded anew.
    void RecordAgain();
    void Stop();
    void Keep();
    void Revert(const ownclips::TSpokenClip& Clip);
    void AddPhrase(bool Praise, const QString& Text);
    // The corner closes: a recording or a take not kept is let go.
    void Drop();

private:
    QString Voice() const;
    QStringList Installed() const;
    void ShowClips();
    void MeasureLoudness();
    clip::TClipRecorder* Recorder();

    TCornerDesk& FDesk;
    QString FVoice;  // as its folder is named
    std::unique_ptr<clip::TClipRecorder> FRecorder;
    std::shared_future<double> FLoudness;  // the installed clips' median
    std::optional<ownclips::TSpokenClip> FRecording;
};
