// The rules of playing files, pairs and phrases, against fake players: every step is exact and
// nothing waits for real sound.
#include "sound/FakeMediaPlayer.h"
#include "sound/SoundTree.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"

#include "sound/SoundFeedback.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

using ::testing::ElementsAre;

namespace {

const QString kFemale = QStringLiteral("Женский голос/");
const QString kMale = QStringLiteral("Мужской голос/");

class SoundFeedback : public ::testing::Test {
protected:
    SoundFeedback()
    {
        Dialogs.WhileUp = [this](const TDialogCall& c) {
            Journal << QStringLiteral("box ") + c.Text;
            if (WhileBoxUp) WhileBoxUp(c);
        };
    }

    // A file of the female voice, created on disk; returns its full path.
    QString Female(const QString& Relative) { return Tree.Put(kFemale + Relative); }

    TSoundTree Tree;
    QStringList Journal;
    TFakeDialogs Dialogs;
    std::function<void(const TDialogCall&)> WhileBoxUp;
    TFakeMediaPlayer Player1{QStringLiteral("1"), Journal};
    TFakeMediaPlayer Player2{QStringLiteral("2"), Journal};
    int StartPanelShows = 0;
    TSoundFeedback Speech{Dialogs, Player1, Player2, Tree.Settings, [this] { ++StartPanelShows; }};
};

TEST_F(SoundFeedback, PlaySoundFileOpensAndPlaysOnTheFirstPlayerOnly)
{
    const QString a = Female(QStringLiteral("Буквы/а.mp3"));
    Speech.PlaySoundFile(a);
    EXPECT_EQ(Player1.Mode(), mpPlaying);
    EXPECT_EQ(Speech.FirstPlayerFileName(), a);
    EXPECT_EQ(Player2.Mode(), mpNotReady);
    EXPECT_TRUE(Dialogs.Calls.empty());
    EXPECT_THAT(Journal, ElementsAre("1 open " + a, "1 play " + a));
}

TEST_F(SoundFeedback, MissingFileStopsTheFirstPlayerAndNamesThePath)
{
    const QString a = Female(QStringLiteral("Буквы/а.mp3"));
    const QString missing = Tree.Path(kFemale + QStringLiteral("Буквы/я.mp3"));
    Speech.PlaySoundFile(a);
    WhileBoxUp = [&](const TDialogCall&) {
        EXPECT_EQ(Player1.Mode(), mpNotReady) << "the old sound must stop before the box";
    };
    Speech.PlaySoundFile(missing);
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Вельмок"));
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Файл не найден: ") + missing);
    EXPECT_EQ(Speech.FirstPlayerFileName(), QString());
}

TEST_F(SoundFeedback, FileThatWillNotOpenIsReportedWithItsPathAndKeepsTheName)
{
    const QString bad = Female(QStringLiteral("Буквы/б.mp3"));
    Player1.FailingFiles << bad;
    Speech.PlaySoundFile(bad);
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Вельмок"));
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Ошыбка открытия файла: ") + bad);
    EXPECT_EQ(Speech.FirstPlayerFileName(), bad);
    EXPECT_EQ(Player1.Mode(), mpNotReady);
}

TEST_F(SoundFeedback, PairPlaysTheSecondFileOnlyWhenTheFirstHasEnded)
{
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"));
    const QString letter = Female(QStringLiteral("Буквы/а.mp3"));
    Speech.PlaySoundPair(lead, letter);
    EXPECT_EQ(Player1.Mode(), mpPlaying);
    EXPECT_EQ(Player2.Mode(), mpStopped);
    EXPECT_TRUE(Player2.Waiting());
    EXPECT_EQ(Speech.SecondPlayerFileName(), letter);

    Player1.Finish();
    EXPECT_EQ(Player2.Mode(), mpPlaying);
    EXPECT_FALSE(Player2.Waiting());
    EXPECT_THAT(Journal,
                ElementsAre("1 open " + lead, "1 play " + lead, "2 open " + letter, "1 end " + lead, "2 play " + letter));
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(SoundFeedback, NewPairDropsTheWaitingSecondFile)
{
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"));
    const QString a = Female(QStringLiteral("Буквы/а.mp3"));
    const QString b = Female(QStringLiteral("Буквы/б.mp3"));
    Speech.PlaySoundPair(lead, a);
    Speech.PlaySoundPair(lead, b);
    Journal.clear();
    Player1.Finish();
    EXPECT_THAT(Journal, ElementsAre("1 end " + lead, "2 play " + b));
    EXPECT_EQ(Speech.SecondPlayerFileName(), b);
}

TEST_F(SoundFeedback, SingleFileWhileAPairWaitsReplacesOnlyTheFirstSound)
{
    const QString lead = Female(QStringLiteral("Фразы/Буква.mp3"));
    const QString a = Female(QStringLiteral("Буквы/а.mp3"));
    const QString other = Female(QStringLiteral("Фразы/Звук.mp3"));
    Speech.PlaySoundPair(lead, a);
    Speech.PlaySoundFile(other);
    EXPECT_EQ(Player1.OpenFile, other);
    EXPECT_TRUE(Player2.Waiting()) << "the letter still waits, now for the new sound";
    Journal.clear();
    Player1.Finish();
    EXPECT_THAT(Journal, ElementsAre("1 end " + other, "2 play " + a));
}

TEST_F(SoundFeedback, PraiseDuringAQuestionPlaysFirstAndTheLetterAfterIt)
{
    const QString question = Female(QStringLiteral("Фразы/Покажи_букву.mp3"));
    const QString letter = Female(QStringLiteral("Буквы/в.mp3"));
    const QString praise = Female(QStringLiteral("Фразы/Правильно/Молодец.mp3"));
    Speech.PlaySoundPair(question, letter);
    // The box is up while the praise plays; the praise ends and the letter follows meanwhile.
    WhileBoxUp = [&](const TDialogCall&) {
        EXPECT_EQ(Player1.OpenFile, praise);
        EXPECT_EQ(Player1.Mode(), mpPlaying);
        EXPECT_EQ(Player2.Mode(), mpStopped);
        Player1.Finish();
        EXPECT_EQ(Player2.Mode(), mpPlaying);
    };
    Speech.SayPraise();
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Вельмок"));
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Продолжить"));
    EXPECT_EQ(Journal.filter(QStringLiteral(" play ")),
              QStringList({"1 play " + question, "1 play " + praise, "2 play " + letter}));
}

TEST_F(SoundFeedback, MissingSecondFileIsReportedWhileTheFirstPlays)
{
    const QString lead = Female(QStringLiteral("Фразы/Звук.mp3"));
    const QString missing = Tree.Path(kFemale + QStringLiteral("Звуки/ы.mp3"));
    WhileBoxUp = [&](const TDialogCall&) { EXPECT_EQ(Player1.Mode(), mpPlaying); };
    Speech.PlaySoundPair(lead, missing);
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Файл не найден: ") + missing);
    EXPECT_EQ(Player2.Mode(), mpNotReady);
    EXPECT_EQ(Speech.SecondPlayerFileName(), QString());
}

TEST_F(SoundFeedback, SecondFileThatWillNotOpenIsReportedAndNeverPlays)
{
    const QString lead = Female(QStringLiteral("Фразы/Звук.mp3"));
    const QString bad = Female(QStringLiteral("Звуки/ы.mp3"));
    Player2.FailingFiles << bad;
    Speech.PlaySoundPair(lead, bad);
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Ошыбка открытия файла: ") + bad);
    EXPECT_FALSE(Player2.Waiting());
    Player1.Finish();
    EXPECT_EQ(Journal.filter(QStringLiteral("2 play")), QStringList());
}

TEST_F(SoundFeedback, BrokenFirstFileStillLetsTheSecondPlayAtOnceAfterItsBox)
{
    const QString letter = Female(QStringLiteral("Буквы/г.mp3"));
    const QString missing = Tree.Path(kFemale + QStringLiteral("Фразы/Буква.mp3"));
    const QString bad = Female(QStringLiteral("Фразы/Звук.mp3"));
    Player1.FailingFiles << bad;
    for (const QString& first : {missing, bad}) {
        Journal.clear();
        Player2.Close();
        Speech.PlaySoundPair(first, letter);
        ASSERT_EQ(Journal.filter(QStringLiteral("box ")).size(), 1) << first.toStdString();
        EXPECT_TRUE(Journal.filter(QStringLiteral("box ")).first().endsWith(first));
        EXPECT_EQ(Journal.last(), "2 play " + letter);
        EXPECT_LT(Journal.indexOf(QRegularExpression(QStringLiteral("^box "))), Journal.indexOf("2 play " + letter));
        EXPECT_EQ(Player2.Mode(), mpPlaying);
    }
}

TEST_F(SoundFeedback, PraiseAndTryAgainPickFromTheirOwnFolderOnly)
{
    const QSet<QString> praise = {Female(QStringLiteral("Фразы/Правильно/Молодец.mp3")),
                                  Female(QStringLiteral("Фразы/Правильно/Умница.mp3")),
                                  Female(QStringLiteral("Фразы/Правильно/Верно.mp3"))};
    // Neither hidden files nor sub-folders are phrases.
    Female(QStringLiteral("Фразы/Правильно/.скрытый.mp3"));
    Female(QStringLiteral("Фразы/Правильно/Папка/Внутри.mp3"));
    const QString tryAgain = Female(QStringLiteral("Фразы/Неправильно/Попробуй_ещё.mp3"));

    QSet<QString> heard;
    for (int i = 0; i < 90; ++i) {
        Speech.SayPraise();
        ASSERT_TRUE(praise.contains(Player1.OpenFile)) << Player1.OpenFile.toStdString();
        heard << Player1.OpenFile;
    }
    EXPECT_EQ(heard, praise) << "every praise phrase comes up in 90 draws";

    for (int i = 0; i < 5; ++i) {
        Speech.SayTryAgain();
        EXPECT_EQ(Player1.OpenFile, tryAgain) << "with one file in the folder, that file is always played";
    }
    EXPECT_EQ(Dialogs.Texts(), std::vector<QString>(95, QStringLiteral("Продолжить")));
}

TEST_F(SoundFeedback, MissingOrEmptyPhraseFolderStillShowsOnlyTheContinueBox)
{
    Speech.SayPraise();  // no folder at all
    Tree.MakeFolder(kFemale + QStringLiteral("Фразы/Неправильно"));
    Speech.SayTryAgain();  // an empty folder
    EXPECT_EQ(Dialogs.Texts(), std::vector<QString>(2, QStringLiteral("Продолжить")));
    EXPECT_EQ(Journal.filter(QStringLiteral(" open ")), QStringList());
}

TEST_F(SoundFeedback, WellDonePlaysItsPhraseAndShowsTheStartScreenWithoutABox)
{
    const QString wellDone = Female(QStringLiteral("Фразы/Ты_справился_молодец.mp3"));
    Speech.SayWellDone();
    EXPECT_EQ(Player1.OpenFile, wellDone);
    EXPECT_EQ(Player1.Mode(), mpPlaying);
    EXPECT_EQ(StartPanelShows, 1);
    EXPECT_TRUE(Dialogs.Calls.empty());

    QFile::remove(wellDone);
    Speech.SayWellDone();
    EXPECT_EQ(Dialogs.Texts(), std::vector<QString>{QStringLiteral("Файл не найден: ") + wellDone});
    EXPECT_EQ(StartPanelShows, 2) << "the start screen comes all the same";
}

TEST_F(SoundFeedback, PraiseWithNoBoxCallsBackOnceThePhraseHasEnded)
{
    const QString praise = Female(QStringLiteral("Фразы/Правильно/Молодец.mp3"));
    const QString tryAgain = Female(QStringLiteral("Фразы/Неправильно/Ещё_раз.mp3"));
    QStringList told;
    Speech.SayPraiseThen([&] { told << QStringLiteral("praised"); });
    EXPECT_EQ(Player1.OpenFile, praise);
    EXPECT_TRUE(Dialogs.Calls.empty()) << "no box";
    EXPECT_TRUE(told.isEmpty()) << "not while the phrase plays";
    Player1.Finish();
    EXPECT_EQ(told, QStringList{QStringLiteral("praised")});
    Player1.Finish();
    EXPECT_EQ(told.size(), 1) << "once";

    Speech.SayTryAgainThen([&] { told << QStringLiteral("again"); });
    EXPECT_EQ(Player1.OpenFile, tryAgain);
    Player1.Finish();
    EXPECT_EQ(told.last(), QStringLiteral("again"));
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(SoundFeedback, AfterSoundWaitsForThePairsSecondFileAndIsDroppedByANewSound)
{
    const QString lead = Female(QStringLiteral("Слоги/Протяжно/ма.mp3"));
    const QString syllable = Female(QStringLiteral("Слоги/ма.mp3"));
    const QString other = Female(QStringLiteral("Звуки/м.mp3"));
    int told = 0;
    Speech.PlaySoundPair(lead, syllable);
    Speech.AfterSound([&] { ++told; });
    Player1.Finish();
    EXPECT_EQ(told, 0) << "the second file plays now";
    Player2.Finish();
    EXPECT_EQ(told, 1);

    Speech.PlaySoundPair(lead, syllable);
    Speech.AfterSound([&] { ++told; });
    Speech.PlaySoundFile(other);  // cuts the pair short: what waited for it is not run
    Player1.Finish();
    Player2.Finish();
    EXPECT_EQ(told, 1);

    Speech.AfterSound([&] { ++told; });
    EXPECT_EQ(told, 2) << "nothing plays: at once";
}

TEST_F(SoundFeedback, PraiseWithNoPhraseToSayCallsBackAtOnce)
{
    int told = 0;
    Speech.SayPraiseThen([&] { ++told; });
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST(SoundFeedbackLife, PlayersThatOutliveTheSpeechEndTheirSoundsSafely)
{
    TSoundTree tree;
    QStringList journal;
    TFakeDialogs dialogs;
    TFakeMediaPlayer player1{QStringLiteral("1"), journal}, player2{QStringLiteral("2"), journal};
    int told = 0;
    {
        TSoundFeedback speech{dialogs, player1, player2, tree.Settings, {}};
        speech.PlaySoundFile(tree.Put(kFemale + QStringLiteral("Слоги/ма.mp3")));
        speech.AfterSound([&] { ++told; });
    }
    EXPECT_FALSE(player1.OnEnded);
    player1.Finish();
    EXPECT_EQ(told, 0);
}

TEST_F(SoundFeedback, VoiceChoiceAppliesFromTheNextSoundOn)
{
    Female(QStringLiteral("Фразы/Ты_справился_молодец.mp3"));
    const QString male = Tree.Put(kMale + QStringLiteral("Фразы/Ты_справился_молодец.mp3"));
    const QString malePraise = Tree.Put(kMale + QStringLiteral("Фразы/Правильно/Отлично.mp3"));
    Speech.SayWellDone();
    const QString playing = Player1.OpenFile;
    Tree.Settings.VoiceFolder = kMale;
    EXPECT_EQ(Player1.OpenFile, playing) << "the sound already playing is not changed";
    EXPECT_TRUE(playing.contains(kFemale));
    Speech.SayWellDone();
    EXPECT_EQ(Player1.OpenFile, male);
    Speech.SayPraise();
    EXPECT_EQ(Player1.OpenFile, malePraise);
    EXPECT_EQ(Speech.PhrasePath(QStringLiteral("Буква.mp3")),
              Tree.Settings.SoundRoot + kMale + QStringLiteral("Фразы/Буква.mp3"));
}

}  // namespace

TEST(SoundFeedbackLayers, AParentsRecordingPlaysInsteadAndMissingFilesAreNamedWhereTheyWereExpected)
{
    TSoundTree installed;
    QTemporaryDir userDir;
    const QString user = userDir.path() + QLatin1Char('/');
    TSettings settings = TSettings::ForContent(TContentRoots({user, installed.Settings.ContentFolder}));
    QStringList journal;
    TFakeDialogs dialogs;
    TFakeMediaPlayer player1{QStringLiteral("1"), journal}, player2{QStringLiteral("2"), journal};
    TSoundFeedback speech{dialogs, player1, player2, settings, [] {}};
    auto putUser = [&](const QString& Relative) {
        const QString path = user + QStringLiteral("Sound/") + kFemale + Relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return path;
    };

    installed.Put(kFemale + QStringLiteral("Фразы/Буква.mp3"));
    const QString installedA = installed.Put(kFemale + QStringLiteral("Буквы/а.mp3"));
    const QString mineA = putUser(QStringLiteral("Буквы/а.mp3"));
    speech.PlaySoundPair(settings.SoundRoot + kFemale + QStringLiteral("Фразы/Буква.mp3"), installedA);
    EXPECT_EQ(speech.FirstPlayerFileName(), settings.SoundRoot + kFemale + QStringLiteral("Фразы/Буква.mp3"));
    EXPECT_EQ(speech.SecondPlayerFileName(), mineA) << "the parent's own recording of а";

    speech.PlaySoundFile(settings.SoundRoot + kFemale + QStringLiteral("Буквы/я.mp3"));
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].Text,
              QStringLiteral("Файл не найден: ") + installed.Path(kFemale + QStringLiteral("Буквы/я.mp3")));

    // Praise phrases: the parent's and the installed ones together.
    installed.Put(kFemale + QStringLiteral("Фразы/Правильно/Молодец.mp3"));
    const QString mine = putUser(QStringLiteral("Фразы/Правильно/Ура.mp3"));
    QSet<QString> played;
    for (int i = 0; i < 60; ++i) {
        speech.SayPraise();
        played.insert(speech.FirstPlayerFileName());
    }
    EXPECT_EQ(played, (QSet<QString>{mine, installed.Path(kFemale + QStringLiteral("Фразы/Правильно/Молодец.mp3"))}));
}
