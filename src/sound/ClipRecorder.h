#pragma once
// One recording in the corner, from "Записать" to "Оставить": the microphone records, "Стоп" (or
// the time limit) ends it, the take is prepared as the installed clips are, encoded to MP3 and
// played at once through the program's speech; "Оставить" keeps it as the family's own clip,
// "Ещё раз" records again, and anything else (leaving, closing) lets it go.
#include "platform/audio/AudioCapture.h"
#include "sound/ClipPreparation.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>

class ISpeech;

namespace clip {

enum class TTakeStatus {
    Ready,         // prepared, encoded and played; Keep can write it
    NoMicrophone,  // no capture device could be opened
    Silent,        // the microphone gave only silence
    Failed,        // the encoder failed
    NoEncoder,     // the corner's module, which encodes, is missing or does not load
};

// The sentence the corner shows for a status other than Ready.
QString TakeStatusSentence(TTakeStatus Status);

// A recording's samples made into the MP3 to keep: prepared (PrepareClip) and encoded. The
// function "Стоп" runs; public so its time can be measured.
struct TTake {
    TTakeStatus Status = TTakeStatus::Silent;
    TPreparedClip Clip;
    QByteArray Mp3;
};
TTake MakeTake(std::span<const int16_t> Samples, int SampleRate, double TargetLoudnessDb);

class TClipRecorder {
public:
    // Speech plays each take; TargetLoudnessDb is what takes are levelled to (MedianLoudnessDb).
    TClipRecorder(ISpeech& Speech, double TargetLoudnessDb);
    ~TClipRecorder();
    TClipRecorder(const TClipRecorder&) = delete;
    TClipRecorder& operator=(const TClipRecorder&) = delete;

    // Starts recording from Device (empty: the default microphone); a take not kept is dropped.
    // NoEncoder when no take could be kept, NoMicrophone when none opens, Ready when recording.
    TTakeStatus Start(const QString& Device = QString());
    // Ends the recording and makes the take; when it is Ready, plays it at once.
    TTakeStatus Stop();
    bool Recording() const { return FCapture.Recording(); }
    // Lets the recording or the take go: nothing is written.
    void Discard();

    // The take's MP3 when the last Stop gave Ready.
    std::optional<QByteArray> TakeMp3() const;
    // Keeps the take as the family's own clip at Relative (below UserRoot); the sentence on failure.
    std::optional<QString> Keep(const QString& UserRoot, const QString& Relative);

    audio::TAudioCapture& Capture() { return FCapture; }
    // The level meter's input while recording, in dB below full scale.
    std::function<void(double LevelDb)> OnLevel;
    // The recording stopped by itself at 10 s and its take is made: Status is what Stop would return.
    std::function<void(TTakeStatus Status)> OnStoppedByItself;

private:
    TTakeStatus Finish();

    ISpeech& FSpeech;
    double FTarget;
    audio::TAudioCapture FCapture;
    std::optional<TTake> FTake;
    QTemporaryDir FPlayFolder;  // where the take lies while it is listened to
};

}  // namespace clip
