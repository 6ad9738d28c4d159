#pragma once
// The program's one sound output: a device that stays open for the whole run and one mixing
// routine that serves every voice. A voice is one player's slot: it holds one sound, plays it once
// and tells its owner, on the user-interface thread, when it has played to the end.
//
// Voices can be chained: a follower waits for its leader to stop and begins at the very sample
// where the leader's sound ends, inside the mixing routine, so a pair of sounds has no gap at all.
//
// When nothing has played for a while (2 s) the device rests: the mixing thread sleeps until a
// voice starts, so an idle program is never woken. A sound started then is mixed at once.
#include "platform/audio/AudioFormat.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace audio {

struct TSdl;
using TVoiceId = int;

enum class TVoiceState {
    Empty,    // holds no sound
    Stopped,  // holds a sound that is not playing (never started, or played to its end)
    Playing,
};

// Where the last sound of a voice lies in the device stream, in frames counted from the first buffer
// the engine mixed. -1 when it has not started or not ended yet.
struct TVoiceTimes {
    int64_t StartFrame = -1;
    int64_t EndFrame = -1;
    // When the mixing routine first produced a frame of the sound.
    std::chrono::steady_clock::time_point StartedAt{};
};

class TAudioEngine : public QObject {
    Q_OBJECT
public:
    // The process's engine, opened on first use and closed when the last holder lets it go.
    // User-interface thread only.
    static std::shared_ptr<TAudioEngine> Acquire();
    ~TAudioEngine() override;
    TAudioEngine(const TAudioEngine&) = delete;
    TAudioEngine& operator=(const TAudioEngine&) = delete;

    // The name of the output driver in use ("pulseaudio", "alsa", "dummy", "disk", ...); empty when
    // no device could be opened at all, in which case every sound ends the moment it starts.
    QString DriverName() const { return FDriverName; }
    bool HasDevice() const { return FDevice != 0; }
    // Frames mixed and handed to the device so far.
    int64_t FramesMixed() const;

    // One gain for everything played, 0 to 100 percent (100 at start), and a mute that silences
    // the output only: sounds still start, end and chain exactly as they would be heard.
    void SetVolume(int Percent);
    int Volume() const { return FVolume.load(); }
    void SetMuted(bool Muted);
    bool Muted() const { return FMuted.load(); }

    // A new, empty voice. OnEnded is called on the user-interface thread with the voice's times
    // when a sound has played to its end; it is not called after DestroyVoice.
    TVoiceId CreateVoice(std::function<void(const TVoiceTimes&)> OnEnded);
    void DestroyVoice(TVoiceId Voice);

    // Puts Sound in the voice, stopped at its beginning; whatever it played stops at once.
    // A wait for a leader (PlayAfter) is cancelled.
    void Load(TVoiceId Voice, std::shared_ptr<const TDeviceSound> Sound);
    // Stops the voice and lets its sound go; a wait for a leader is cancelled.
    void Clear(TVoiceId Voice);
    // Plays the voice's sound from where it stands; nothing when it is empty or already playing.
    void Play(TVoiceId Voice);
    // Plays Follower's sound once Leader stops: at once when Leader is not playing now, otherwise at
    // the exact frame where Leader's sound ends. Leader getting another sound meanwhile does not
    // matter: the follower waits for whatever Leader plays to end.
    void PlayAfter(TVoiceId Follower, TVoiceId Leader);

    TVoiceState State(TVoiceId Voice) const;
    TVoiceTimes Times(TVoiceId Voice) const;
    bool IsWaiting(TVoiceId Voice) const;

    // How long the device goes on after the last sound before it rests (2 s unless changed).
    void SetRestAfter(std::chrono::milliseconds Silence);
    // Whether the device rests now: the mixing thread sleeps until a voice starts.
    bool Resting() const;

private:
    struct TVoice {
        std::shared_ptr<const TDeviceSound> Sound;
        std::size_t Position = 0;  // next frame to play
        TVoiceState State = TVoiceState::Empty;
        TVoiceId Leader = -1;  // the voice this one waits for, or -1
        uint64_t Serial = 0;   // changes with every Load and start, so stale end reports are dropped
        TVoiceTimes Times;
        // Shared so that handing it out under the lock costs no allocation.
        std::shared_ptr<const std::function<void(const TVoiceTimes&)>> OnEnded;
    };
    struct TEnded {
        TVoiceId Voice;
        uint64_t Serial;
        TVoiceTimes Times;
    };

    TAudioEngine();
    bool TryOpenDevice(const TSdl& Library);
    void OpenDevice();
    static void MixCallback(void* Engine, uint8_t* Stream, int Bytes);
    void Mix(int16_t* Out, int Frames);
    void WriteOutput(int16_t* Out, std::size_t Samples) const;
    void StartLocked(TVoice& Voice);
    // Mixes a playing voice into the accumulator from frame Offset of the current buffer on; at
    // the end of its sound it starts the voices waiting for it at that very frame. FMutex held.
    void MixVoiceLocked(TVoiceId Id, TVoice& Voice, int Offset, int Frames);
    // Without a device a sound ends the moment it starts, and so do the voices waiting for it.
    void PlayWithoutDeviceLocked(TVoiceId Id, TVoice& Voice, std::vector<TEnded>& Ended);
    void PostEnded(std::vector<TEnded> Ended);
    void DeliverEnded(const std::vector<TEnded>& Ended);
    TVoice* FindLocked(TVoiceId Id);
    const TVoice* FindLocked(TVoiceId Id) const;
    // Called by the mixing thread before each buffer: after enough silence it sleeps here, with
    // SDL's device lock held, until a voice starts or the engine closes.
    void RestWhileSilent();
    bool AnyPlayingLocked() const;
    // Wakes a resting mixing thread; the engine goes on closing without it.
    void StopResting();

    uint32_t FDevice = 0;
    QString FDriverName;
    std::atomic<int> FVolume{100};
    std::atomic<bool> FMuted{false};
    bool FOwnsSubsystem = false;

    mutable std::mutex FMutex;  // guards everything below; held only for short, allocation-free stretches
    std::map<TVoiceId, TVoice> FVoices;
    TVoiceId FNextId = 1;
    int64_t FFramesMixed = 0;
    std::chrono::steady_clock::time_point FMixTime;  // when the current buffer began to be mixed
    std::condition_variable FWake;                   // a voice started, or the engine closes
    int64_t FRestAfterFrames;
    int64_t FLastSoundFrame = 0;  // FFramesMixed when a voice last played at the start of a buffer
    bool FResting = false;
    bool FClosing = false;

    // Touched only by the mixing thread.
    std::vector<int32_t> FAccumulator;
    std::vector<TVoiceId> FPlayingScratch;
    std::vector<TEnded> FEndedScratch;
};

}  // namespace audio
