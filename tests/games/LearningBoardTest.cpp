#include "games/FormWorld.h"
#include "support/TestForm.h"

#include "platform/widgets/Panel.h"
#include "support/QtPrint.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

constexpr unsigned char kSmallA = 0xE0;

struct TLearning : TFormWorld {
    TRusSndLetterPanelCollection& Board() { return *Objects().SndLetterPanels; }
    void Open() { Named<QAction>(*Form, "SoundLetters")->trigger(); }
    void Names() { Click(Named<TSpeedButton>(*Form, "LetterrsNamesSpeedButton")); }
    void Sounds() { Click(Named<TSpeedButton>(*Form, "LettersSoundsSpeedButton")); }
    // The cell size of the window's scroll box: a sixth of it, less the box's 2-pixel edges.
    QSize Cell() const
    {
        const QSize box = Named<TScrollBox>(*Form, "LettersSndScrollBox")->size();
        return QSize((box.width() - 4) / 6, (box.height() - 4) / 6);
    }
    // The captions of the tiles whose top is that of the sixth row.
    QStringList SixthRow()
    {
        QStringList out;
        for (TLetterPanel* t : Tiles(Board()))
            if (t->Panel->y() == 5 * Cell().height()) out << t->LetterLabel->text();
        return out;
    }
};

}  // namespace

TEST(LearningBoard, OpeningShowsTheTypeChooserOverTheScreenEveryTime)
{
    TLearning w;
    w.Open();
    EXPECT_TRUE(Named<TPanel>(*w.Form, "SysPanel")->isVisibleTo(w.Form.get()));
    EXPECT_TRUE(Named<TPanel>(*w.Form, "GameSndTypePanel")->isVisibleTo(w.Form.get()));
    EXPECT_EQ(w.Board().Count(), 0) << "nothing is built before a type is chosen";
    w.Names();
    EXPECT_FALSE(Named<TPanel>(*w.Form, "SysPanel")->isVisibleTo(w.Form.get()));
    EXPECT_FALSE(Named<TPanel>(*w.Form, "GameSndTypePanel")->isVisibleTo(w.Form.get()));
    w.Open();
    EXPECT_TRUE(Named<TPanel>(*w.Form, "SysPanel")->isVisibleTo(w.Form.get()));
    EXPECT_TRUE(Named<TPanel>(*w.Form, "GameSndTypePanel")->isVisibleTo(w.Form.get()));
}

TEST(LearningBoard, NamesGive33TilesInSixRowsAndAClickSaysTheLettersName)
{
    TLearning w;
    w.Open();
    w.Names();
    EXPECT_EQ(w.Settings().LetterSetMode, lsNames);
    ASSERT_EQ(w.Board().Count(), 33);
    EXPECT_EQ(w.SixthRow(), QStringList({"Э", "Ю", "Я"}));
    for (TLetterPanel* t : TFormWorld::Tiles(w.Board()))
        EXPECT_EQ(t->Panel->parentWidget(), Named<TScrollBox>(*w.Form, "LettersSndScrollBox")->Content());
    EXPECT_EQ(w.Board().GetTile(0)->Panel->size(), w.Cell());
    EXPECT_EQ(w.Cell().width(), 182);

    TFormWorld::Click(w.Board().GetTile(0));
    ASSERT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Буква.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Буквы/а.mp3");
}

TEST(LearningBoard, SoundsRebuildWith31TilesAndYaAloneInTheSixthRow)
{
    TLearning w;
    w.Open();
    w.Names();
    w.Open();
    w.Sounds();
    EXPECT_EQ(w.Settings().LetterSetMode, lsSounds);
    ASSERT_EQ(w.Board().Count(), 31);
    EXPECT_EQ(w.SixthRow(), QStringList({"Я"}));
    EXPECT_EQ(TFormWorld::TileOf(w.Board(), 0xFA), nullptr);
    EXPECT_EQ(TFormWorld::TileOf(w.Board(), 0xFC), nullptr);
    EXPECT_EQ(Named<TScrollBox>(*w.Form, "LettersSndScrollBox")
                  ->Content()
                  ->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly)
                  .size(),
              31)
        << "the names board's tiles are gone";
    TFormWorld::Click(TFormWorld::TileOf(w.Board(), kSmallA));
    EXPECT_EQ(w.Speech.Last().First, w.Voice() + "Фразы/Звук.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice() + "Звуки/а.mp3");
}

TEST(LearningBoard, TheSameTypeTwiceKeepsTheBoardTheOtherRebuildsIt)
{
    TLearning w;
    w.Open();
    w.Sounds();
    const auto tiles = TFormWorld::Tiles(w.Board());
    w.Open();
    w.Sounds();
    EXPECT_EQ(TFormWorld::Tiles(w.Board()), tiles) << "the same tiles in the same places";

    // Another activity set the names mode meanwhile: the sounds board still comes back as it was.
    w.Settings().LetterSetMode = lsNames;
    w.Open();
    w.Sounds();
    EXPECT_EQ(TFormWorld::Tiles(w.Board()), tiles);
    w.Open();
    w.Names();
    EXPECT_EQ(w.Board().Count(), 33);
    w.Open();
    w.Names();
    EXPECT_EQ(w.Board().Count(), 33);
}

TEST(LearningBoard, TheMaleVoiceSpeaksBothFilesFromItsOwnFolder)
{
    TLearning w;
    w.Open();
    w.Names();
    Named<QRadioButton>(*w.Form, "MaleVoiceRadioButton")->setChecked(true);
    TFormWorld::Click(w.Board().GetTile(6));
    EXPECT_EQ(w.Speech.Last().First, w.Voice(kMaleVoice) + "Фразы/Буква.mp3");
    EXPECT_EQ(w.Speech.Last().Second, w.Voice(kMaleVoice) + "Буквы/ё.mp3");
}

TEST(LearningBoard, AnUndecodablePictureIsReportedAndTheNextChoiceRebuilds)
{
    TLearning w;
    const QString broken = TLetterCollection::PictureFileName(w.Settings(), 0xE1);
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    w.Open();
    w.Names();
    ASSERT_EQ(w.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(w.Dialogs.Calls[0].Title, QString("Кварнель"));
    EXPECT_TRUE(w.Dialogs.Calls[0].Text.contains(broken));
    EXPECT_EQ(w.Board().Count(), 0);

    QFile::remove(broken);
    w.Open();
    w.Names();
    EXPECT_EQ(w.Board().Count(), 33);
    EXPECT_FALSE(Named<TPanel>(*w.Form, "GameSndTypePanel")->isVisibleTo(w.Form.get()));
}

TEST(LearningBoardLoading, TheFirstActivationMakesTheObjectsOnceAndOpensTheMenusGames)
{
    QTemporaryDir dir;
    TFakeDialogs dialogs;
    TTestForm form(&dialogs, dir.path() + "/");
    EXPECT_FALSE(Named<QAction>(form, "SoundLetters")->isEnabled());
    form.FormActivate();
    form.WaitForLoading();
    ASSERT_NE(form.Objects.SndLetterPanels, nullptr);
    EXPECT_TRUE(Named<QAction>(form, "SoundLetters")->isEnabled());
    EXPECT_TRUE(Named<QAction>(form, "Examination")->isEnabled());
    const auto* board = form.Objects.SndLetterPanels.get();
    form.StartLoading();
    EXPECT_EQ(form.Objects.SndLetterPanels.get(), board) << "never made twice";
    // A root with nothing in it: the box says where the program looked, not that memory ran out.
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(dialogs.Calls[0].Text.split('\n'),
              QStringList({"Кварнель не нашла свои картинки и звуки.", "Искала здесь:", dir.path() + "/"}));
    // The board still opens, with its captions.
    Named<QAction>(form, "SoundLetters")->trigger();
    Named<TSpeedButton>(form, "LetterrsNamesSpeedButton")->click();
    EXPECT_EQ(form.Objects.SndLetterPanels->Count(), 33);
    EXPECT_EQ(dialogs.Calls.size(), 1u);
}

TEST(LearningBoardLoading, AFailedLoadIsReportedAndKeepsTheLaterGamesShut)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Pic/Alphabet/Rus");
    TFakeDialogs dialogs;
    TTestForm form(&dialogs, dir.path() + "/");
    QFile f(TLetterCollection::PictureFileName(form.Context().Settings, kSmallA));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("broken");
    f.close();
    form.FormActivate();  // the missing-letter state's alphabet fails to decode
    form.WaitForLoading();
    ASSERT_EQ(dialogs.Calls.size(), 1u);
    const QStringList lines = dialogs.Calls[0].Text.split('\n');
    EXPECT_EQ(lines.first(), QString("Ошибка загрузки. Недостаточно памяти")) << "the fixed first line first";
    EXPECT_TRUE(dialogs.Calls[0].Text.contains(f.fileName())) << "then the file that failed";
    EXPECT_NE(form.Objects.PicGameBuffer, nullptr) << "made before the failure";
    EXPECT_EQ(form.Objects.MakeWBuffer, nullptr);
    EXPECT_EQ(form.Objects.SndLetterPanels, nullptr);
    EXPECT_FALSE(Named<QAction>(form, "SoundLetters")->isEnabled());
    EXPECT_FALSE(Named<QAction>(form, "Examination")->isEnabled());
}
