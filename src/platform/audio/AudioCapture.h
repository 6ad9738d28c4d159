#pragma once
// The microphone: SDL's capture device, a second device beside the sound output, opened for
// 48 kHz mono signed 16-bit samples (SDL converts whatever the microphone gives). The samples are
// collected on the user-interface thread every 20 ms while it records, which also drives a level
// meter; a recording stops when told or by itself at its time limit.
//
// SDL's "disk" driver reads the microphone from the file SDL_DISKAUDIOFILEIN (raw samples in the
// format above), which is how the tests record.
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace audio {

inline constexpr int kCaptureRate = 48000;
inline constexpr std::chrono::milliseconds kLongestRecording(10000);

class TAudioCapture : public QObject {
    Q_OBJECT
public:
    TAudioCapture();
    ~TAudioCapture() override;
    TAudioCapture(const TAudioCapture&) = delete;
    TAudioCapture& operator=(const TAudioCapture&) = delete;

    // The microphones SDL names, for a choice when there are several; empty when the driver
    // offers only its default one (or none).
    static QStringList DeviceNames();

    // Starts recording from Device (empty: the one SDL opens by default), dropping any earlier
    // samples. False when no microphone could be opened; Error then holds SDL's words.
    bool Start(const QString& Device = QString(), QString* Error = nullptr);
    // Stops and keeps what was recorded; nothing when not recording.
    void Stop();
    bool Recording() const { return FDevice != 0; }
    // What was recorded, mono at kCaptureRate; the recording stays.
    const std::vector<int16_t>& Samples() const { return FSamples; }
    void SetLimit(std::chrono::milliseconds Limit) { FLimit = Limit; }

    // The RMS level of the last stretch in dB below full scale, while recording.
    std::function<void(double LevelDb)> OnLevel;
    // The recording stopped by itself at its limit.
    std::function<void()> OnLimitReached;

private:
    // Fetches what SDL holds; at the limit the device closes, and Announce calls OnLimitReached.
    void Collect(bool Announce);
    void CloseDevice();

    uint32_t FDevice = 0;
    bool FOwnsSubsystem = false;
    std::chrono::milliseconds FLimit = kLongestRecording;
    std::vector<int16_t> FSamples;
    QTimer FPoll;
};

}  // namespace audio
