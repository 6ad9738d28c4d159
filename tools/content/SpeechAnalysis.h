#pragma once
// Two measures of speech the clip-making needs beyond loudness: the voice's pitch, and where in a
// syllable a consonant gives way to its vowel (or a vowel to its consonant).
#include <span>

namespace content {

// The median fundamental frequency over the voiced 10 ms frames (within 25 dB of the loudest),
// found by normalized autocorrelation between 70 and 400 Hz. 0 when no frame is voiced.
double MedianPitchHz(std::span<const float> Samples, int SampleRate);

// Where a syllable of two sounds changes from one to the other, in seconds from the start: the
// boundary between 10 ms frames that best splits the sounding frames into two steady parts
// (by level, zero crossings and the share of high frequencies). -1 when too short to split.
double SoundBoundary(std::span<const float> Samples, int SampleRate);

// Where the first pause inside the sound begins, in seconds from the start: the first of at least
// two 10 ms frames in a row more than 30 dB below the loudest, after a sounding one (a stop's
// closure, where a syllable is cut from a word). -1 when the sound has no such pause.
double FirstClosure(std::span<const float> Samples, int SampleRate);

}  // namespace content
