// A grown-up's recording from the microphone to the family's own clip, on SDL's disk driver, which
// reads the "microphone" from a file: what comes out is trimmed, levelled and where the layers find it.
#include "core/Loudness.h"
#include "platform/audio/Mp3Decoder.h"
#include "sound/ClipPreparation.h"
#include "sound/ClipRecorder.h"
#include "sound/InstalledLoudness.h"
#include "sound/OwnClips.h"
#include "sound/SoundTree.h"
#include "support/FakeSpeech.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// The microphone's input: raw 48 kHz mono 16-bit samples, as the capture device is opened for.
QByteArray Microphone(double LeadSeconds, double ToneSeconds, double TailSeconds, double Amplitude)
{
    std::vector<int16_t> samples;
    const auto add = [&](double Seconds, double Level) {
        const int n = int(Seconds * 48000);
        for (int i = 0; i < n; ++i)
            samples.push_back(int16_t(Level * 32767 * std::sin(2 * std::numbers::pi * 440.0 * i / 48000.0)));
    };
    add(LeadSeconds, 0.0);
    add(ToneSeconds, Amplitude);
    add(TailSeconds, 0.0);
    return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2));
}

// Points SDL's capture at a file for one test; the disk driver reads it 20 times faster than real time.
class DiskMicrophone : public ::testing::Test {
protected:
    void Feed(const QByteArray& Raw)
    {
        const QString in = FDir.filePath(QStringLiteral("mic.raw"));
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Raw);
        file.close();
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(in));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(FDir.filePath(QStringLiteral("out.raw"))));
        qputenv("SDL_DISKAUDIODELAY", "1");
    }
    void TearDown() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        qunsetenv("SDL_DISKAUDIOFILEIN");
        qunsetenv("SDL_DISKAUDIODELAY");
        qunsetenv("SDL_DISKAUDIOFILE");
    }
    // Records until the recording stops by itself at its limit.
    clip::TTakeStatus Record(clip::TClipRecorder& Recorder)
    {
        std::optional<clip::TTakeStatus> ended;
        Recorder.OnStoppedByItself = [&](clip::TTakeStatus S) { ended = S; };
        EXPECT_EQ(Recorder.Start(), clip::TTakeStatus::Ready);
        QElapsedTimer waited;
        waited.start();
        while (!ended && waited.elapsed() < 30000) QTest::qWait(10);
        return ended.value_or(clip::TTakeStatus::Failed);
    }

    QTemporaryDir FDir;
    QTemporaryDir FUser;
    TFakeSpeech FSpeech;
    const QString FRelative = QStringLiteral("Sound/Женский голос/Буквы/б.mp3");
};

TEST_F(DiskMicrophone, ToneBetweenSilencesIsTrimmedLevelledAndKept)
{
    const double target = clip::MedianLoudnessDb({QStringLiteral(KV_SOUND_TEST_DATA)});
    Feed(Microphone(0.6, 1.0, 0.9, 0.05));
    clip::TClipRecorder recorder(FSpeech, target);
    ASSERT_EQ(Record(recorder), clip::TTakeStatus::Ready);
    ASSERT_EQ(FSpeech.Count(TSpeechCall::File), 1);  // heard at once

    ASSERT_FALSE(recorder.Keep(FUser.path(), FRelative).has_value());
    const TMp3Result kept = Mp3DecodeFile(FUser.path() + u'/' + FRelative);
    ASSERT_TRUE(kept.Ok()) << kept.Describe().toStdString();
    const loudness::TClipMeasure m =
        loudness::Measure(loudness::ToMonoFloat(kept.Sound.Samples, kept.Sound.Channels), kept.Sound.SampleRate);
    EXPECT_NEAR(m.LoudnessDb, target, 1.0);
    EXPECT_LE(m.PeakDb, clip::kPeakCeilingDb + 0.3);
    EXPECT_LE(m.LeadingSilence, clip::kLeadKeptSeconds + 0.015);
    EXPECT_LE(m.TrailingSilence, clip::kTailKeptSeconds + 0.015);
    EXPECT_NEAR(kept.Sound.Seconds(), 1.0 + clip::kLeadKeptSeconds + clip::kTailKeptSeconds, 0.04);
    // The family's clip is found first, through the same names the installed one has.
    const auto clips = ownclips::SpokenClips(FUser.path(), {}, QStringLiteral("Женский голос"));
    EXPECT_EQ(clips.at(1).Text, QStringLiteral("бэ"));
    EXPECT_EQ(clips.at(1).Source, ownclips::TClipSource::Own);
}

TEST_F(DiskMicrophone, OnlySilenceSaysSoAndWritesNothing)
{
    Feed(Microphone(2.0, 0.0, 0.0, 0.0));
    clip::TClipRecorder recorder(FSpeech, -18.0);
    ASSERT_EQ(Record(recorder), clip::TTakeStatus::Silent);
    EXPECT_FALSE(clip::TakeStatusSentence(clip::TTakeStatus::Silent).isEmpty());
    EXPECT_EQ(recorder.Keep(FUser.path(), FRelative), clip::TakeStatusSentence(clip::TTakeStatus::Silent));
    EXPECT_TRUE(QDir(FUser.path()).isEmpty());
    EXPECT_EQ(FSpeech.Count(TSpeechCall::File), 0);
}

// A loud click in a quiet clip: levelling stops at the peak ceiling rather than clip.
TEST(ClipPreparation, PeakStaysBelowFullScale)
{
    std::vector<int16_t> samples(48000, 0);
    for (int i = 10000; i < 30000; ++i) samples[std::size_t(i)] = int16_t(300 * std::sin(i * 0.06));
    samples[20000] = 20000;
    const clip::TPreparedClip prepared = clip::PrepareClip(samples, 48000, -10.0);
    ASSERT_FALSE(prepared.Silent);
    EXPECT_LE(prepared.PeakDb, clip::kPeakCeilingDb + 0.01);
    EXPECT_LT(prepared.LoudnessDb, -10.0);
}

// Hum below the cut is taken out: a 50 Hz hum alone is no sound.
TEST(ClipPreparation, HumAloneIsSilence)
{
    std::vector<int16_t> samples(48000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(500 + 300 * std::sin(2 * std::numbers::pi * 50.0 * double(i) / 48000.0));
    EXPECT_FALSE(loudness::Measure(loudness::ToMonoFloat(samples, 1), 48000).Silent);
    EXPECT_TRUE(clip::PrepareClip(samples, 48000, -18.0).Silent);
}

}  // namespace
