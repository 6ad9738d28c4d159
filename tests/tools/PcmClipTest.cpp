// The clean-up of speech clips: silence trimmed, padding added, loudness evened out, WAV in and out.
#include "content/PcmClip.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace content;

namespace {
TPcmClip Tone(int Rate, double Seconds, double Amplitude, double LeadSilence = 0, double TailSilence = 0)
{
    TPcmClip clip{Rate, {}};
    clip.Samples.assign(size_t(LeadSilence * Rate), 0.0f);
    const size_t n = size_t(Seconds * Rate);
    for (size_t i = 0; i < n; ++i) clip.Samples.push_back(float(Amplitude * std::sin(2 * M_PI * 220 * double(i) / Rate)));
    clip.Samples.resize(clip.Samples.size() + size_t(TailSilence * Rate), 0.0f);
    return clip;
}
}  // namespace

TEST(PcmClip, TrimDropsQuietEndsButKeepsTheSound)
{
    TPcmClip clip = Tone(22050, 0.5, 0.5, 0.3, 0.7);
    clip.Samples[100] = 0.005f;  // faint noise in the lead-in stays below the threshold
    const TPcmClip trimmed = TrimSilence(clip);
    EXPECT_NEAR(trimmed.Seconds(), 0.5, 0.01);
    EXPECT_NEAR(trimmed.Peak(), 0.5, 0.01);
    EXPECT_TRUE(TrimSilence(TPcmClip{22050, std::vector<float>(1000, 0.0f)}).Samples.empty());
}

TEST(PcmClip, PadAddsSilenceAtBothEnds)
{
    const TPcmClip padded = Pad(Tone(44100, 0.2, 0.5), 0.1, 0.25);
    EXPECT_NEAR(padded.Seconds(), 0.55, 0.001);
    EXPECT_EQ(padded.Samples.front(), 0.0f);
    EXPECT_EQ(padded.Samples[size_t(0.099 * 44100)], 0.0f);
    EXPECT_NE(padded.Samples[size_t(0.1 * 44100) + 10], 0.0f);
    EXPECT_EQ(padded.Samples.back(), 0.0f);
}

TEST(PcmClip, LoudAndQuietClipsComeOutEquallyLoudWithoutClipping)
{
    const TPcmClip quiet = EvenLoudness(Tone(22050, 0.3, 0.05), 0.12);
    const TPcmClip loud = EvenLoudness(Tone(22050, 0.3, 0.9), 0.12);
    EXPECT_NEAR(quiet.Rms(), 0.12, 0.002);
    EXPECT_NEAR(loud.Rms(), 0.12, 0.002);
    // A spiky clip is held back by the peak ceiling rather than clipped.
    TPcmClip spiky = Tone(22050, 0.3, 0.01);
    spiky.Samples[500] = 0.5f;
    const TPcmClip evened = EvenLoudness(spiky, 0.12, 0.95);
    EXPECT_LE(evened.Peak(), 0.95 + 1e-6);
    EXPECT_NEAR(evened.Peak(), 0.95, 1e-3);
}

TEST(PcmClip, WavRoundTripAndRejectedFiles)
{
    const TPcmClip clip = Tone(44100, 0.1, 0.4);
    const std::optional<TPcmClip> back = ReadWav(WriteWav(clip));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->SampleRate, 44100);
    ASSERT_EQ(back->Samples.size(), clip.Samples.size());
    for (size_t i = 0; i < clip.Samples.size(); i += 97) EXPECT_NEAR(back->Samples[i], clip.Samples[i], 1.0 / 16000);

    // A streamed WAV announces more data than it holds: the samples that are there are read.
    QByteArray cut = WriteWav(clip);
    cut.chop(200);
    ASSERT_TRUE(ReadWav(cut));
    EXPECT_EQ(ReadWav(cut)->Samples.size(), clip.Samples.size() - 100);

    EXPECT_FALSE(ReadWav(QByteArray("not a wav file at all")));
    QByteArray eightBit = WriteWav(clip);
    eightBit[34] = 8;  // bits per sample
    EXPECT_FALSE(ReadWav(eightBit));
}
