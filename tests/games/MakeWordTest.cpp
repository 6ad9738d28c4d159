// "Дед Буквоед" played through the main window: the word row, judging the missing letter, moving
// on, the end of a game, and pictures without names or without a folder.
#include "games/PictureGameForm.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/ScrollBox.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using TKind = TSpeechCall::TKind;

struct MakeWordGame : ::testing::Test {
    std::unique_ptr<TPictureGameForm> W;
    TMakeWImgPanelCollection* Strip = nullptr;
    TRusMakeWLetterPanelCollection* Row = nullptr;
    TMakeWBuffer* Game = nullptr;

    void Open(const std::vector<const char*>& Words, bool MakeFolder = true, const char* LetterPicture = nullptr)
    {
        W = std::make_unique<TPictureGameForm>(Words, MakeFolder, LetterPicture);
        Strip = W->Objects().MakeWImgPanels.get();
        Row = W->Objects().MakeWLetterPanels.get();
        Game = W->Objects().MakeWBuffer.get();
        Named<QAction>(*W->Form, "MakeWord")->trigger();
        FinishPictureReading(W->Form->Objects);
    }
    void Pick(const char* Small) { TPictureGameForm::LetterTile(*Row, Small)->LetterClick(); }
    // Puts Word up with the letter at Pos hidden, as a selection does after its draw.
    void Hide(const char* Word, int Pos)
    {
        Game->CurrentWord = Cp(Word);
        Game->MissingPos = Pos;
        Game->ShowWord(Named<TPanel>(*W->Form, "MakeWWordPanel"));
    }
    // The captions of the word row's cells.
    QStringList Cells() const
    {
        QStringList out;
        for (int i = 0; i < Game->WordRow->Count(); ++i)
            out << Game->WordRow->GetTile(static_cast<unsigned short>(i))->LetterLabel->text();
        return out;
    }
    int VisibleTiles() const
    {
        int n = 0;
        for (int i = 0; i < Strip->Count(); ++i) n += Strip->GetTile(i)->IsTileVisible();
        return n;
    }
};

}  // namespace

TEST_F(MakeWordGame, OpeningSpellsTheFirstPicturesWordWithOneEmptyCell)
{
    Open({"кошка", "собака", "мышь"}, true, "к");
    TTestForm& f = *W->Form;
    // The choice board's catalogue has the letter picture; the alphabet spelling the word shows
    // captions and keeps none.
    ASSERT_EQ(Row->Letters->Count(), 33);
    EXPECT_FALSE(Row->Letters->GetLetter(11)->Picture.isNull());  // к
    for (int i = 0; i < Game->Alphabet->Count(); ++i)
        EXPECT_TRUE(Game->Alphabet->GetLetter(static_cast<unsigned short>(i))->Picture.isNull()) << i;

    ASSERT_EQ(Row->Count(), 33);
    EXPECT_EQ(Row->GetTile(32)->Panel->parentWidget(), Named<TPanel>(f, "LettersMakeWPanel"));
    ASSERT_EQ(Strip->Count(), 3);
    EXPECT_EQ(Strip->GetTile(0)->Panel()->parentWidget(), Named<TScrollBox>(f, "MakeWImgScrollBox")->Content());
    EXPECT_EQ(Strip->SelectedIndex, 0);
    EXPECT_EQ(Game->CurrentWord, Strip->GetTile(0)->Name);
    EXPECT_GE(Game->MissingPos, 1);
    EXPECT_LE(Game->MissingPos, static_cast<int>(Game->CurrentWord.size()));
    EXPECT_EQ(Named<TImage>(f, "MakeWImage")->Picture().size(), Strip->GetTile(0)->Image()->Picture().size());

    // One cell per letter, capitals, the hidden one empty; 40-pixel cells from 20 in, 10 down.
    const QStringList cells = Cells();
    ASSERT_EQ(cells.size(), static_cast<int>(Game->CurrentWord.size()));
    const QString word = cp1251::ToUnicode(Game->CurrentWord).toUpper();
    for (int i = 0; i < cells.size(); ++i)
        EXPECT_EQ(cells[i], i + 1 == Game->MissingPos ? QString() : QString(word[i])) << i;
    EXPECT_EQ(Game->WordRow->GetTile(1)->Panel->parentWidget(), Named<TPanel>(f, "MakeWWordPanel"));
    EXPECT_EQ(Game->WordRow->GetTile(1)->Panel->geometry(), QRect(60, 10, 40, 40));
    EXPECT_TRUE(W->Speech.Calls.empty());

    EXPECT_EQ(Named<TRichEdit>(f, "RichEdit3")->toPlainText(),
              "Под картинкой написано слово изображенное на \nрисунке с одной пропущеной буквой. Необходимо \n"
              "чтоб ребенок выбрал эту букву среди набора \nбукв.");
}

TEST_F(MakeWordGame, TheHiddenLetterIsJudgedExactly)
{
    Open({"кот"});

    Hide("я", 1);  // a one-letter word: its only cell is empty
    EXPECT_EQ(Cells(), QStringList{QString()});
    EXPECT_EQ(Game->MissingLetter(), Cp("я"));

    Hide("мама", 3);  // the hidden letter shows where it occurs again
    EXPECT_EQ(Cells(), (QStringList{"М", "А", "", "А"}));
    Pick("а");
    Pick("н");
    EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 2);
    // A hidden ё only by Ё, е only by Е, likewise й and и.
    struct TCase {
        const char* Word;
        int Pos;
        const char* Right;
        const char* Near;
    };
    for (const TCase& c : {TCase{"ёжик", 1, "ё", "е"}, TCase{"белка", 2, "е", "ё"}, TCase{"йогурт", 1, "й", "и"},
                           TCase{"кит", 2, "и", "й"}}) {
        Hide(c.Word, c.Pos);
        W->Speech.Calls.clear();
        Pick(c.Near);
        EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 1) << c.Word;
        EXPECT_EQ(Game->CurrentWord, Cp(c.Word));  // a wrong pick changes nothing
        EXPECT_EQ(Game->MissingPos, c.Pos);
        EXPECT_EQ(Game->MissingLetter(), Cp(c.Right));
    }
    Hide("кит", 2);
    W->Speech.Calls.clear();
    Pick("и");
    EXPECT_EQ(W->Speech.Count(TKind::Praise), 1);
}

TEST_F(MakeWordGame, CharactersThatAreNoSmallLetterGiveNoCell)
{
    Open({"кот"});
    Hide("жар-птица", 1);
    EXPECT_EQ(Cells(), (QStringList{"", "А", "Р", "П", "Т", "И", "Ц", "А"}));

    // The empty cell still stands after the cells of the characters before it.
    Hide("Аня-2", 3);
    EXPECT_EQ(Cells(), (QStringList{"Н", ""}));

    // A hidden hyphen: no choice is ever right.
    Hide("жар-птица", 4);
    EXPECT_EQ(Cells().size(), 9);
    W->Speech.Calls.clear();
    for (int i = 0; i < 33; ++i) Row->GetTile(static_cast<unsigned short>(i))->LetterClick();
    EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 33);
}

TEST_F(MakeWordGame, SelectingTheCurrentPictureAgainDrawsAgainAndCellsOnlyShowLetters)
{
    Open({"черепаха"});
    std::set<int> drawn;
    for (int i = 0; i < 100; ++i) {
        Strip->GetTile(Strip->SelectedIndex)->PictureClick();
        const QStringList cells = Cells();
        ASSERT_EQ(cells.size(), 8);
        EXPECT_EQ(cells.indexOf(QString()), Game->MissingPos - 1);
        EXPECT_EQ(cells.count(QString()), 1);
        drawn.insert(Game->MissingPos);
    }
    EXPECT_GT(drawn.size(), 4u);

    const AnsiString word = Game->CurrentWord;
    const int pos = Game->MissingPos;
    W->Speech.Calls.clear();
    for (int i = 0; i < Game->WordRow->Count(); ++i) Game->WordRow->GetTile(static_cast<unsigned short>(i))->LetterClick();
    EXPECT_TRUE(W->Speech.Calls.empty());
    EXPECT_EQ(Game->CurrentWord, word);
    EXPECT_EQ(Game->MissingPos, pos);
}

TEST_F(MakeWordGame, SolvingEveryPictureEndsTheGameAndANewGameShowsThemAllAgain)
{
    Open({"лес", "дом"});
    bool movedOnBeforeBoxClosed = false;
    const AnsiString first = Game->CurrentWord;
    W->Speech.WhilePraiseBoxUp = [&] { movedOnBeforeBoxClosed = movedOnBeforeBoxClosed || Game->CurrentWord != first; };
    const QString hidden = cp1251::ToUnicode(Game->MissingLetter());
    Pick(hidden.toUtf8().constData());
    EXPECT_FALSE(movedOnBeforeBoxClosed);
    EXPECT_EQ(VisibleTiles(), 1);
    EXPECT_NE(Game->CurrentWord, first);
    W->Speech.WhilePraiseBoxUp = nullptr;

    const AnsiString last = Game->CurrentWord;
    const QString hidden2 = cp1251::ToUnicode(Game->MissingLetter());
    Pick(hidden2.toUtf8().constData());
    const auto& calls = W->Speech.Calls;
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].Kind, TKind::Praise);
    EXPECT_EQ(calls[1].Kind, TKind::Praise);
    EXPECT_EQ(calls[2].Kind, TKind::WellDone);
    EXPECT_EQ(Strip->SelectedIndex, -1);
    EXPECT_EQ(VisibleTiles(), 0);
    EXPECT_EQ(Game->CurrentWord, last);  // the word row keeps the last word
    EXPECT_EQ(Cells().size(), 3);

    Named<QAction>(*W->Form, "MakeWord")->trigger();
    FinishPictureReading(W->Form->Objects);
    EXPECT_EQ(VisibleTiles(), 2);
    EXPECT_EQ(Strip->SelectedIndex, 0);
    EXPECT_EQ(Game->CurrentWord, Strip->GetTile(0)->Name);
}

TEST_F(MakeWordGame, WithoutPicturesTheWordRowIsEmptyAndEveryPickIsWrong)
{
    Open({}, false);
    EXPECT_EQ(W->Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Strip->Count(), 0);
    EXPECT_EQ(Strip->SelectedIndex, -1);
    EXPECT_TRUE(Named<TImage>(*W->Form, "MakeWImage")->Picture().isNull());
    EXPECT_EQ(Game->WordRow->Count(), 0);
    EXPECT_TRUE(Game->CurrentWord.empty());
    Pick("а");
    EXPECT_EQ(W->Speech.Count(TKind::TryAgain), 1);
    EXPECT_EQ(W->Speech.Count(TKind::Praise), 0);
}

TEST(MakeWordNameless, PictureWithoutANameShowsNoWordAndCannotBeAnswered)
{
    TPictureGameForm w({});
    testpics::WriteJpeg(w.WordsFolder() + "котjpeg", 30, 30);
    Named<QAction>(*w.Form, "MakeWord")->trigger();
    FinishPictureReading(w.Form->Objects);
    TMakeWBuffer& game = *w.Objects().MakeWBuffer;
    EXPECT_TRUE(game.CurrentWord.empty());
    EXPECT_EQ(game.MissingPos, 1);
    EXPECT_TRUE(game.MissingLetter().empty());
    EXPECT_EQ(game.WordRow->Count(), 0);
    for (int i = 0; i < 33; ++i) w.Objects().MakeWLetterPanels->GetTile(static_cast<unsigned short>(i))->LetterClick();
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 33);
}
