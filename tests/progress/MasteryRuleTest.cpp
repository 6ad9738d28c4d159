// "знает" and "учит" from plain answer rows, and the same rule read through the progress file.
#include "ProgressWorld.h"
#include "progress/MasteryRule.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

using progressdb::TAnswerRow;

// A row of the examination (names unless Sounds) or of "Найди букву", Seconds into the day.
TAnswerRow Row(TGameKind Game, bool Sounds, bool Right, bool FirstTry, qint64 Seconds, const QString& Asked = "б")
{
    TAnswerRow row;
    row.Time = 1'700'000'000 + Seconds;
    row.Game = GameCode(Game);
    row.Mode = Sounds ? 1 : 0;
    row.Asked = Asked;
    row.Picked = Right ? Asked : QStringLiteral("д");
    row.Right = Right;
    row.FirstTry = FirstTry;
    return row;
}

constexpr auto kExam = TGameKind::gkExamination;
constexpr auto kFind = TGameKind::gkFindLetter;
constexpr auto kHeard = TGameKind::gkLearning;

struct TRowsCase {
    const char* Name;
    std::vector<TAnswerRow> Rows;  // in the order kept
    TMastery Names;                // of "б"
    TMastery Sounds;
};

class MasteryOfRows : public ::testing::TestWithParam<TRowsCase> {};

TEST_P(MasteryOfRows, NewestThreeFirstPicksDecide)
{
    TProgressSummary summary;
    FoldMasteryOfRows(GetParam().Rows, summary);
    EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("б")), GetParam().Names);
    EXPECT_EQ(summary.State(TMasteryKind::mkSounds, QStringLiteral("б")), GetParam().Sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MasteryOfRows,
    ::testing::Values(
        TRowsCase{"nothing", {}, TMastery::msUnmet, TMastery::msUnmet},
        TRowsCase{"three_right",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, true, true, 3)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        TRowsCase{"fewer_than_three",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2)},
                  TMastery::msLearning,
                  TMastery::msUnmet},
        // Right at the second pick: the question's first pick was wrong, and only that one counts.
        TRowsCase{"right_at_the_second_try",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, false, true, 3),
                   Row(kExam, false, true, false, 4)},
                  TMastery::msLearning,
                  TMastery::msUnmet},
        TRowsCase{"second_tries_never_make_three",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, true, false, 3),
                   Row(kExam, false, true, false, 4)},
                  TMastery::msLearning,
                  TMastery::msUnmet},
        TRowsCase{"a_wrong_first_pick_among_the_newest_three",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, false, true, 3),
                   Row(kExam, false, true, true, 4)},
                  TMastery::msLearning,
                  TMastery::msUnmet},
        TRowsCase{"a_wrong_first_pick_before_the_newest_three",
                  {Row(kExam, false, false, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, true, true, 3),
                   Row(kExam, false, true, true, 4)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        // Kept in this order within one second: the last kept is the newest.
        TRowsCase{"one_second_in_the_order_kept",
                  {Row(kExam, false, false, true, 5), Row(kExam, false, true, true, 5), Row(kExam, false, true, true, 5),
                   Row(kExam, false, true, true, 5)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        TRowsCase{"kept_later_but_older",
                  {Row(kExam, false, true, true, 2), Row(kExam, false, true, true, 3), Row(kExam, false, true, true, 4),
                   Row(kExam, false, false, true, 1)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        TRowsCase{"games_of_names_count_together",
                  {Row(kFind, false, true, true, 1), Row(kFind, false, true, true, 2), Row(kExam, false, true, true, 3)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        TRowsCase{"a_picture_game_mistake_after_the_exam",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, true, true, 3),
                   Row(kFind, false, false, true, 4)},
                  TMastery::msLearning,
                  TMastery::msUnmet},
        TRowsCase{"names_and_sounds_apart",
                  {Row(kExam, true, true, true, 1), Row(kExam, true, true, true, 2), Row(kExam, false, true, true, 3),
                   Row(kExam, true, true, true, 4)},
                  TMastery::msLearning,
                  TMastery::msKnows},
        // "Найди букву" asks for names whatever the learning board's choice was.
        TRowsCase{"a_picture_game_in_sounds_mode_counts_for_names",
                  {Row(kFind, true, true, true, 1), Row(kFind, true, true, true, 2), Row(kFind, false, true, true, 3)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        // The learning board's letters heard are no picks: three right answers stay the newest.
        TRowsCase{"heard_after_three_right",
                  {Row(kExam, false, true, true, 1), Row(kExam, false, true, true, 2), Row(kExam, false, true, true, 3),
                   Row(kHeard, false, false, true, 4)},
                  TMastery::msKnows,
                  TMastery::msUnmet},
        TRowsCase{"heard_only",
                  {Row(kHeard, false, true, true, 1), Row(kHeard, false, true, true, 2), Row(kHeard, false, true, true, 3),
                   Row(kHeard, true, true, true, 4)},
                  TMastery::msLearning,
                  TMastery::msLearning}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(MasteryOfRows, OtherLettersAreLeftAlone)
{
    TProgressSummary summary;
    FoldMasteryOfRows({Row(kExam, false, true, true, 1, "а"), Row(kExam, false, true, true, 2, "а"),
                       Row(kExam, false, true, true, 3, "а"), Row(kExam, false, false, true, 4, "о")},
                      summary);
    EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("а")), TMastery::msKnows);
    EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("о")), TMastery::msLearning);
    EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msUnmet);
}

// Many answers of every game and mode, a few letters, often several in one second, written into
// the file as they would be kept.
std::vector<TAnswerRow> GeneratedRows(quint32 Seed, int Count, qint64 Child)
{
    QRandomGenerator random(Seed);
    const QStringList letters{QStringLiteral("б"), QStringLiteral("д"), QStringLiteral("ш"), QStringLiteral("ё")};
    const TGameKind games[] = {kHeard, kFind, TGameKind::gkMakeWord, kExam};
    std::vector<TAnswerRow> rows;
    qint64 seconds = 0;
    for (int i = 0; i < Count; ++i) {
        const TGameKind game = games[random.bounded(4)];
        TAnswerRow row = Row(game, random.bounded(2) == 1, random.bounded(5) != 0, random.bounded(4) != 0, seconds,
                             letters[static_cast<int>(random.bounded(4))]);
        if (game == kHeard) row.Right = false;
        // A sixth of them "Слоги": syllables found or built, words read.
        if (random.bounded(6) == 0) {
            row.Game = GameCode(TGameKind::gkSyllables);
            row.Mode = static_cast<int>(random.bounded(3));
            row.Asked = row.Mode == 2 ? QStringLiteral("мама") : QStringLiteral("ма");
            row.Picked = row.Right ? row.Asked : QStringLiteral("мо");
        }
        row.Child = Child;
        rows.push_back(row);
        seconds += random.bounded(3);  // a third of the answers share the second before them
    }
    return rows;
}

class MasteryPaths : public ::testing::TestWithParam<quint32> {};

TEST_P(MasteryPaths, TheFileAndThePlainRowsAgree)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 child = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), QString(), &child), QString());
    const std::vector<TAnswerRow> rows = GeneratedRows(GetParam(), 400, child);
    {
        TProgressDatabase database(world.Path());
        ASSERT_EQ(database.Open(false), progressdb::TOpenState::osOpen);
        for (const TAnswerRow& row : rows) ASSERT_EQ(database.AddAnswer(row), progressdb::TWriteResult::wrDone);
    }
    const TProgressSummary fromFile = store.Summary(child);
    TProgressSummary fromRows;
    FoldMasteryOfRows(rows, fromRows);
    EXPECT_EQ(fromFile.Names, fromRows.Names);
    EXPECT_EQ(fromFile.Sounds, fromRows.Sounds);
    EXPECT_EQ(fromFile.Syllables, fromRows.Syllables);
    EXPECT_EQ(fromFile.WordsRead, fromRows.WordsRead);
    ASSERT_TRUE(fromRows.SyllablesPlayed);
    EXPECT_EQ(fromRows.Names.count(QStringLiteral("ма")) + fromRows.Names.count(QStringLiteral("мама")), 0u);
    // Both outcomes occur, so agreeing says something.
    int known = 0, learning = 0;
    for (const auto* grid : {&fromRows.Names, &fromRows.Sounds})
        for (const auto& [letter, state] : *grid) (state == TMastery::msKnows ? known : learning) += 1;
    EXPECT_GT(known, 0);
    EXPECT_GT(learning, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MasteryPaths, ::testing::Values(1u, 2u, 3u, 4u));

}  // namespace
