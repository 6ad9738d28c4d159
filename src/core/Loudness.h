#pragma once
// How loud a spoken clip is, and where its sound begins and ends: one measure for the demo speech
// the generator makes and for a grown-up's own recordings, so that both play at one level.
//
// The clip is cut into 10 ms frames and each frame's RMS is taken in dB below full scale. A frame
// below -45 dBFS is silence. The clip's loudness is the RMS over the frames within 30 dB of its
// loudest frame, so pauses and breath do not lower it; a meter of the EBU R128 kind needs 0.4 s and
// cannot measure a short stop consonant, this one can.
#include <cstdint>
#include <span>
#include <vector>

namespace loudness {

inline constexpr double kFrameSeconds = 0.010;
inline constexpr double kSilenceDb = -45.0;
inline constexpr double kLoudnessWindowDb = 30.0;
// The quietest a measured level can be (a frame of digital zeros).
inline constexpr double kFloorDb = -120.0;

struct TClipMeasure {
    bool Silent = true;            // no frame reaches kSilenceDb
    double LoudnessDb = kFloorDb;  // RMS of the frames within kLoudnessWindowDb of the loudest
    double PeakDb = kFloorDb;      // the largest sample magnitude
    double LeadingSilence = 0.0;   // seconds before the first sounding frame (all of it when silent)
    double TrailingSilence = 0.0;  // seconds after the last sounding frame
    double SoundingSeconds = 0.0;  // from the start of the first sounding frame to the end of the last
};

// Samples are mono, full scale at +-1.0. A last frame shorter than 10 ms counts as a frame of its own.
std::vector<double> FrameLevelsDb(std::span<const float> Samples, int SampleRate);
TClipMeasure Measure(std::span<const float> Samples, int SampleRate);

// Interleaved 16-bit samples (as the MP3 decoder and the microphone give them) mixed down to mono floats.
std::vector<float> ToMonoFloat(std::span<const int16_t> Interleaved, int Channels);

// dB below full scale of a linear amplitude or RMS (kFloorDb for 0), and back.
double ToDb(double Linear);
double FromDb(double Db);

}  // namespace loudness
