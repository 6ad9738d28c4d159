// A recording made ready as the installed clips are: the silence kept before and after the sound,
// neither more nor less, and the level it is brought to, measured by the one loudness measure.
#include "core/Loudness.h"
#include "sound/ClipPreparation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 48000;
constexpr double kFrame = loudness::kFrameSeconds;

// A 440 Hz tone of peak Amplitude (full scale 1) between silences; whole 10 ms frames throughout,
// so the sound begins and ends on a frame's edge.
std::vector<int16_t> Tone(double LeadSeconds, double ToneSeconds, double TailSeconds, double Amplitude = 0.05)
{
    const auto n = [](double Seconds) { return std::size_t(std::lround(Seconds * kRate)); };
    std::vector<int16_t> samples(n(LeadSeconds) + n(ToneSeconds) + n(TailSeconds), 0);
    for (std::size_t i = 0; i < n(ToneSeconds); ++i)
        samples[n(LeadSeconds) + i] =
            int16_t(std::lround(Amplitude * 32767 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / kRate)));
    return samples;
}

loudness::TClipMeasure MeasureOf(const clip::TPreparedClip& Clip)
{
    return loudness::Measure(loudness::ToMonoFloat(Clip.Samples, 1), Clip.SampleRate);
}

struct TSilenceCase {
    const char* Name;
    double Lead, Tail;          // the silence recorded before and after 0.6 s of sound
    double KeptLead, KeptTail;  // what the prepared clip keeps of it
};

class KeptSilence : public ::testing::TestWithParam<TSilenceCase> {};

TEST_P(KeptSilence, IsThePreparedAmountOrAllThereIs)
{
    const TSilenceCase c = GetParam();
    const clip::TPreparedClip prepared = clip::PrepareClip(Tone(c.Lead, 0.6, c.Tail), kRate, -20.0);
    ASSERT_FALSE(prepared.Silent);
    const loudness::TClipMeasure m = MeasureOf(prepared);
    // The high-pass filter rings on for a moment after the sound: a frame's leeway.
    EXPECT_NEAR(m.LeadingSilence, c.KeptLead, kFrame + 1e-6);
    EXPECT_NEAR(m.TrailingSilence, c.KeptTail, kFrame + 1e-6);
    EXPECT_NEAR(double(prepared.Samples.size()) / kRate, 0.6 + c.KeptLead + c.KeptTail, kFrame + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Recordings, KeptSilence,
                         ::testing::Values(TSilenceCase{"LongSilences", 0.5, 0.7, clip::kLeadKeptSeconds,
                                                        clip::kTailKeptSeconds},
                                           TSilenceCase{"SoundFromTheFirstSample", 0.0, 0.7, 0.0, clip::kTailKeptSeconds},
                                           TSilenceCase{"SoundToTheLastSample", 0.5, 0.0, clip::kLeadKeptSeconds, 0.0},
                                           TSilenceCase{"ShortSilencesKeptWhole", 0.02, 0.05, 0.02, 0.05}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct TLevelCase {
    const char* Name;
    double Amplitude;  // the recording's peak
    double Target;     // the installed clips' loudness
    bool Limited;      // reaching the target would lift the peak past the ceiling
};

class Levelling : public ::testing::TestWithParam<TLevelCase> {};

TEST_P(Levelling, BringsTheClipToTheTargetUnlessItsPeakWouldPassTheCeiling)
{
    const TLevelCase c = GetParam();
    const clip::TPreparedClip prepared = clip::PrepareClip(Tone(0.3, 0.6, 0.3, c.Amplitude), kRate, c.Target);
    ASSERT_FALSE(prepared.Silent);
    const loudness::TClipMeasure m = MeasureOf(prepared);
    EXPECT_NEAR(prepared.LoudnessDb, m.LoudnessDb, 0.01) << "the clip says the loudness it has";
    EXPECT_NEAR(prepared.PeakDb, m.PeakDb, 0.01);
    if (c.Limited) {
        EXPECT_NEAR(m.PeakDb, clip::kPeakCeilingDb, 0.05);
        EXPECT_LT(m.LoudnessDb, c.Target - 1.0);
    } else {
        EXPECT_NEAR(m.LoudnessDb, c.Target, 0.2);
        EXPECT_LE(m.PeakDb, clip::kPeakCeilingDb);
    }
}

INSTANTIATE_TEST_SUITE_P(Recordings, Levelling,
                         ::testing::Values(TLevelCase{"QuietRaised", 0.01, -20.0, false},
                                           TLevelCase{"LoudLowered", 0.8, -20.0, false},
                                           TLevelCase{"ToAQuieterVoice", 0.05, -30.0, false},
                                           TLevelCase{"ToALouderVoice", 0.05, -12.0, false},
                                           TLevelCase{"StoppedByThePeakCeiling", 0.05, -2.0, true}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
