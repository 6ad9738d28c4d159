// Decoding MP3 bytes already in memory gives what decoding the same bytes as a file gives.
#include "sound/SoundTree.h"

#include "platform/audio/Mp3Decoder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray ReadAll(const QString& Path)
{
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString WriteTemp(const QTemporaryDir& Dir, const QString& Name, const QByteArray& Bytes)
{
    const QString path = Dir.path() + QLatin1Char('/') + Name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(Bytes);
    return path;
}

}  // namespace

TEST(Mp3Bytes, SameSoundAsTheFile)
{
    for (const char* name : {"tone_a.mp3", "tone_b.mp3", "tone_c.mp3", "speech.mp3"}) {
        const QByteArray bytes = ReadAll(TestSound(name));
        ASSERT_GT(bytes.size(), 1000) << name;
        const TMp3Result file = Mp3DecodeFile(TestSound(name));
        const TMp3Result memory = Mp3DecodeBytes(bytes);
        ASSERT_TRUE(memory.Ok()) << name << ": " << memory.Describe().toStdString();
        EXPECT_EQ(memory.Sound.SampleRate, file.Sound.SampleRate) << name;
        EXPECT_EQ(memory.Sound.Channels, file.Sound.Channels) << name;
        EXPECT_EQ(memory.Sound.Samples, file.Sound.Samples) << name;  // gapless trimming included
    }
}

TEST(Mp3Bytes, SameVerdictAsTheFileForDamagedBytes)
{
    const QByteArray tone = ReadAll(TestSound("tone_a.mp3"));
    ASSERT_GT(tone.size(), 3000);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    struct {
        const char* Name;
        QByteArray Bytes;
        TMp3Failure Failure;
    } cases[] = {
        {"empty", QByteArray(), TMp3Failure::Empty},
        {"text", QByteArray("not a sound at all\n").repeated(200), TMp3Failure::NotMp3},
        {"zeroed", tone.left(1500) + QByteArray(4000, '\0') + tone.mid(1500), TMp3Failure::Corrupt},
        {"cut off", tone.left(1500), TMp3Failure::Truncated},  // shorter than its own header says
    };
    for (const auto& c : cases) {
        const TMp3Result file = Mp3DecodeFile(WriteTemp(dir, QString::fromUtf8(c.Name), c.Bytes));
        const TMp3Result memory = Mp3DecodeBytes(c.Bytes);
        EXPECT_EQ(file.Failure, c.Failure) << c.Name;
        EXPECT_EQ(memory.Failure, file.Failure) << c.Name << ": " << memory.Describe().toStdString();
        EXPECT_EQ(memory.Sound.Samples, file.Sound.Samples) << c.Name;
        EXPECT_EQ(memory.Message.isEmpty(), file.Message.isEmpty()) << c.Name;
    }
}

TEST(Mp3Bytes, TagsAtBothEndsAreSkippedAsInAFile)
{
    // An ID3v2 tag in front and an ID3v1 tag at the end, which the decoder finds by seeking from
    // the end: the in-memory reader has to seek as a file does.
    QByteArray id3v2("ID3\x03\x00\x00\x00\x00\x00\x20", 10);
    id3v2 += QByteArray(0x20, '\0');
    QByteArray id3v1("TAG", 3);
    id3v1 += QByteArray("Tone").leftJustified(30, '\0') + QByteArray(95, '\0');
    ASSERT_EQ(id3v1.size(), 128);
    const QByteArray bytes = id3v2 + ReadAll(TestSound("tone_c.mp3")) + id3v1;

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TMp3Result file = Mp3DecodeFile(WriteTemp(dir, QStringLiteral("tagged.mp3"), bytes));
    const TMp3Result memory = Mp3DecodeBytes(bytes);
    ASSERT_TRUE(file.Ok()) << file.Describe().toStdString();
    ASSERT_TRUE(memory.Ok()) << memory.Describe().toStdString();
    EXPECT_EQ(file.Sound.Frames(), 8820u);
    EXPECT_EQ(memory.Sound.Samples, file.Sound.Samples);
}
