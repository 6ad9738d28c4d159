// "Экзамен: сначала трудные буквы": hard letters first, every letter once, a missed one once more.
#include "ProgressWorld.h"
#include "progress/PracticeOrder.h"
#include "progress/StorePractice.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const QStringList board{QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В"),
                        QStringLiteral("Г"), QStringLiteral("Д"), QStringLiteral("Е")};
const std::vector<int> examOrder{4, 0, 5, 2, 1, 3};  // the examination's own shuffle
}  // namespace

TEST(PracticeOrder, HardLettersComeFirstAndEveryLetterOnce)
{
    const std::set<QString> hard{QStringLiteral("б"), QStringLiteral("д"), QStringLiteral("г")};
    EXPECT_EQ(PracticeOrder(board, examOrder, hard, true), (std::vector<int>{4, 1, 3, 0, 5, 2}));
    EXPECT_EQ(PracticeOrder(board, examOrder, hard, false), examOrder);
    EXPECT_EQ(PracticeOrder(board, examOrder, {}, true), examOrder);
}

TEST(PracticeOrder, HardLettersAreTheUnknownAndTheConfused)
{
    TProgressSummary summary;
    for (const QString& letter : RussianLetters()) summary.Names[letter] = TMastery::msKnows;
    summary.Names[QStringLiteral("а")] = TMastery::msLearning;
    summary.Names.erase(QStringLiteral("я"));
    summary.Pairs = {{QStringLiteral("б"), QStringLiteral("д"), 3}};
    EXPECT_EQ(HardLetters(summary, TMasteryKind::mkNames),
              (std::set<QString>{QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("д"), QStringLiteral("я")}));
    EXPECT_EQ(HardLetters(summary, TMasteryKind::mkSounds).size(), 33u);  // nothing known by sound yet
}

TEST(PracticeOrder, AMissedLetterIsAskedOnceMoreAtTheEnd)
{
    std::vector<int> order = examOrder;
    TPracticeRepeats repeats(true);
    EXPECT_TRUE(repeats.Missed(2, order));
    EXPECT_FALSE(repeats.Missed(2, order));  // missed again in the same question
    EXPECT_TRUE(repeats.Missed(0, order));
    EXPECT_FALSE(repeats.Missed(2, order));  // missed at its repeat
    EXPECT_EQ(order, (std::vector<int>{4, 0, 5, 2, 1, 3, 2, 0}));

    std::vector<int> off = examOrder;
    TPracticeRepeats none(false);
    EXPECT_FALSE(none.Missed(2, off));
    EXPECT_EQ(off, examOrder);
}

TEST(PracticeOrder, TheStoresPracticeFollowsTheOptionAndThePlayer)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 masha = 0;
    store.AddChild(QStringLiteral("Маша"), {}, &masha);
    store.SetPlayer(masha);
    world.Keep({Exam("а", "а"), Exam("а", "а"), Exam("а", "а")});  // Маша knows а by name
    const QStringList abc{QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")};
    const std::vector<int> shuffled{0, 2, 1};
    TStorePractice practice(store);

    // Off: the examination's own order, nothing asked again.
    EXPECT_EQ(practice.ExamOrder(abc, shuffled, false), shuffled);
    EXPECT_FALSE(practice.AskAgain(1));

    ASSERT_TRUE(store.SetHardLettersFirst(true));
    EXPECT_EQ(practice.ExamOrder(abc, shuffled, false), (std::vector<int>{2, 1, 0}));
    EXPECT_TRUE(practice.AskAgain(1));
    EXPECT_FALSE(practice.AskAgain(1)) << "once per exam";
    EXPECT_EQ(practice.ExamOrder(abc, shuffled, true), shuffled) << "by sound nothing is known yet";
    EXPECT_TRUE(practice.AskAgain(1)) << "a new exam";
    store.SetPlayer(0);
    EXPECT_EQ(practice.ExamOrder(abc, shuffled, false), shuffled) << "the unnamed child knows nothing yet";
}
