// Each judging game's rule through its state alone, with no board, strip or window: what a pick
// announces to the program's answers and to the game's own listeners, in order.
#include "core/AppContext.h"
#include "core/ExamPractice.h"
#include "games/ExamGame.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/Letter.h"
#include "pictures/PictureFiles.h"
#include "support/FakeSpeech.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

// A context over an empty program folder, and one log of everything announced, in order: an answer
// as "asked/picked right|wrong first|again", an outcome by its name.
struct TRuleWorld {
    QTemporaryDir Dir;
    TFakeSpeech Speech;
    TAppContext Context;
    QStringList Log;
    std::vector<TAnswer> Answers;

    TRuleWorld()
    {
        Context.Settings = TSettings::ForProgramFolder(Dir.path() + "/");
        Context.Speech = &Speech;
        Context.Answers.Listen([this](const TAnswer& a) {
            Answers.push_back(a);
            Log << a.Asked + "/" + a.Picked + (a.Right ? " right" : " wrong") + (a.FirstTry ? " first" : " again");
        });
    }
    void Listen(TLetterGame& Game)
    {
        Game.Outcomes.Listen([this](TOutcome o) {
            Log << (o == TOutcome::otRight ? "RIGHT" : o == TOutcome::otWrong ? "WRONG" : "FINISHED");
        });
    }
};

unsigned char Code(const char* Small)
{
    return static_cast<unsigned char>(Cp(Small).at(0));
}

}  // namespace

TEST(GameRules, FindLetterJudgesTheFirstLetterAndEndsWithTheLastPicture)
{
    TRuleWorld w;
    TPicGameBuffer game(w.Context);
    w.Listen(game);
    std::vector<const char*> pictures = {"ёлка"};
    game.NextPicture = [&] {
        if (pictures.empty()) return false;
        game.PictureShown(Cp(pictures.back()));
        pictures.pop_back();
        return true;
    };
    game.PictureShown(Cp("кот"));
    for (const char* pick : {"а", "к", "е", "ё"}) game.Answer(Code(pick));
    EXPECT_EQ(w.Log, (QStringList{"к/а wrong first", "WRONG", "к/к right again", "RIGHT", "ё/е wrong first", "WRONG",
                                  "ё/ё right again", "RIGHT", "FINISHED"}));
    ASSERT_EQ(w.Answers.size(), 4u);
    EXPECT_EQ(w.Answers[0].Game, TGameKind::gkFindLetter);
    EXPECT_EQ(w.Answers[0].Word, "кот");
    EXPECT_EQ(w.Answers[3].Word, "ёлка");
    EXPECT_EQ(w.Answers[3].Position, -1);
    EXPECT_FALSE(w.Answers[3].Sounds);

    // A nameless picture, and after Reset: nothing is wanted, every pick is wrong.
    for (const auto& start : std::vector<std::function<void()>>{[&] { game.PictureShown(""); }, [&] { game.Reset(); }}) {
        start();
        w.Log.clear();
        game.Answer(Code("а"));
        EXPECT_EQ(w.Log, (QStringList{"/а wrong first", "WRONG"}));
    }
    EXPECT_TRUE(w.Speech.Calls.empty()) << "the rule speaks nothing itself";
}

TEST(GameRules, MakeWordJudgesTheHiddenLetterAndAnnouncesItsPlace)
{
    TRuleWorld w;
    TMakeWBuffer game(w.Context);
    w.Listen(game);
    bool more = true;
    game.NextPicture = [&] {
        if (more) game.NewWord(Cp("кит"), 2);
        return std::exchange(more, false);
    };
    game.NewWord(Cp("мяч"), 2);
    for (const char* pick : {"я", "и", "й", "и"}) game.Answer(Code(pick));
    // After the end the last word stays, and picks are still judged against it.
    EXPECT_EQ(w.Log, (QStringList{"я/я right first", "RIGHT", "и/и right first", "RIGHT", "FINISHED", "и/й wrong first",
                                  "WRONG", "и/и right again", "RIGHT", "FINISHED"}));
    ASSERT_GE(w.Answers.size(), 1u);
    EXPECT_EQ(w.Answers[0].Game, TGameKind::gkMakeWord);
    EXPECT_EQ(w.Answers[0].Word, "мяч");
    EXPECT_EQ(w.Answers[0].Position, 1);

    // A drawn position always lies in the word; a hidden hyphen cannot be picked.
    for (int i = 0; i < 50; ++i) {
        game.PictureShown(Cp("жар-птица"));
        ASSERT_GE(game.MissingPos, 1);
        ASSERT_LE(game.MissingPos, 9);
    }
    game.NewWord(Cp("жар-птица"), 4);
    w.Log.clear();
    game.Answer(Code("р"));
    EXPECT_EQ(w.Log, (QStringList{"-/р wrong first", "WRONG"}));
}

TEST(GameRules, ExamAsksEachLetterOnceAndASecondPickAnnouncesTwoAnswers)
{
    TRuleWorld w;
    w.Context.Settings.LetterSetMode = lsSounds;
    TRusLetterCollection letters(w.Context.Settings);
    for (const char* small : {"б", "м"}) letters.AddLetter()->LowerLetter = Code(small);
    TExamGame game(w.Context);
    game.Letters = &letters;
    w.Listen(game);
    game.Start();
    ASSERT_EQ(game.Size, 2);
    const QString first = cp1251::ToUnicode(game.TargetLetter);
    const QString second = first == "б" ? "м" : "б";
    game.Answer(Code(second.toUtf8().constData()));
    game.Answer(Code(first.toUtf8().constData()));
    game.Answer(Code(second.toUtf8().constData()));
    EXPECT_EQ(w.Log, (QStringList{first + "/" + second + " wrong first", "WRONG", first + "/" + first + " right again",
                                  "RIGHT", second + "/" + second + " right first", "RIGHT", "FINISHED"}));
    for (const TAnswer& a : w.Answers) {
        EXPECT_EQ(a.Game, TGameKind::gkExamination);
        EXPECT_TRUE(a.Sounds);
        EXPECT_TRUE(a.Word.isEmpty());
    }
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 2) << "each question asked once";

    // No letter at all: the exam ends as it starts.
    letters.Clear();
    w.Log.clear();
    game.Start();
    EXPECT_EQ(w.Log, QStringList{"FINISHED"});
}

namespace {

// Asks in the reverse of the examination's own order and puts back each missed letter it is told of.
struct TReversePractice : IExamPractice {
    QStringList Board;
    std::vector<int> Shuffled;
    std::vector<int> Missed;
    std::vector<int> ExamOrder(const QStringList& Letters, const std::vector<int>& Order, bool) override
    {
        Board = Letters;
        Shuffled = Order;
        return {Order.rbegin(), Order.rend()};
    }
    bool AskAgain(int BoardIndex) override
    {
        Missed.push_back(BoardIndex);
        return true;
    }
};

}  // namespace

TEST(GameRules, ExamAsksInItsPracticesOrderAndPutsAMissedLetterBackAtTheEnd)
{
    TRuleWorld w;
    TRusLetterCollection letters(w.Context.Settings);
    for (const char* small : {"б", "м", "ё"}) letters.AddLetter()->LowerLetter = Code(small);
    auto practice = std::make_shared<TReversePractice>();
    w.Context.ExamPractice = practice;
    TExamGame game(w.Context);
    game.Letters = &letters;
    w.Listen(game);
    game.Start();
    EXPECT_EQ(practice->Board, (QStringList{"б", "м", "ё"}));
    ASSERT_EQ(practice->Shuffled.size(), 3u);
    const std::vector<int> order(practice->Shuffled.rbegin(), practice->Shuffled.rend());
    EXPECT_EQ(game.Order, order);
    const auto small = [&](int Index) { return practice->Board[Index]; };
    const auto pick = [&](const QString& Letter) { game.Answer(Code(Letter.toUtf8().constData())); };
    const auto other = [&](int Index) { return small(Index == order[0] ? order[1] : order[0]); };

    // The second question missed twice: put back once, at the end.
    pick(small(order[0]));
    pick(other(order[1]));
    pick(other(order[1]));
    EXPECT_EQ(practice->Missed, std::vector<int>{order[1]}) << "only the first wrong pick of a question";
    EXPECT_EQ(game.Size, 4);
    pick(small(order[1]));
    pick(small(order[2]));
    EXPECT_EQ(game.Position, 4);
    EXPECT_EQ(cp1251::ToUnicode(game.TargetLetter), small(order[1])) << "the missed letter once more";
    w.Log.clear();
    pick(small(order[1]));
    EXPECT_EQ(w.Log, (QStringList{small(order[1]) + "/" + small(order[1]) + " right first", "RIGHT", "FINISHED"}));
    // After the end a stray wrong pick puts nothing back.
    pick(other(order[1]));
    EXPECT_EQ(practice->Missed.size(), 1u);
    EXPECT_EQ(game.Size, 4);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Pair), 4);
}
