// "Слоги" in the progress file: each exercise kept with its mode and named in the table, the
// syllables' states by the letters' rule, the words read, none of it reaching what is said about
// letters, and the syllables' grid of "Успехи".
#include "ProgressWorld.h"
#include "core/Syllables.h"
#include "progress/MasteryRule.h"
#include "progress/PracticeOrder.h"
#include "progress/ProgressScreen.h"
#include "progress/StorePractice.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

using progressdb::TAnswerRow;

constexpr auto kFindS = TSyllableMode::smFindSyllable;
constexpr auto kBuildS = TSyllableMode::smBuildSyllable;
constexpr auto kReadW = TSyllableMode::smReadWords;

TAnswer Slog(TSyllableMode Exercise, const QString& Asked, const QString& Picked, bool FirstTry = true)
{
    TAnswer answer{TGameKind::gkSyllables, false, Asked, Picked, {}, -1, Asked == Picked, FirstTry};
    answer.Exercise = Exercise;
    if (Exercise == kReadW) answer.Word = Asked;
    return answer;
}

TAnswerRow SlogRow(TSyllableMode Exercise, bool Right, bool FirstTry, qint64 Seconds, const QString& Asked = "ма")
{
    TAnswerRow row;
    row.Time = 1'700'000'000 + Seconds;
    row.Game = GameCode(TGameKind::gkSyllables);
    row.Mode = SyllableModeCode(Exercise);
    row.Asked = Asked;
    row.Picked = Right ? Asked : QStringLiteral("мо");
    row.Right = Right;
    row.FirstTry = FirstTry;
    return row;
}

TAnswerRow ExamRow(bool Right, qint64 Seconds, const QString& Asked)
{
    TAnswerRow row = SlogRow(kFindS, Right, true, Seconds, Asked);
    row.Game = GameCode(TGameKind::gkExamination);
    row.Mode = 0;
    return row;
}

}  // namespace

TEST(SyllableProgress, EachExerciseIsKeptWithItsModeAndNamedInTheTable)
{
    TProgressWorld world;
    std::vector<TAnswer> kept;
    world.Store = std::make_unique<TProgressStore>(world.Folder.path(), world.Dialogs,
                                                   [&kept](const TAnswer& Answer) { kept.push_back(Answer); });
    const std::vector<TAnswer> answers{Slog(kFindS, "ма", "мо"), Slog(kBuildS, "су", "су", false),
                                       Slog(kReadW, "мама", "мама"), Exam("б", "б", true, true)};
    world.Keep(answers);
    const auto rows = world.Rows();
    ASSERT_EQ(rows.size(), answers.size());
    const int modes[] = {0, 1, 2, 1};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].Game, GameCode(answers[i].Game));
        EXPECT_EQ(rows[i].Mode, modes[i]);
        EXPECT_EQ(rows[i].Asked, answers[i].Asked);
        EXPECT_EQ(rows[i].Picked, answers[i].Picked);
        EXPECT_EQ(rows[i].Word, answers[i].Word);
        // What the file holds reads back as the answer announced.
        ASSERT_LT(i, kept.size());
        EXPECT_EQ(kept[i].Exercise, answers[i].Exercise);
        EXPECT_EQ(kept[i].Sounds, answers[i].Sounds);
    }

    const QString path = world.Folder.filePath(QStringLiteral("table.csv"));
    ASSERT_EQ(world.Store->SaveTable(-1, path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    const char* named[][2] = {
        {"Слоги", "найди слог"}, {"Слоги", "собери слог"}, {"Слоги", "читаем слова"}, {"Экзамен", "звуки"}};
    for (int i = 0; i < 4; ++i) {
        const QStringList fields = lines[i + 1].split(u';');
        EXPECT_EQ(fields.mid(2, 2), (QStringList{QString::fromUtf8(named[i][0]), QString::fromUtf8(named[i][1])})) << i;
    }
}

struct TSyllableCase {
    const char* Name;
    std::vector<TAnswerRow> Rows;  // in the order kept
    TMastery Ma;                   // the state of "ма"
};

class SyllableRule : public ::testing::TestWithParam<TSyllableCase> {};

TEST_P(SyllableRule, FoundAndBuiltDecideByTheLettersRule)
{
    TProgressSummary summary;
    FoldMasteryOfRows(GetParam().Rows, summary);
    EXPECT_EQ(summary.SyllableState(QStringLiteral("ма")), GetParam().Ma);
    // Syllables and words are never letters.
    const auto& rows = GetParam().Rows;
    if (std::all_of(rows.begin(), rows.end(),
                    [](const TAnswerRow& R) { return R.Game == GameCode(TGameKind::gkSyllables); })) {
        EXPECT_TRUE(summary.Names.empty());
        EXPECT_TRUE(summary.Sounds.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SyllableRule,
    ::testing::Values(TSyllableCase{"found_three_times",
                                    {SlogRow(kFindS, 1, 1, 1), SlogRow(kFindS, 1, 1, 2), SlogRow(kFindS, 1, 1, 3)},
                                    TMastery::msKnows},
                      TSyllableCase{"found_and_built_count_together",
                                    {SlogRow(kFindS, 1, 1, 1), SlogRow(kBuildS, 1, 1, 2), SlogRow(kFindS, 1, 1, 3)},
                                    TMastery::msKnows},
                      TSyllableCase{"twice", {SlogRow(kFindS, 1, 1, 1), SlogRow(kBuildS, 1, 1, 2)}, TMastery::msLearning},
                      TSyllableCase{"a_built_mistake_last",
                                    {SlogRow(kFindS, 1, 1, 1), SlogRow(kFindS, 1, 1, 2), SlogRow(kFindS, 1, 1, 3),
                                     SlogRow(kBuildS, 0, 1, 4)},
                                    TMastery::msLearning},
                      TSyllableCase{"right_at_the_second_try",
                                    {SlogRow(kFindS, 1, 1, 1), SlogRow(kFindS, 1, 1, 2), SlogRow(kBuildS, 0, 1, 3),
                                     SlogRow(kBuildS, 1, 0, 4)},
                                    TMastery::msLearning},
                      TSyllableCase{"words_read_are_not_syllables",
                                    {SlogRow(kReadW, 1, 1, 1), SlogRow(kReadW, 1, 1, 2), SlogRow(kReadW, 1, 1, 3)},
                                    TMastery::msUnmet},
                      TSyllableCase{"a_word_missed_after_three_right",
                                    {SlogRow(kFindS, 1, 1, 1), SlogRow(kFindS, 1, 1, 2), SlogRow(kFindS, 1, 1, 3),
                                     SlogRow(kReadW, 0, 1, 4)},
                                    TMastery::msKnows},
                      TSyllableCase{"letter_games_are_not_syllables",
                                    {ExamRow(1, 1, "ма"), ExamRow(1, 2, "ма"), ExamRow(1, 3, "ма")},
                                    TMastery::msUnmet}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SyllableProgress, WordsReadComeInTheTablesOrder)
{
    const QList<syllables::TWord>& words = syllables::Words();
    ASSERT_GE(words.size(), 3);
    TProgressSummary summary;
    FoldMasteryOfRows({SlogRow(kReadW, 1, 1, 1, words[2].Text), SlogRow(kReadW, 0, 1, 2, words[1].Text),
                       SlogRow(kReadW, 1, 0, 3, words[1].Text), SlogRow(kReadW, 1, 1, 4, words[0].Text)},
                      summary);
    EXPECT_EQ(summary.WordsRead, (QStringList{words[0].Text, words[2].Text}))
        << "a word right only at a second try is not read";
    EXPECT_TRUE(summary.SyllablesPlayed);
    EXPECT_TRUE(summary.Syllables.empty());

    TProgressSummary letters;
    FoldMasteryOfRows({ExamRow(1, 1, "б")}, letters);
    EXPECT_FALSE(letters.SyllablesPlayed);
}

// Two children with the same letters; one has also played "Слоги", missing some syllables and words.
TEST(SyllableProgress, SyllableAnswersStayOutOfEveryLetterView)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 letters = 0, both = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), {}, &letters), QString());
    ASSERT_EQ(store.AddChild(QStringLiteral("Петя"), {}, &both), QString());
    const std::vector<TAnswer> play{Exam("б", "б"),
                                    Exam("б", "б"),
                                    Exam("б", "б"),
                                    Exam("д", "б"),
                                    FindLetter("ш", "щ", "шар"),
                                    Exam("а", "а", true, true)};
    for (const qint64 child : {letters, both}) {
        store.SetPlayer(child);
        world.Keep(play);
    }
    world.Keep({Slog(kFindS, "ба", "па"), Slog(kFindS, "ба", "ба", false), Slog(kBuildS, "ма", "ам"),
                Slog(kBuildS, "ма", "ма"), Slog(kBuildS, "ма", "ма"), Slog(kBuildS, "ма", "ма"),
                Slog(kReadW, "мама", "папа"), Slog(kReadW, "сом", "сом")});
    const TProgressSummary plain = store.Summary(letters);
    const TProgressSummary mixed = store.Summary(both);
    ASSERT_EQ(mixed.SyllableState(QStringLiteral("ма")), TMastery::msKnows) << "the syllables were read";
    EXPECT_EQ(mixed.Names, plain.Names);
    EXPECT_EQ(mixed.Sounds, plain.Sounds);
    std::vector<QString> plainPairs, mixedPairs;
    for (const TLetterPair& pair : plain.Pairs) plainPairs.push_back(PairText(pair));
    for (const TLetterPair& pair : mixed.Pairs) mixedPairs.push_back(PairText(pair));
    EXPECT_EQ(mixedPairs, plainPairs);
    EXPECT_EQ(KnownLetters(mixed, TMasteryKind::mkNames), KnownLetters(plain, TMasteryKind::mkNames));
    EXPECT_EQ(HardLetters(mixed, TMasteryKind::mkNames), HardLetters(plain, TMasteryKind::mkNames));

    // The examination's practice reads the same order for both.
    ASSERT_TRUE(store.SetHardLettersFirst(true));
    const QStringList board{QStringLiteral("б"), QStringLiteral("д"), QStringLiteral("п"), QStringLiteral("а")};
    const std::vector<int> shuffled{3, 2, 1, 0};
    TStorePractice practice(store);
    store.SetPlayer(letters);
    const std::vector<int> plainOrder = practice.ExamOrder(board, shuffled, false);
    store.SetPlayer(both);
    EXPECT_EQ(practice.ExamOrder(board, shuffled, false), plainOrder);
}

TEST(SyllableProgress, TheScreenShowsSyllablesByLessonOnlyOnceSlogiWasPlayed)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 masha = 0, petya = 0;
    store.AddChild(QStringLiteral("Маша"), {}, &masha);
    store.AddChild(QStringLiteral("Петя"), {}, &petya);
    store.SetPlayer(masha);
    world.Keep({Exam("б", "б")});
    store.SetPlayer(petya);
    world.Keep({Slog(kFindS, "ма", "ма"), Slog(kBuildS, "ма", "ма"), Slog(kFindS, "ма", "ма"), Slog(kFindS, "мо", "му"),
                Slog(kReadW, "мама", "мама")});

    TProgressScreen screen(store, world.Dialogs);
    screen.resize(760, 640);
    screen.show();
    screen.ShowChild(masha, QStringLiteral("Маша"));
    EXPECT_FALSE(screen.SyllablesPanel()->isVisible()) << "a child who never played Слоги sees no syllables";
    screen.ShowChild(petya, QStringLiteral("Петя"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(screen.SyllablesPanel()->isVisible());
    EXPECT_EQ(screen.SyllableTile(QStringLiteral("ма"))->accessibleName(), QStringLiteral("МА — знает"));
    EXPECT_EQ(screen.SyllableTile(QStringLiteral("мо"))->accessibleName(), QStringLiteral("МО — учит"));
    EXPECT_EQ(screen.SyllableTile(QStringLiteral("му"))->accessibleName(), QStringLiteral("МУ — ещё не встречался"));
    EXPECT_EQ(screen.SyllablesPanel()->findChild<QWidget*>(QStringLiteral("ProgressWordsLabel"))->property("text"),
              QStringLiteral("Слова прочитаны: мама."));

    // One row per lesson, top to bottom in the lessons' order, its syllables left to right in theirs.
    int lastTop = -1;
    for (const syllables::TLesson& lesson : syllables::Lessons()) {
        const QList<syllables::TSyllable> list = lesson.Syllables();
        const QRect first = screen.SyllableTile(list.front().Text)->geometry();
        EXPECT_GT(first.top(), lastTop) << QString(lesson.Consonant).toStdString();
        lastTop = first.bottom();
        int right = first.left() - 1;
        for (const syllables::TSyllable& syllable : list) {
            const QRect tile = screen.SyllableTile(syllable.Text)->geometry();
            EXPECT_EQ(tile.top(), first.top()) << syllable.Text.toStdString();
            EXPECT_GT(tile.left(), right) << syllable.Text.toStdString();
            right = tile.right();
        }
    }
    // Below the letters' grid.
    const QWidget* lastLetter = screen.LetterTile(32);
    EXPECT_GT(screen.SyllablesPanel()->mapTo(&screen, QPoint(0, 0)).y(),
              lastLetter->mapTo(&screen, QPoint(0, lastLetter->height())).y());
}
