// The one loudness measure: level over the loud frames only, silence at the ends, peak.
#include "core/Loudness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 48000;

void AppendSilence(std::vector<float>& Clip, double Seconds)
{
    Clip.insert(Clip.end(), std::size_t(Seconds * kRate), 0.0f);
}

void AppendTone(std::vector<float>& Clip, double Seconds, double Amplitude)
{
    const std::size_t n = std::size_t(Seconds * kRate);
    for (std::size_t i = 0; i < n; ++i)
        Clip.push_back(float(Amplitude * std::sin(2 * std::numbers::pi * 440.0 * double(i) / kRate)));
}

}  // namespace

TEST(Loudness, ToneBetweenSilencesIsMeasuredOverItsSoundingPartOnly)
{
    std::vector<float> clip;
    AppendSilence(clip, 0.25);
    AppendTone(clip, 0.5, 0.5);
    AppendSilence(clip, 0.1);
    AppendTone(clip, 0.2, 0.5);
    AppendSilence(clip, 0.33);
    const auto m = loudness::Measure(clip, kRate);
    ASSERT_FALSE(m.Silent);
    EXPECT_NEAR(m.LeadingSilence, 0.25, 0.011);
    EXPECT_NEAR(m.TrailingSilence, 0.33, 0.011);
    EXPECT_NEAR(m.SoundingSeconds, 0.8, 0.021);
    // A sine of amplitude 0.5 has an RMS of 0.5/sqrt(2): -9.03 dBFS; the pause between does not count.
    EXPECT_NEAR(m.LoudnessDb, -9.03, 0.1);
    EXPECT_NEAR(m.PeakDb, -6.02, 0.05);
}

TEST(Loudness, QuietTailFarBelowTheLoudestFrameDoesNotLowerTheLevel)
{
    std::vector<float> loudOnly, withTail;
    AppendTone(loudOnly, 0.3, 0.8);
    withTail = loudOnly;
    AppendTone(withTail, 1.0, 0.8 * loudness::FromDb(-35));  // sounding, but 35 dB down
    const auto a = loudness::Measure(loudOnly, kRate);
    const auto b = loudness::Measure(withTail, kRate);
    EXPECT_NEAR(a.LoudnessDb, b.LoudnessDb, 0.05);
    EXPECT_GT(b.SoundingSeconds, a.SoundingSeconds + 0.9);
}

TEST(Loudness, SilenceAndEmptyClipsAreSilent)
{
    std::vector<float> hiss;
    AppendTone(hiss, 0.5, loudness::FromDb(-50) * std::sqrt(2.0));  // RMS -50 dBFS: below -45
    for (const auto& clip : {std::vector<float>{}, hiss}) {
        const auto m = loudness::Measure(clip, kRate);
        EXPECT_TRUE(m.Silent);
        EXPECT_NEAR(m.LeadingSilence, double(clip.size()) / kRate, 1e-9);
        EXPECT_EQ(m.SoundingSeconds, 0.0);
    }
}

TEST(Loudness, StereoIsMixedDownAndScaledToFullScale)
{
    const std::vector<int16_t> stereo = {32767, -32768, 16384, 16384, -32768, -32768};
    const auto mono = loudness::ToMonoFloat(stereo, 2);
    ASSERT_EQ(mono.size(), 3u);
    EXPECT_NEAR(mono[0], 0.0f, 1e-4);
    EXPECT_NEAR(mono[1], 0.5f, 1e-4);
    EXPECT_FLOAT_EQ(mono[2], -1.0f);
}
