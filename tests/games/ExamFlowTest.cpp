#include "games/ExamGame.h"
#include "games/FormWorld.h"
#include "support/TestForm.h"

#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "support/QtPrint.h"

#include <QLabel>
#include <QRadioButton>
#include <set>

namespace {

struct TExam : TFormWorld {
    TRusExamLetterPanelCollection& Board() { return *Objects().ExamLetterPanels; }
    TExamGame& Game() { return *Objects().ExamGame; }
    void Open() { Named<QAction>(*Form, "Examination")->trigger(); }
    void Names() { Click(Named<TSpeedButton>(*Form, "SpeedButton8")); }
    void Sounds() { Click(Named<TSpeedButton>(*Form, "SpeedButton9")); }
    void StartExam() { Click(Named<TImage>(*Form, "StartExamImage")); }
    TLetterPanel* AskedTile() { return TileOf(Board(), static_cast<unsigned char>(Game().TargetLetter[0])); }
    TLetterPanel* OtherTile()
    {
        for (TLetterPanel* t : Tiles(Board()))
            if (t != AskedTile()) return t;
        return nullptr;
    }
    std::vector<unsigned char> Lowers()
    {
        std::vector<unsigned char> out;
        for (int i = 0; i < Board().Letters->Count(); ++i)
            out.push_back(Board().Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter);
        return out;
    }
};

}  // namespace

TEST(ExamFlow, TheBoardCannotBeClickedBeforeTheStartControl)
{
    TExam w;
    w.Open();
    EXPECT_TRUE(Named<TPanel>(*w.Form, "GameExamTypePanel")->isVisibleTo(w.Form.get()));
    EXPECT_TRUE(Named<TPanel>(*w.Form, "SysPanel")->isVisibleTo(w.Form.get()));
    w.Names();
    ASSERT_EQ(w.Board().Count(), 33);
    EXPECT_FALSE(Named<TPanel>(*w.Form, "SysPanel")->isVisibleTo(w.Form.get()));
    EXPECT_FALSE(Named<TPanel>(*w.Form, "GameExamTypePanel")->isVisibleTo(w.Form.get()));
    EXPECT_TRUE(Named<TPanel>(*w.Form, "StartExamContentPanel")->isVisibleTo(w.Form.get()));
    EXPECT_FALSE(Named<TScrollBox>(*w.Form, "LettersExamScrollBox")->isEnabled());
    for (TLetterPanel* t : TFormWorld::Tiles(w.Board())) TFormWorld::Click(t);
    EXPECT_TRUE(w.Speech.Calls.empty()) << "no tile answers before the start";

    w.StartExam();
    EXPECT_FALSE(Named<TPanel>(*w.Form, "StartExamContentPanel")->isVisibleTo(w.Form.get()));
    EXPECT_TRUE(Named<TScrollBox>(*w.Form, "LettersExamScrollBox")->isEnabled());
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 1) << "the first question";
    EXPECT_EQ(w.Game().Position, 1);
}

TEST(ExamFlow, TheStartControlLooksPressedWhileHeld)
{
    TExam w;
    w.Open();
    w.Names();
    EXPECT_EQ(Named<TPanel>(*w.Form, "StartExamPanel")->BevelInner(), TBevel::None);
    QTest::mousePress(Named<TImage>(*w.Form, "StartExamImage"), Qt::LeftButton);
    EXPECT_EQ(Named<TPanel>(*w.Form, "StartExamPanel")->BevelInner(), TBevel::Lowered);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 0) << "a press alone starts nothing";
    QTest::mouseRelease(Named<TImage>(*w.Form, "StartExamImage"), Qt::LeftButton);
    EXPECT_EQ(Named<TPanel>(*w.Form, "StartExamPanel")->BevelInner(), TBevel::Raised);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
}

TEST(ExamFlow, AWholeExamInSoundsModeAsksEveryLetterOnceAndEndsWithWellDone)
{
    TExam w;
    w.Open();
    w.Sounds();
    ASSERT_EQ(w.Board().Count(), 31);
    w.StartExam();
    std::set<AnsiString> asked;
    int wrong = 0;
    for (int guard = 0; guard < 100 && w.Speech.Count(TSpeechCall::WellDone) == 0; ++guard) {
        asked.insert(w.Game().TargetLetter);
        if (guard % 3 == 0) {
            TFormWorld::Click(w.OtherTile());
            ++wrong;
        }
        TFormWorld::Click(w.AskedTile());
    }
    EXPECT_EQ(asked.size(), 31u);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), wrong);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 31);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 31) << "wrong picks repeat nothing";
    EXPECT_EQ(w.Speech.Last().Kind, TSpeechCall::WellDone);
}

TEST(ExamFlow, TheRepeatButtonReplaysTheSavedQuestionEvenAfterAVoiceSwitch)
{
    TExam w;
    w.Open();
    w.Names();
    // Before any question of the run both saved paths are empty.
    TFormWorld::Click(Named<TSpeedButton>(*w.Form, "RepeatSndButton"));
    ASSERT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
    EXPECT_TRUE(w.Speech.Last().First.isEmpty());
    EXPECT_TRUE(w.Speech.Last().Second.isEmpty());

    w.StartExam();
    const TSpeechCall question = w.Speech.Last();
    EXPECT_TRUE(question.First.startsWith(w.Voice()));
    Named<QRadioButton>(*w.Form, "MaleVoiceRadioButton")->setChecked(true);
    const int position = w.Game().Position;
    for (int n = 0; n < 3; ++n) {
        TFormWorld::Click(Named<TSpeedButton>(*w.Form, "RepeatSndButton"));
        EXPECT_EQ(w.Speech.Last().First, question.First);
        EXPECT_EQ(w.Speech.Last().Second, question.Second);
    }
    EXPECT_EQ(w.Game().Position, position);
    // The next question comes in the new voice.
    TFormWorld::Click(w.AskedTile());
    EXPECT_TRUE(w.Speech.Last().First.startsWith(w.Voice(kMaleVoice)));
}

TEST(ExamFlow, OpeningAgainReshufflesTheSameBoardAndTheOtherTypeRebuildsIt)
{
    TExam w;
    w.Open();
    w.Names();
    const auto tiles = TFormWorld::Tiles(w.Board());
    const auto order = w.Lowers();
    bool reordered = false;
    for (int n = 0; n < 5 && !reordered; ++n) {
        w.Open();
        EXPECT_FALSE(Named<TScrollBox>(*w.Form, "LettersExamScrollBox")->isEnabled());
        EXPECT_TRUE(Named<TPanel>(*w.Form, "StartExamContentPanel")->isVisibleTo(w.Form.get()));
        w.Names();
        EXPECT_EQ(TFormWorld::Tiles(w.Board()), tiles) << "not rebuilt";
        reordered = w.Lowers() != order;
    }
    EXPECT_TRUE(reordered);
    // Tile i still shows letter i after the reshuffle.
    for (int i = 0; i < w.Board().Count(); ++i) {
        const auto idx = static_cast<unsigned short>(i);
        EXPECT_EQ(w.Board().GetTile(idx)->LetterLabel->text(),
                  cp1251::ToUnicode(cp1251::LetterString(w.Board().Letters->GetLetter(idx)->UpperLetter)));
    }
    w.Open();
    w.Sounds();
    EXPECT_EQ(w.Board().Count(), 31);
    EXPECT_EQ(w.Board().GetTile(0)->LetterLabel->height(), 25);
}
