// A take in the corner's "Голос", on SDL's disk driver, which reads the "microphone" from a file:
// kept, it is levelled to the installed clips of the voice it was recorded for; let go (the corner
// left, the voice switched) before "Оставить", nothing is written and the status line says why.
#include "CornerWorld.h"
#include "core/Loudness.h"
#include "corner/CornerVoice.h"
#include "platform/audio/AudioCapture.h"
#include "platform/audio/Mp3Decoder.h"
#include "platform/modules/ModuleLoader.h"
#include "slogi/SlogSounds.h"
#include "sound/InstalledLoudness.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

const QString kFemale = QStringLiteral("Женский голос"), kMale = QStringLiteral("Мужской голос");
const QString kRecording = QStringLiteral("Идёт запись: «бэ». Скажите и нажмите «Стоп».");
const QString kRecordFirst = QStringLiteral("Сначала запишите: нажмите «Записать» в нужной строке.");
const QString kVoiceSwitched = QStringLiteral("Голос сменился: запись не сохранена. Нажмите «Записать» в нужной строке.");

QString LetterB(const QString& Voice)
{
    return QStringLiteral("Sound/%1/Буквы/б.mp3").arg(Voice);
}

// A 440 Hz tone of RMS LevelDb between silences, mono 16-bit at Rate.
std::vector<int16_t> Tone(double LeadSeconds, double ToneSeconds, double TailSeconds, double LevelDb, int Rate)
{
    const double amplitude = loudness::FromDb(LevelDb) * std::numbers::sqrt2;
    std::vector<int16_t> samples(std::size_t((LeadSeconds + ToneSeconds + TailSeconds) * Rate), 0);
    const auto first = std::size_t(LeadSeconds * Rate), count = std::size_t(ToneSeconds * Rate);
    for (std::size_t i = 0; i < count; ++i)
        samples[first + i] =
            int16_t(std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / Rate)));
    return samples;
}

class CornerTake : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_NE(modules::CornerModule(), nullptr) << modules::CornerModuleProblem().toStdString();
        // The installed clips: the female voice's loud, the male voice's quiet, the microphone quieter still.
        for (const auto& [voice, level] : {std::pair{kFemale, -14.0}, std::pair{kMale, -26.0}})
            for (const char* letter : {"а", "в", "г"}) {
                const QString path = W.Context.Settings.SoundRoot + voice + QStringLiteral("/Буквы/%1.mp3").arg(letter);
                ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                const std::vector<int16_t> tone = Tone(0.05, 0.5, 0.05, level, 44100);
                file.write(modules::CornerModule()->Mp3EncodeMono(tone, 44100));
            }
        // "Слоги"'s clips of the male voice, loud and more of them than letters: no part of the level.
        for (const char* folder : {"Слоги", "Слоги/Протяжно", "Слова"})
            for (const char* name : {"ма", "мо", "му", "мы", "мама"}) {
                const QString path = W.Context.Settings.SoundRoot + kMale + QStringLiteral("/%1/%2.mp3").arg(folder, name);
                ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(modules::CornerModule()->Mp3EncodeMono(Tone(0.05, 0.5, 0.05, -6.0, 44100), 44100));
            }
        const std::vector<int16_t> microphone = Tone(0.5, 1.0, 0.5, -38.0, audio::kCaptureRate);
        const QString in = W.Home.filePath(QStringLiteral("mic.raw"));
        QFile file(in);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(microphone.data()), qsizetype(microphone.size() * 2));
        file.close();
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILEIN", QFile::encodeName(in));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(W.Home.filePath(QStringLiteral("out.raw"))));
        qputenv("SDL_DISKAUDIODELAY", "1");  // 10 s of "microphone" in about half a second
    }
    void TearDown() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        qunsetenv("SDL_DISKAUDIOFILEIN");
        qunsetenv("SDL_DISKAUDIODELAY");
        qunsetenv("SDL_DISKAUDIOFILE");
    }

    void ChooseVoice(const QString& Voice) { W.Named<QComboBox>(QStringLiteral("VoiceComboBox"))->setCurrentText(Voice); }
    // Waits until the status line says Sentence, or 20 s.
    bool WaitForStatus(const QString& Sentence)
    {
        QElapsedTimer waited;
        waited.start();
        while (W.Status() != Sentence && waited.elapsed() < 20000) QTest::qWait(10);
        return W.Status() == Sentence;
    }
    // The files below the family's folder.
    QStringList Written() const
    {
        QStringList files;
        for (QDirIterator it(W.User(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) files << it.next();
        return files;
    }

    TCornerWorld W;
};

TEST_F(CornerTake, KeptTakeIsLevelledToTheInstalledClipsOfItsOwnVoice)
{
    W.Enter();
    ChooseVoice(kMale);
    W.Press(QStringLiteral("RecordButton:") + LetterB(kMale));
    ASSERT_EQ(W.Status(), kRecording);
    ASSERT_TRUE(WaitForStatus(RecordingLimitSentence(audio::kLongestRecording))) << W.Status().toStdString();
    W.Press(QStringLiteral("KeepButton"));
    EXPECT_EQ(W.Status(), QStringLiteral("Запись «бэ» сохранена: теперь программа говорит вашим голосом."));

    ASSERT_EQ(Written(), QStringList{W.User() + LetterB(kMale)});
    const TMp3Result kept = Mp3DecodeFile(W.User() + LetterB(kMale));
    ASSERT_TRUE(kept.Ok()) << kept.Describe().toStdString();
    const loudness::TClipMeasure m =
        loudness::Measure(loudness::ToMonoFloat(kept.Sound.Samples, kept.Sound.Channels), kept.Sound.SampleRate);
    EXPECT_NEAR(m.LoudnessDb, -26.0, 1.0) << "the male voice's clips, not the female's (-14) nor the microphone's (-38)";
    W.Corner->Close();
    EXPECT_EQ(W.ContentChanges, 1);
}

// Level to the male voice's letters alone, whatever lies in its folders of "Слоги".
TEST_F(CornerTake, LoudnessTargetIsTheLettersMedianAlone)
{
    EXPECT_NEAR(clip::MedianLoudnessDb(clip::LetterClipFolders({W.Context.Settings.ContentFolder}, kMale)), -26.0, 1.0);
}

TEST_F(CornerTake, SyllableTakeIsKeptWhereTheActivityPlaysItInsteadOfTheInstalledOne)
{
    const QString syllable = QStringLiteral("Sound/Мужской голос/Слоги/ма.mp3");
    W.Enter();
    ChooseVoice(kMale);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the female voice's rows
    W.Press(QStringLiteral("FoldButton:Слоги"));
    W.Press(QStringLiteral("FoldButton:Слоги/м"));
    W.Press(QStringLiteral("RecordButton:") + syllable);
    ASSERT_EQ(W.Status(), QStringLiteral("Идёт запись: «слог ма». Скажите и нажмите «Стоп»."));
    ASSERT_TRUE(WaitForStatus(RecordingLimitSentence(audio::kLongestRecording))) << W.Status().toStdString();
    W.Press(QStringLiteral("KeepButton"));
    EXPECT_EQ(W.Status(), QStringLiteral("Запись «слог ма» сохранена: теперь программа говорит вашим голосом."));
    ASSERT_EQ(Written(), QStringList{W.User() + syllable});
    const TMp3Result kept = Mp3DecodeFile(W.User() + syllable);
    ASSERT_TRUE(kept.Ok()) << kept.Describe().toStdString();
    EXPECT_NEAR(
        loudness::Measure(loudness::ToMonoFloat(kept.Sound.Samples, kept.Sound.Channels), kept.Sound.SampleRate).LoudnessDb,
        -26.0, 1.0)
        << "the male voice's letters, not its loud syllables (-6)";
    EXPECT_TRUE(W.Named(QStringLiteral("RevertButton:") + syllable)) << "the lesson is shown open, the row the family's";

    // The activity, over the content roots as the program lays them (the family's folder first).
    TSettings settings = TSettings::ForContent(TContentRoots({W.User(), W.Context.Settings.ContentFolder}));
    settings.VoiceFolder = kMaleVoice;
    const TSlogContent content = TSlogContent::Scan(settings);
    const TSlogSounds sounds(settings, content);
    EXPECT_EQ(settings.Content.Locate(sounds.Syllable(QStringLiteral("ма"))), W.User() + syllable);
    EXPECT_EQ(settings.Content.Locate(sounds.Syllable(QStringLiteral("мо"))),
              W.Context.Settings.SoundRoot + kMale + QStringLiteral("/Слоги/мо.mp3"));
}

// How a take is let go before "Оставить", and what the status line says right after.
struct TLetGo {
    const char* Name;
    bool AfterTheTake;  // the recording had stopped by itself and was heard; else it was still going
    std::function<void(CornerTake&)> Do;
    bool Leaves;  // the corner is left, and entered again to press "Оставить"
    const QString* Says;
};

class TakeLetGo : public CornerTake, public ::testing::WithParamInterface<TLetGo> {};

TEST_P(TakeLetGo, WritesNothingAndLeavesNothingToKeepOrRecordAgain)
{
    const TLetGo& c = GetParam();
    W.Enter();
    W.Press(QStringLiteral("RecordButton:") + LetterB(kFemale));
    ASSERT_EQ(W.Status(), kRecording);
    if (c.AfterTheTake) {
        ASSERT_TRUE(WaitForStatus(RecordingLimitSentence(audio::kLongestRecording)));
    }
    c.Do(*this);
    const QString said = W.Status();
    QTest::qWait(1000);  // twice the time the disk microphone needs to reach the limit
    EXPECT_EQ(W.Status(), said) << "a recording let go does not stop by itself later";
    if (c.Says) {
        EXPECT_EQ(said, *c.Says);
    }
    if (c.Leaves) {
        EXPECT_FALSE(W.Corner->IsOpen());
        W.Enter();
    }
    const QString before = W.Status();
    W.Press(QStringLiteral("AgainButton"));
    EXPECT_EQ(W.Status(), before) << "nor a clip to record again";
    W.Press(QStringLiteral("KeepButton"));
    EXPECT_EQ(W.Status(), kRecordFirst);
    EXPECT_TRUE(Written().isEmpty()) << Written().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TakeLetGo,
    ::testing::Values(
        TLetGo{"EscWhileRecording", false,
               [](CornerTake& T) { QTest::keyClick(T.W.Named(QStringLiteral("StopButton")), Qt::Key_Escape); }, true,
               nullptr},
        TLetGo{"CloseAfterTheTake", true, [](CornerTake& T) { T.W.Press(QStringLiteral("CornerCloseButton")); }, true,
               nullptr},
        TLetGo{"VoiceSwitchedWhileRecording", false, [](CornerTake& T) { T.ChooseVoice(kMale); }, false, &kVoiceSwitched},
        TLetGo{"VoiceSwitchedAfterTheTake", true, [](CornerTake& T) { T.ChooseVoice(kMale); }, false, &kVoiceSwitched}),
    [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
