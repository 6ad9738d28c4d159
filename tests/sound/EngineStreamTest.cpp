// The real decoder and the real SDL audio thread. SDL's "disk" driver writes the mixed stream to a
// file at the device's pace; the tests read it back and look for each sound's exact samples.
#include "sound/SoundTree.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"
#include "support/Waiting.h"

#include "platform/audio/AudioEngine.h"
#include "platform/audio/AudioFormat.h"
#include "platform/audio/Mp3Decoder.h"
#include "sound/EngineMediaPlayer.h"
#include "sound/SoundFeedback.h"
#include "sound/SoundSystem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

using audio::TVoiceTimes;
using TSamples = std::vector<int16_t>;

const QString kFemale = QStringLiteral("Женский голос/");
const QString kMale = QStringLiteral("Мужской голос/");

// The device-format samples of a committed test sound.
TSamples Expected(const char* Name)
{
    const TMp3Result r = Mp3DecodeFile(TestSound(Name));
    return audio::ToDeviceFormat(r.Sound).Samples;
}

// Whether Stream holds exactly Sound from stream frame At on.
::testing::AssertionResult SoundAtStreamFrame(const TSamples& Stream, const TSamples& Sound, int64_t At)
{
    if (At < 0) return ::testing::AssertionFailure() << "the sound never started";
    const std::size_t from = std::size_t(At) * 2;
    if (from + Sound.size() > Stream.size())
        return ::testing::AssertionFailure() << "the stream ends before the sound (frame " << At << ")";
    const auto diff = std::mismatch(Sound.begin(), Sound.end(), Stream.begin() + std::ptrdiff_t(from));
    if (diff.first != Sound.end())
        return ::testing::AssertionFailure()
               << "differs at sample " << (diff.first - Sound.begin()) << " of the sound at frame " << At;
    return ::testing::AssertionSuccess();
}

// Whether any stretch of Stream begins like Sound (its first Length non-silent samples).
bool Contains(const TSamples& Stream, const TSamples& Sound, std::size_t Length = 4000)
{
    auto first = std::find_if(Sound.begin(), Sound.end(), [](int16_t v) { return v != 0; });
    const auto last = first + std::ptrdiff_t(std::min<std::size_t>(Length, std::size_t(Sound.end() - first)));
    return std::search(Stream.begin(), Stream.end(), first, last) != Stream.end();
}

// SDL opens a device paused and its thread may write a few buffers of silence before the device is
// started, while the engine counts frames from its first mixed buffer. That silent start is measured
// once per test from a sound known to be whole in the stream.
struct TStartSilence {
    int64_t Frames = -1;
};

// Finds where the whole of Sound, which the engine started at frame Start, lies in Stream, and
// from it the silent start: a whole number of device buffers.
::testing::AssertionResult FindStartSilence(const TSamples& Stream, const TSamples& Sound, int64_t Start,
                                            TStartSilence& Silence)
{
    const auto at = std::search(Stream.begin(), Stream.end(), Sound.begin(), Sound.end());
    if (at == Stream.end()) return ::testing::AssertionFailure() << "the sound is not in the stream";
    Silence.Frames = (at - Stream.begin()) / 2 - Start;
    if (Silence.Frames < 0 || Silence.Frames % 512 != 0)
        return ::testing::AssertionFailure()
               << "the sound lies " << Silence.Frames << " frames from where the engine put it";
    return ::testing::AssertionSuccess();
}

// Whether Stream holds exactly Sound from engine frame At on.
::testing::AssertionResult SoundAt(const TSamples& Stream, const TSamples& Sound, int64_t At, const TStartSilence& Silence)
{
    if (Silence.Frames < 0) return ::testing::AssertionFailure() << "the silent start is not known";
    return SoundAtStreamFrame(Stream, Sound, At < 0 ? At : At + Silence.Frames);
}

bool SilentBetween(const TSamples& Stream, int64_t From, int64_t To)
{
    const auto b = Stream.begin() + std::ptrdiff_t(From * 2);
    const auto e = Stream.begin() + std::ptrdiff_t(std::min<std::size_t>(std::size_t(To) * 2, Stream.size()));
    return std::all_of(b, e, [](int16_t v) { return v == 0; });
}

// Context switches so far of this process's SDL audio threads: each wake-up counts.
long long AudioThreadSwitches()
{
    long long sum = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(tid) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> lines = status.readAll().split('\n');
        if (lines.isEmpty() || !lines[0].contains("SDLAudio")) continue;
        for (const QByteArray& line : lines)
            if (line.contains("ctxt_switches:")) sum += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return sum;
}

struct TEnded {
    QString Player;
    QString File;
    TVoiceTimes Times;
};

class EngineStream : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        FStreamFile = FDir.path() + QStringLiteral("/stream.raw");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", FStreamFile.toLocal8Bit());
        Engine = audio::TAudioEngine::Acquire();
        ASSERT_EQ(Engine->DriverName(), QStringLiteral("disk"));
        Player1 = std::make_unique<TEngineMediaPlayer>(Engine);
        Player2 = std::make_unique<TEngineMediaPlayer>(Engine);
        Watch(*Player1, QStringLiteral("1"));
        Watch(*Player2, QStringLiteral("2"));
        Speech = std::make_unique<TSoundFeedback>(Dialogs, *Player1, *Player2, Tree.Settings, [] {});
    }
    void TearDown() override { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void Watch(TEngineMediaPlayer& Player, const QString& Name)
    {
        Player.OnEnded = [this, &Player, Name] { Ended.push_back({Name, Player.FileName(), Player.Times()}); };
    }
    const TEnded* EndOf(const QString& File) const
    {
        for (const TEnded& e : Ended)
            if (e.File == File) return &e;
        return nullptr;
    }
    bool WaitForEnds(std::size_t Count)
    {
        return WaitUntil([&] { return Ended.size() >= Count; });
    }

    // Closes the device and reads back every sample it was given.
    TSamples CloseAndReadStream()
    {
        Speech.reset();
        Player1.reset();
        Player2.reset();
        Engine.reset();
        QFile f(FStreamFile);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = f.readAll();
        TSamples stream(std::size_t(bytes.size()) / 2);
        std::memcpy(stream.data(), bytes.constData(), stream.size() * 2);
        return stream;
    }

    QString Female(const QString& Relative, const char* Sound) { return Tree.Put(kFemale + Relative, TestSound(Sound)); }

    TSoundTree Tree;
    TFakeDialogs Dialogs;
    std::shared_ptr<audio::TAudioEngine> Engine;
    std::unique_ptr<TEngineMediaPlayer> Player1, Player2;
    std::unique_ptr<TSoundFeedback> Speech;
    std::vector<TEnded> Ended;

private:
    QTemporaryDir FDir;
    QString FStreamFile;
};

TEST_F(EngineStream, PairIsOneUnbrokenRunOfSamples)
{
    // 44.1 kHz stereo then 22.05 kHz mono: the second is resampled and must still join seamlessly.
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_a.mp3");
    const QString letter = Female(QStringLiteral("Буквы/а.mp3"), "tone_b.mp3");
    Speech->PlaySoundPair(lead, letter);
    EXPECT_EQ(Player2->Mode(), mpStopped);
    ASSERT_TRUE(WaitForEnds(2));
    EXPECT_EQ(Player1->Mode(), mpStopped);
    EXPECT_EQ(Player2->Mode(), mpStopped);
    const TVoiceTimes first = EndOf(lead)->Times, second = EndOf(letter)->Times;
    const TSamples stream = CloseAndReadStream();

    const TSamples a = Expected("tone_a.mp3"), b = Expected("tone_b.mp3");
    EXPECT_EQ(first.EndFrame - first.StartFrame, int64_t(a.size() / 2));
    EXPECT_EQ(second.StartFrame, first.EndFrame) << "gap of " << second.StartFrame - first.EndFrame << " frames";
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, a, first.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, b, first.EndFrame, silence));
    EXPECT_TRUE(SilentBetween(stream, 0, first.StartFrame + silence.Frames));
    EXPECT_TRUE(SilentBetween(stream, second.EndFrame + silence.Frames, int64_t(stream.size() / 2)));
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(EngineStream, DeviceRestsInSilenceAndAPairStartedThenIsStillGapless)
{
    Engine->SetRestAfter(std::chrono::milliseconds(100));
    const QString before = Female(QStringLiteral("Фразы/Звук.mp3"), "tone_c.mp3");
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_a.mp3");
    const QString letter = Female(QStringLiteral("Буквы/а.mp3"), "tone_b.mp3");
    EXPECT_FALSE(Engine->Resting());
    Speech->PlaySoundFile(before);
    ASSERT_TRUE(WaitForEnds(1));
    const TVoiceTimes c = EndOf(before)->Times;

    // A tenth of a second after the sound the device rests: nothing is mixed, no thread wakes.
    ASSERT_TRUE(WaitUntil([&] { return Engine->Resting(); }, 3000));
    const int64_t restedAt = Engine->FramesMixed();
    EXPECT_GE(restedAt - c.EndFrame, 4410 - 512);
    EXPECT_LE(restedAt - c.EndFrame, 4410 + 2 * 512);
    const long long switches = AudioThreadSwitches();
    ASSERT_GT(switches, 0) << "no SDL audio thread found";
    QThread::msleep(300);
    EXPECT_EQ(Engine->FramesMixed(), restedAt) << "mixed while resting";
    EXPECT_EQ(AudioThreadSwitches(), switches) << "the device's thread woke while resting";

    // A pair on the resting device begins in the very next buffer and has no gap.
    Speech->PlaySoundPair(lead, letter);
    ASSERT_TRUE(WaitForEnds(3));
    const TVoiceTimes a = EndOf(lead)->Times, b = EndOf(letter)->Times;
    EXPECT_EQ(a.StartFrame, restedAt);
    EXPECT_EQ(b.StartFrame, a.EndFrame) << "gap of " << b.StartFrame - a.EndFrame << " frames";
    const TSamples stream = CloseAndReadStream();

    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_c.mp3"), c.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_a.mp3"), a.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_b.mp3"), a.EndFrame, silence));
    EXPECT_TRUE(SilentBetween(stream, c.EndFrame + silence.Frames, a.StartFrame + silence.Frames));
}

TEST_F(EngineStream, ClosingARestingDeviceDoesNotHang)
{
    Engine->SetRestAfter(std::chrono::milliseconds(0));
    ASSERT_TRUE(WaitUntil([&] { return Engine->Resting(); }, 3000));
    QElapsedTimer clock;
    clock.start();
    CloseAndReadStream();
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(EngineStream, NewPairReplacesTheWaitingSecondFile)
{
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_a.mp3");
    const QString oldLetter = Female(QStringLiteral("Буквы/б.mp3"), "tone_b.mp3");
    const QString newLead = Female(QStringLiteral("Фразы/Звук.mp3"), "tone_c.mp3");
    Speech->PlaySoundPair(lead, oldLetter);
    ASSERT_TRUE(WaitUntil([&] { return Player1->Times().StartFrame >= 0; }));
    QThread::msleep(60);
    Speech->PlaySoundPair(newLead, lead);  // the second file of the new pair is the old lead-in
    ASSERT_TRUE(WaitForEnds(2));
    QThread::msleep(300);
    QCoreApplication::processEvents();
    ASSERT_EQ(Ended.size(), 2u);
    const TVoiceTimes c = Ended[0].Times, a = Ended[1].Times;
    EXPECT_EQ(Ended[0].File, newLead);
    EXPECT_EQ(Ended[1].Player, QStringLiteral("2"));
    const TSamples stream = CloseAndReadStream();

    EXPECT_EQ(a.StartFrame, c.EndFrame);
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_c.mp3"), c.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_a.mp3"), c.EndFrame, silence));
    EXPECT_FALSE(Contains(stream, Expected("tone_b.mp3"))) << "the dropped letter was heard";
}

TEST_F(EngineStream, SingleFileWhileAPairWaitsPlaysBeforeTheWaitingFile)
{
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_a.mp3");
    const QString letter = Female(QStringLiteral("Буквы/в.mp3"), "tone_b.mp3");
    const QString other = Female(QStringLiteral("Фразы/Звук.mp3"), "tone_c.mp3");
    Speech->PlaySoundPair(lead, letter);
    ASSERT_TRUE(WaitUntil([&] { return Player1->Times().StartFrame >= 0; }));
    Speech->PlaySoundFile(other);
    EXPECT_TRUE(Player2->Waiting());
    ASSERT_TRUE(WaitForEnds(2));
    ASSERT_NE(EndOf(other), nullptr);
    ASSERT_NE(EndOf(letter), nullptr);
    const TVoiceTimes c = EndOf(other)->Times, b = EndOf(letter)->Times;
    const TSamples stream = CloseAndReadStream();

    EXPECT_EQ(b.StartFrame, c.EndFrame);
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_c.mp3"), c.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_b.mp3"), c.EndFrame, silence));
}

TEST_F(EngineStream, PraiseDuringAQuestionThenTheLetterWhileTheBoxIsUp)
{
    const QString question = Female(QStringLiteral("Фразы/Покажи_букву.mp3"), "tone_a.mp3");
    const QString letter = Female(QStringLiteral("Буквы/г.mp3"), "tone_b.mp3");
    const QString praise = Female(QStringLiteral("Фразы/Правильно/Молодец.mp3"), "tone_c.mp3");
    int boxes = 0;
    // The user reads the box for a while: the praise and then the letter play meanwhile.
    Dialogs.WhileUp = [&](const TDialogCall&) {
        ++boxes;
        EXPECT_EQ(Player1->Mode(), mpPlaying);
        EXPECT_TRUE(WaitUntil([&] { return EndOf(letter) != nullptr || boxes > 1; }));
    };
    Speech->PlaySoundPair(question, letter);
    ASSERT_TRUE(WaitUntil([&] { return Player1->Times().StartFrame >= 0; }));
    Speech->SayPraise();
    EXPECT_EQ(Dialogs.Texts(), std::vector<QString>{QStringLiteral("Продолжить")});
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Вельмок"));
    ASSERT_NE(EndOf(praise), nullptr);
    ASSERT_NE(EndOf(letter), nullptr);
    const TVoiceTimes c = EndOf(praise)->Times, b = EndOf(letter)->Times;

    // A second praise: the folder holds one file, so it is that file again.
    Ended.clear();
    Speech->SayPraise();
    ASSERT_TRUE(WaitForEnds(1));
    EXPECT_EQ(Ended[0].File, praise);
    const TVoiceTimes again = Ended[0].Times;
    const TSamples stream = CloseAndReadStream();

    EXPECT_EQ(b.StartFrame, c.EndFrame);
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_c.mp3"), c.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_b.mp3"), c.EndFrame, silence));
    EXPECT_TRUE(SoundAt(stream, Expected("tone_c.mp3"), again.StartFrame, silence));
}

TEST_F(EngineStream, BoxesNameTheMissingOrBrokenFileOfEitherPlayer)
{
    const QString good1 = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_c.mp3");
    const QString good2 = Female(QStringLiteral("Буквы/д.mp3"), "tone_b.mp3");
    const QString missing = Tree.Path(kFemale + QStringLiteral("Буквы/нет.mp3"));
    const QString broken =
        Tree.Put(kFemale + QStringLiteral("Буквы/текст.mp3"), QString(), QByteArray("not a sound\n").repeated(100));
    int64_t boxClosedAt = -1;
    Dialogs.WhileUp = [&](const TDialogCall&) {
        QThread::msleep(50);
        boxClosedAt = Engine->FramesMixed();
    };

    struct {
        QString First, Second, Box;
    } cases[] = {
        {missing, good2, QStringLiteral("Файл не найден: ") + missing},
        {broken, good2, QStringLiteral("Ошыбка открытия файла: ") + broken + QStringLiteral("\nне MP3")},
        {good1, missing, QStringLiteral("Файл не найден: ") + missing},
        {good1, broken, QStringLiteral("Ошыбка открытия файла: ") + broken + QStringLiteral("\nне MP3")},
    };
    for (const auto& c : cases) {
        Dialogs.Calls.clear();
        Ended.clear();
        Speech->PlaySoundPair(c.First, c.Second);
        EXPECT_EQ(Dialogs.Texts(), std::vector<QString>{c.Box});
        EXPECT_EQ(Dialogs.Calls.at(0).Title, QStringLiteral("Вельмок"));
        ASSERT_TRUE(WaitForEnds(1)) << c.Box.toStdString();
        QThread::msleep(30);
        QCoreApplication::processEvents();
        ASSERT_EQ(Ended.size(), 1u) << "only the good file plays: " << c.Box.toStdString();
        if (c.Second == good2) {
            // The first file failed: the second plays at once, once its box is closed.
            EXPECT_EQ(Ended[0].File, good2);
            EXPECT_GE(Ended[0].Times.StartFrame, boxClosedAt);
            EXPECT_EQ(Player1->Mode(), mpNotReady);
        } else {
            EXPECT_EQ(Ended[0].File, good1);
            EXPECT_EQ(Player2->Mode(), mpNotReady);
        }
    }
    const TSamples stream = CloseAndReadStream();
    EXPECT_TRUE(Contains(stream, Expected("tone_b.mp3")));
    EXPECT_TRUE(Contains(stream, Expected("tone_c.mp3")));
}

TEST_F(EngineStream, VoiceSwitchTakesEffectWithTheNextSound)
{
    const QString female = Female(QStringLiteral("Фразы/Ты_справился_молодец.mp3"), "tone_a.mp3");
    const QString male = Tree.Put(kMale + QStringLiteral("Фразы/Ты_справился_молодец.mp3"), TestSound("tone_c.mp3"));
    Speech->SayWellDone();
    ASSERT_TRUE(WaitUntil([&] { return Player1->Times().StartFrame >= 0; }));
    Tree.Settings.VoiceFolder = kMale;
    ASSERT_TRUE(WaitForEnds(1));
    Speech->SayWellDone();
    ASSERT_TRUE(WaitForEnds(2));
    EXPECT_EQ(Ended[0].File, female);
    EXPECT_EQ(Ended[1].File, male);
    const TVoiceTimes f = Ended[0].Times, m = Ended[1].Times;
    const TSamples stream = CloseAndReadStream();
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_a.mp3"), f.StartFrame, silence))
        << "the playing sound was not changed";
    EXPECT_TRUE(SoundAt(stream, Expected("tone_c.mp3"), m.StartFrame, silence));
}

TEST_F(EngineStream, DestroyedPlayerIsNotToldOfItsEnd)
{
    const QString file = Female(QStringLiteral("Фразы/Звук.mp3"), "tone_c.mp3");
    Speech.reset();
    int told = 0;
    Player1->OnEnded = [&] { ++told; };
    Player1->SetFileName(file);
    Player1->Open();
    Player1->Play();
    // Wait for the end without letting the queued report through, then drop the player.
    QElapsedTimer clock;
    clock.start();
    while (Player1->Mode() == mpPlaying && clock.elapsed() < 3000) QThread::msleep(5);
    ASSERT_EQ(Player1->Mode(), mpStopped);
    Player1.reset();
    QThread::msleep(30);
    QCoreApplication::processEvents();
    EXPECT_EQ(told, 0);
    EXPECT_TRUE(Ended.empty());
}

TEST_F(EngineStream, OverlappingSoundsAreSummedAndClipped)
{
    audio::TDeviceSound loud;
    loud.Samples.assign(2 * 4000, 20000);
    auto sound = std::make_shared<const audio::TDeviceSound>(loud);
    const audio::TVoiceId x = Engine->CreateVoice({}), y = Engine->CreateVoice({});
    Engine->Load(x, sound);
    Engine->Load(y, sound);
    Engine->Play(x);
    ASSERT_TRUE(WaitUntil([&] { return Engine->Times(x).StartFrame >= 0; }));
    Engine->Play(y);
    ASSERT_TRUE(WaitUntil(
        [&] { return Engine->State(x) == audio::TVoiceState::Stopped && Engine->State(y) == audio::TVoiceState::Stopped; }));
    const TVoiceTimes tx = Engine->Times(x), ty = Engine->Times(y);
    ASSERT_TRUE(WaitUntil([&] { return Engine->FramesMixed() > ty.EndFrame + 1024; }));
    Engine->DestroyVoice(x);
    Engine->DestroyVoice(y);
    const TSamples stream = CloseAndReadStream();
    ASSERT_LT(ty.StartFrame, tx.EndFrame) << "the two sounds did not overlap";
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, TSamples(200, 20000), tx.StartFrame, silence));
    for (int64_t f = std::max<int64_t>(tx.StartFrame - 1, -silence.Frames); f <= ty.EndFrame; ++f) {
        const bool inX = f >= tx.StartFrame && f < tx.EndFrame, inY = f >= ty.StartFrame && f < ty.EndFrame;
        const int expected = inX && inY ? 32767 : (inX || inY ? 20000 : 0);
        const std::size_t at = std::size_t(f + silence.Frames) * 2;
        ASSERT_EQ(stream.at(at), expected) << "frame " << f;
        ASSERT_EQ(stream.at(at + 1), expected) << "frame " << f;
    }
}

TEST(EngineFallback, NoUsableDriverFallsBackToTheSilentOneWithOneWarning)
{
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    const QString file = TestSound("tone_c.mp3");
    ::testing::internal::CaptureStderr();
    qint64 playedMs = -1;
    QString driver;
    for (int round = 0; round < 2; ++round) {
        TEngineMediaPlayer player(audio::TAudioEngine::Acquire());
        driver = player.Engine().DriverName();
        player.SetFileName(file);
        player.Open();
        QElapsedTimer clock;
        clock.start();
        player.Play();
        WaitUntil([&] { return player.Mode() == mpStopped; });
        playedMs = clock.elapsed();
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    qputenv("SDL_AUDIODRIVER", "dummy");
    EXPECT_EQ(driver, QStringLiteral("dummy"));
    // The silent driver keeps real time: the 0.2 s sound takes about 0.2 s.
    EXPECT_GE(playedMs, 150);
    std::size_t warnings = 0;
    for (std::size_t at = err.find("no sound device"); at != std::string::npos; at = err.find("no sound device", at + 1))
        ++warnings;
    EXPECT_EQ(warnings, 1u) << err;
}

}  // namespace

namespace {

TEST(EngineFallback, AlsaDoesNotFillTheTerminalWhenThereIsNoSoundCard)
{
    qputenv("SDL_AUDIODRIVER", "alsa");
    ::testing::internal::CaptureStderr();
    QString driver = audio::TAudioEngine::Acquire()->DriverName();
    const std::string err = ::testing::internal::GetCapturedStderr();
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (driver == QStringLiteral("alsa")) GTEST_SKIP() << "this machine has a sound card";
    EXPECT_EQ(driver, QStringLiteral("dummy"));
    EXPECT_EQ(err.find("ALSA lib"), std::string::npos) << err;
    EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

}  // namespace

namespace {

TEST(SoundSystem, SpeechDrivesTheFirstPlayerAndChainsTheSecond)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    TSoundTree tree;
    TFakeDialogs dialogs;
    int startScreens = 0;
    auto system = MakeSoundSystem(dialogs, tree.Settings, [&] { ++startScreens; });
    const QString lead = tree.Put(kFemale + QStringLiteral("Фразы/Буква.mp3"), TestSound("tone_a.mp3"));
    const QString letter = tree.Put(kFemale + QStringLiteral("Буквы/а.mp3"), TestSound("tone_c.mp3"));
    system->Speech->PlaySoundPair(lead, letter);
    EXPECT_EQ(system->MediaPlayer1->FileName(), lead);
    EXPECT_EQ(system->MediaPlayer1->Mode(), mpPlaying);
    EXPECT_TRUE(system->MediaPlayer2->Waiting());
    EXPECT_TRUE(WaitUntil([&] { return system->MediaPlayer2->Mode() == mpPlaying; }));
    EXPECT_EQ(system->MediaPlayer1->Mode(), mpStopped);
    system->Speech->SayWellDone();
    EXPECT_EQ(startScreens, 1);
    EXPECT_EQ(dialogs.Texts(), std::vector<QString>{QStringLiteral("Файл не найден: ") +
                                                    system->Speech->PhrasePath(QStringLiteral("Ты_справился_молодец.mp3"))});
}

}  // namespace

TEST_F(EngineStream, VolumeScalesEverySampleAndMuteSilencesWithoutChangingThePlaying)
{
    audio::TDeviceSound constant;
    constant.Samples.assign(2 * 3000, 20001);
    auto sound = std::make_shared<const audio::TDeviceSound>(constant);
    const audio::TVoiceId half = Engine->CreateVoice({}), first = Engine->CreateVoice({}), second = Engine->CreateVoice({});
    int ended = 0;
    const audio::TVoiceId told = Engine->CreateVoice([&](const TVoiceTimes&) { ++ended; });

    Engine->SetVolume(50);
    EXPECT_EQ(Engine->Volume(), 50);
    Engine->Load(half, sound);
    Engine->Play(half);
    ASSERT_TRUE(WaitUntil([&] { return Engine->State(half) == audio::TVoiceState::Stopped; }));
    const TVoiceTimes h = Engine->Times(half);

    // Muted: a pair still chains at the exact frame, and the end is still reported.
    Engine->SetVolume(100);
    Engine->SetMuted(true);
    Engine->Load(first, sound);
    Engine->Load(second, sound);
    Engine->Load(told, sound);
    Engine->Play(first);
    Engine->PlayAfter(second, first);
    Engine->Play(told);
    ASSERT_TRUE(WaitUntil([&] { return Engine->State(second) == audio::TVoiceState::Stopped && ended == 1; }));
    const TVoiceTimes f = Engine->Times(first), s = Engine->Times(second);
    EXPECT_EQ(s.StartFrame, f.EndFrame) << "the pair chains while muted";
    ASSERT_TRUE(WaitUntil([&] { return Engine->FramesMixed() > s.EndFrame + 1024; }));
    Engine->SetMuted(false);
    for (audio::TVoiceId v : {half, first, second, told}) Engine->DestroyVoice(v);
    const TSamples stream = CloseAndReadStream();

    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, TSamples(200, 10000), h.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, TSamples(2 * 3000, 10000), h.StartFrame, silence)) << "20001 at 50 % is 10000";
    EXPECT_TRUE(SilentBetween(stream, f.StartFrame + silence.Frames, s.EndFrame + silence.Frames));
}

TEST_F(EngineStream, ABoxAboutAFileThatWillNotPlaySaysWhichFileAndWhy)
{
    QFile tone(TestSound("tone_a.mp3"));
    ASSERT_TRUE(tone.open(QIODevice::ReadOnly));
    const QByteArray bytes = tone.readAll();
    const struct {
        QString Relative;
        QByteArray Bytes;
        QString Why;
        bool Plays;
    } cases[] = {
        {QStringLiteral("Буквы/а.mp3"), QByteArray("not a sound\n").repeated(300), QStringLiteral("не MP3"), false},
        {QStringLiteral("Буквы/б.mp3"), QByteArray(), QStringLiteral("файл пуст"), false},
        {QStringLiteral("Буквы/в.mp3"), bytes.left(bytes.size() / 3),
         QStringLiteral("MP3 обрезан: звучит только его начало"), true},
    };
    for (const auto& c : cases) {
        const QString path = Tree.Put(kFemale + c.Relative, QString(), c.Bytes);
        Dialogs.Calls.clear();
        Speech->PlaySoundFile(path);
        ASSERT_EQ(Dialogs.Calls.size(), 1u) << c.Relative.toStdString();
        EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Ошыбка открытия файла: ") + path + QLatin1Char('\n') + c.Why);
        EXPECT_EQ(Player1->Mode() == mpPlaying, c.Plays) << c.Relative.toStdString();
    }
}

TEST_F(EngineStream, CutShortFileOfAPairIsHeardForWhatItHoldsWhileItsBoxIsUp)
{
    QFile tone(TestSound("tone_a.mp3"));
    ASSERT_TRUE(tone.open(QIODevice::ReadOnly));
    const QByteArray bytes = tone.readAll();
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"), "tone_c.mp3");
    const QString cut = Tree.Put(kFemale + QStringLiteral("Буквы/е.mp3"), QString(), bytes.left(bytes.size() / 3));
    // The user reads the box while the pair plays to its end.
    Dialogs.WhileUp = [&](const TDialogCall&) { EXPECT_TRUE(WaitForEnds(2)); };
    Speech->PlaySoundPair(lead, cut);
    EXPECT_EQ(Dialogs.Texts(), std::vector<QString>{QStringLiteral("Ошыбка открытия файла: ") + cut +
                                                    QStringLiteral("\nMP3 обрезан: звучит только его начало")});
    ASSERT_NE(EndOf(lead), nullptr);
    ASSERT_NE(EndOf(cut), nullptr);
    const TVoiceTimes c = EndOf(lead)->Times, a = EndOf(cut)->Times;
    const TSamples stream = CloseAndReadStream();

    const TSamples held = audio::ToDeviceFormat(Mp3DecodeFile(cut).Sound).Samples, whole = Expected("tone_a.mp3");
    ASSERT_GT(held.size(), std::size_t(4000));
    ASSERT_LT(held.size(), whole.size() / 2);
    EXPECT_TRUE(std::equal(held.begin(), held.begin() + 4000, whole.begin())) << "not the file's beginning";
    EXPECT_EQ(a.StartFrame, c.EndFrame) << "gap of " << a.StartFrame - c.EndFrame << " frames";
    EXPECT_EQ(a.EndFrame - a.StartFrame, int64_t(held.size() / 2));
    TStartSilence silence;
    ASSERT_TRUE(FindStartSilence(stream, Expected("tone_c.mp3"), c.StartFrame, silence));
    EXPECT_TRUE(SoundAt(stream, held, c.EndFrame, silence));
    EXPECT_TRUE(SilentBetween(stream, a.EndFrame + silence.Frames, int64_t(stream.size() / 2)));
}
