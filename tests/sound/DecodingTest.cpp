// Decoding MP3 files whole and bringing them to the device format.
#include "sound/SoundTree.h"
#include "support/QtPrint.h"

#include "platform/audio/AudioFormat.h"
#include "platform/audio/Mp3Decoder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace {

// Root mean square of channel Channel over frames [From, To) of interleaved Samples.
double Rms(const std::vector<int16_t>& Samples, int Channels, std::size_t From, std::size_t To, int Channel = 0)
{
    double sum = 0;
    for (std::size_t f = From; f < To; ++f) {
        const double v = Samples[f * Channels + Channel];
        sum += v * v;
    }
    return To > From ? std::sqrt(sum / double(To - From)) : 0.0;
}

QByteArray ReadAll(const QString& Path)
{
    QFile f(Path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class Mp3Decoding : public ::testing::Test {
protected:
    QString Write(const QString& Name, const QByteArray& Bytes)
    {
        const QString path = Dir.path() + QLatin1Char('/') + Name;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(Bytes);
        return path;
    }
    QTemporaryDir Dir;
};

TEST_F(Mp3Decoding, KeepsRateChannelsAndTheExactEncodedLength)
{
    // 0.3 s at 44.1 kHz stereo, 0.25 s at 22.05 kHz mono, 0.2 s at 44.1 kHz mono. Exact frame counts
    // mean the encoder's delay and padding were dropped.
    struct {
        const char* File;
        int Rate, Channels;
        std::size_t Frames;
    } cases[] = {{"tone_a.mp3", 44100, 2, 13230}, {"tone_b.mp3", 22050, 1, 5512}, {"tone_c.mp3", 44100, 1, 8820}};
    for (const auto& c : cases) {
        const TMp3Result r = Mp3DecodeFile(TestSound(c.File));
        ASSERT_TRUE(r.Ok()) << c.File << ": " << r.Describe().toStdString();
        EXPECT_EQ(r.Sound.SampleRate, c.Rate) << c.File;
        EXPECT_EQ(r.Sound.Channels, c.Channels) << c.File;
        EXPECT_EQ(r.Sound.Frames(), c.Frames) << c.File;
        EXPECT_TRUE(r.Message.isEmpty());
        // The tone is there from the first frames on (no leading encoder silence) and at its level.
        const double whole = Rms(r.Sound.Samples, c.Channels, 0, c.Frames);
        EXPECT_GT(whole, 0.5 * 16384 / std::sqrt(2.0)) << c.File;
        EXPECT_GT(Rms(r.Sound.Samples, c.Channels, 0, 400), 0.5 * whole) << c.File;
    }
}

TEST_F(Mp3Decoding, FindsFilesByTheirUtf8Names)
{
    const QString path = Write(QStringLiteral("Мужской голос/Звуки/ё.mp3"), ReadAll(TestSound("tone_c.mp3")));
    const TMp3Result r = Mp3DecodeFile(path);
    ASSERT_TRUE(r.Ok()) << r.Describe().toStdString();
    EXPECT_EQ(r.Sound.Frames(), 8820u);
}

TEST_F(Mp3Decoding, NamesTheReasonItCannotDecode)
{
    const QByteArray tone = ReadAll(TestSound("tone_a.mp3"));
    ASSERT_GT(tone.size(), 3000);
    QByteArray zeroed = tone.left(1500) + QByteArray(4000, '\0') + tone.mid(1500);
    QByteArray noise = tone.left(1500);
    uint32_t x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = (x * 1103515245u + 12345u) & 0x7fffffffu;
        noise.append(char((x >> 16) & 0xff));
    }
    noise += tone.mid(1500);

    struct {
        QString Path;
        TMp3Failure Failure;
    } cases[] = {
        {Dir.path() + QStringLiteral("/нет.mp3"), TMp3Failure::Missing},
        {Dir.path(), TMp3Failure::Missing},  // a folder is not a sound file
        {Write(QStringLiteral("text.mp3"), QByteArray("not a sound at all\n").repeated(200)), TMp3Failure::NotMp3},
        {Write(QStringLiteral("empty.mp3"), QByteArray()), TMp3Failure::Empty},
        // Whole frames, but only the first third of them: the encoder's header says how long it is.
        {Write(QStringLiteral("cut.mp3"), tone.left(tone.size() / 3)), TMp3Failure::Truncated},
        {Write(QStringLiteral("wave.mp3"), QByteArray("RIFF\x24\x10\0\0WAVEfmt ", 16) + QByteArray(4096, '\x11')),
         TMp3Failure::NotMp3},
        {Write(QStringLiteral("zeroed.mp3"), zeroed), TMp3Failure::Corrupt},
        {Write(QStringLiteral("noise.mp3"), noise), TMp3Failure::Corrupt},
    };
    for (const auto& c : cases) {
        const TMp3Result r = Mp3DecodeFile(c.Path);
        EXPECT_EQ(r.Failure, c.Failure) << c.Path.toStdString() << ": " << r.Describe().toStdString();
        EXPECT_FALSE(r.Ok());
        EXPECT_FALSE(r.Message.isEmpty());
        // A file cut short keeps the beginning it holds, to be played; the others give nothing.
        EXPECT_EQ(r.Playable(), c.Failure == TMp3Failure::Truncated) << c.Path.toStdString();
        EXPECT_EQ(r.Sound.Samples.empty(), !r.Playable()) << c.Path.toStdString();
        EXPECT_TRUE(r.Describe().startsWith(QString::fromUtf8(Mp3FailureName(c.Failure)) + QStringLiteral(": ")));
    }
}

TEST(DeviceFormat, StereoAtTheDeviceRateIsTakenAsItIs)
{
    const TMp3Result r = Mp3DecodeFile(TestSound("tone_a.mp3"));
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(audio::ToDeviceFormat(r.Sound).Samples, r.Sound.Samples);
}

TEST(DeviceFormat, MonoIsCopiedToBothChannels)
{
    TPcmSound mono;
    mono.SampleRate = audio::kDeviceRate;
    mono.Channels = 1;
    mono.Samples = {1, -2, 32767, -32768};
    EXPECT_EQ(audio::ToDeviceFormat(mono).Samples, (std::vector<int16_t>{1, 1, -2, -2, 32767, 32767, -32768, -32768}));
}

TEST(DeviceFormat, ResamplingKeepsTheWholeSoundInPlace)
{
    // SDL's resampler keeps the last few hundred input frames in its filter; they must come out.
    const TMp3Result r = Mp3DecodeFile(TestSound("tone_b.mp3"));
    ASSERT_TRUE(r.Ok());
    const std::size_t in = r.Sound.Frames();
    const audio::TDeviceSound out = audio::ToDeviceFormat(r.Sound);
    ASSERT_EQ(out.Frames(), audio::DeviceFrames(in, 22050));
    ASSERT_EQ(out.Frames(), 2 * in);

    const double middle = Rms(out.Samples, 2, out.Frames() / 4, 3 * out.Frames() / 4);
    EXPECT_GT(middle, 5000);
    EXPECT_GT(Rms(out.Samples, 2, out.Frames() - 1024, out.Frames()), 0.7 * middle) << "the tail was dropped";
    EXPECT_GT(Rms(out.Samples, 2, out.Frames() - 64, out.Frames()), 0.5 * middle) << "the very end was dropped";
    EXPECT_DOUBLE_EQ(Rms(out.Samples, 2, 0, out.Frames(), 0), Rms(out.Samples, 2, 0, out.Frames(), 1));

    // Not shifted in time: every second output frame lies close to the input frame it came from.
    double diff = 0;
    for (std::size_t i = 0; i < in; ++i) diff += std::abs(double(out.Samples[4 * i]) - r.Sound.Samples[i]);
    EXPECT_LT(diff / double(in), 0.05 * middle);
}

TEST(DeviceFormat, LengthsRoundToTheNearestDeviceFrame)
{
    EXPECT_EQ(audio::DeviceFrames(5512, 22050), 11024u);
    EXPECT_EQ(audio::DeviceFrames(1, 48000), 1u);  // 0.91875 frames
    EXPECT_EQ(audio::DeviceFrames(48000, 48000), 44100u);
    EXPECT_EQ(audio::DeviceFrames(3, 32000), 4u);  // 4.134
    EXPECT_EQ(audio::DeviceFrames(0, 22050), 0u);
    EXPECT_EQ(audio::DeviceFrames(10, 0), 0u);
}

}  // namespace
