#pragma once
// The one sample format the sound device is driven in, and the conversion of decoded sound to it.
#include "platform/audio/Mp3Decoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;

// Sound ready for mixing: 16-bit stereo frames at the device rate, left and right interleaved.
struct TDeviceSound {
    std::vector<int16_t> Samples;
    std::size_t Frames() const { return Samples.size() / kDeviceChannels; }
};

// The number of device frames a sound of Frames frames at Rate lasts, rounded to the nearest frame.
std::size_t DeviceFrames(std::size_t Frames, int Rate);

// Converts decoded sound to the device format, keeping its full length (DeviceFrames of it).
// Mono is copied to both channels; other rates are resampled.
TDeviceSound ToDeviceFormat(const TPcmSound& Sound);

}  // namespace audio
