// Answers kept with their fields, what they say about each letter, the children, and the table.
#include "ProgressWorld.h"
#include "progress/ChildName.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

TEST(ProgressStore, EachGamesAnswerLandsWithItsFields)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 masha = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), QStringLiteral("кот"), &masha), QString());
    store.SetPlayer(masha);
    const std::vector<TAnswer> answers{
        Heard(QStringLiteral("ж"), true),
        FindLetter(QStringLiteral("ж"), QStringLiteral("ш"), QStringLiteral("жук")),
        {TGameKind::gkMakeWord, false, QStringLiteral("у"), QStringLiteral("у"), QStringLiteral("жук"), 1, true, false},
        Exam(QStringLiteral("ё"), QStringLiteral("ё"), true, true),
    };
    world.Keep(answers);
    const auto rows = world.Rows();
    ASSERT_EQ(rows.size(), answers.size());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& row = rows[i];
        EXPECT_EQ(GameOfCode(row.Game), answers[i].Game);
        EXPECT_EQ(row.Mode != 0, answers[i].Sounds);
        EXPECT_EQ(row.Asked, answers[i].Asked);
        EXPECT_EQ(row.Picked, answers[i].Picked);
        EXPECT_EQ(row.Word, answers[i].Word);
        EXPECT_EQ(row.Position, answers[i].Position);
        EXPECT_EQ(row.Right, answers[i].Right);
        EXPECT_EQ(row.FirstTry, answers[i].FirstTry);
        EXPECT_EQ(row.Child, masha);
        EXPECT_LE(std::abs(row.Time - now), 5);
        EXPECT_EQ(row.UtcOffset, QDateTime::currentDateTime().offsetFromUtc());
    }
}

struct TMasteryCase {
    const char* Name;
    std::vector<TAnswer> Answers;
    TMastery Names;   // of "б"
    TMastery Sounds;  // of "б"
};

class MasteryRule : public ::testing::TestWithParam<TMasteryCase> {};

TEST_P(MasteryRule, LastThreeFirstPicksDecide)
{
    TProgressWorld world;
    world.Open();
    world.Keep(GetParam().Answers);
    const TProgressSummary summary = world.Store->Summary(0);
    EXPECT_EQ(summary.State(TMasteryKind::mkNames, QStringLiteral("б")), GetParam().Names);
    EXPECT_EQ(summary.State(TMasteryKind::mkSounds, QStringLiteral("б")), GetParam().Sounds);
}

const QString b = QStringLiteral("б");
const QString d = QStringLiteral("д");
const TAnswer right = Exam(b, b);
const TAnswer wrong = Exam(b, d);
const TAnswer rightAtSecond = Exam(b, b, false);

INSTANTIATE_TEST_SUITE_P(
    Answers, MasteryRule,
    ::testing::Values(
        TMasteryCase{"nothing", {}, TMastery::msUnmet, TMastery::msUnmet},
        TMasteryCase{"three_right", {right, right, right}, TMastery::msKnows, TMastery::msUnmet},
        TMasteryCase{"two_right", {right, right}, TMastery::msLearning, TMastery::msUnmet},
        TMasteryCase{"a_later_mistake", {right, right, right, wrong}, TMastery::msLearning, TMastery::msUnmet},
        TMasteryCase{"mistake_then_three", {wrong, right, right, right}, TMastery::msKnows, TMastery::msUnmet},
        // A question answered at the second pick is not right at the first try.
        TMasteryCase{
            "second_picks_do_not_count", {right, right, wrong, rightAtSecond}, TMastery::msLearning, TMastery::msUnmet},
        TMasteryCase{"games_count_together",
                     {FindLetter(b, b, QStringLiteral("бык")), FindLetter(b, b, QStringLiteral("бант")), right},
                     TMastery::msKnows,
                     TMastery::msUnmet},
        TMasteryCase{"picture_game_mistake_after_exam",
                     {right, right, right, FindLetter(b, d, QStringLiteral("бык"))},
                     TMastery::msLearning,
                     TMastery::msUnmet},
        TMasteryCase{"sounds_count_apart",
                     {Exam(b, b, true, true), Exam(b, b, true, true), Exam(b, b, true, true)},
                     TMastery::msUnmet,
                     TMastery::msKnows},
        // Hearing a letter makes it met, never known.
        TMasteryCase{"heard_only",
                     {Heard(b, true), Heard(b, true), Heard(b, true), Heard(b, false)},
                     TMastery::msLearning,
                     TMastery::msLearning}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProgressStore, ConfusedPairsAreCountedBothWaysOnce)
{
    TProgressWorld world;
    world.Open();
    const QString sh = QStringLiteral("ш"), shch = QStringLiteral("щ");
    world.Keep({Exam(b, d), Exam(d, b), Exam(d, b, false), FindLetter(b, d, QStringLiteral("бык")), Exam(shch, sh),
                Exam(b, b), Heard(b, false)});
    const auto pairs = world.Store->Summary(0).Pairs;
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(PairText(pairs[0]), QStringLiteral("Б ↔ Д: 4 раза"));
    EXPECT_EQ(PairText(pairs[1]), QStringLiteral("Ш ↔ Щ: 1 раз"));
    EXPECT_EQ(PairText({b, d, 12}), QStringLiteral("Б ↔ Д: 12 раз"));
    EXPECT_EQ(PairText({b, d, 22}), QStringLiteral("Б ↔ Д: 22 раза"));
}

TEST(ProgressStore, CalendarAndTimePlayedComeFromLocalDays)
{
    TProgressWorld world;
    world.Open();
    {
        // Answers written as if kept on other days: today, three days ago (a session of 30 s + 30 s and a
        // pause of an hour), and forty days ago, outside the four weeks.
        TProgressDatabase database(world.Path());
        ASSERT_EQ(database.Open(false), progressdb::TOpenState::osOpen);
        // The session three days ago starts just after that day's midnight, so that its hour stays
        // within the day whatever the time the test runs at.
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 t = now.toSecsSinceEpoch();
        const qint64 s = QDateTime(now.date().addDays(-3), QTime(0, 1)).toSecsSinceEpoch();
        const qint64 old = QDateTime(now.date().addDays(-40), QTime(12, 0)).toSecsSinceEpoch();
        for (const qint64 time : {old, s, s + 30, s + 60, s + 3660, t}) {
            progressdb::TAnswerRow row;
            row.Time = time;
            row.UtcOffset = now.offsetFromUtc();
            row.Asked = row.Picked = b;
            ASSERT_EQ(database.AddAnswer(row), progressdb::TWriteResult::wrDone);
        }
    }
    const TProgressSummary summary = world.Store->Summary(0);
    EXPECT_EQ(summary.DaysPlayed(), 2);
    EXPECT_TRUE(summary.Days[kCalendarDays - 1]);
    EXPECT_TRUE(summary.Days[kCalendarDays - 4]);
    EXPECT_EQ(summary.PlaySeconds, 60 + 3 * kPlayGapSeconds);  // the three long pauses count up to the cap
}

TEST(ProgressStore, ChildrenNamesFollowTheRule)
{
    const QStringList others{QStringLiteral("Маша")};
    for (const char* bad : {"", "   ", "Маша!", "123456789012345678901", "маша", " Маша "})
        EXPECT_FALSE(ChildNameProblem(QString::fromUtf8(bad), others).isEmpty()) << bad;
    for (const char* good : {"Петя 2", "Ёжик", "12345678901234567890"})
        EXPECT_EQ(ChildNameProblem(QString::fromUtf8(good), others), QString()) << good;

    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 petya = 0, vanya = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral(" Петя "), QStringLiteral("ёж"), &petya), QString());
    ASSERT_EQ(store.AddChild(QStringLiteral("Ваня"), QStringLiteral("кот"), &vanya), QString());
    EXPECT_EQ(store.AddChild(QStringLiteral("петя"), {}), QStringLiteral("Ребёнок с таким именем уже есть."));
    EXPECT_FALSE(store.RenameChild(vanya, QStringLiteral("Петя")).isEmpty());
    EXPECT_EQ(store.RenameChild(vanya, QStringLiteral("Иван")), QString());
    store.SetPlayer(vanya);
    world.Keep({right});
    store.SetPlayer(petya);
    world.Keep({right, wrong});
    ASSERT_TRUE(store.RemoveChild(petya));
    const auto children = store.Children();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0].Name, QStringLiteral("Иван"));
    EXPECT_EQ(children[0].Picture, QStringLiteral("кот"));
    const auto rows = world.Rows();
    ASSERT_EQ(rows.size(), 1u);  // Petya's answers went with him
    EXPECT_EQ(rows[0].Child, vanya);
    ASSERT_TRUE(store.DeleteProgress(vanya));
    EXPECT_TRUE(world.Rows().empty());
    EXPECT_FALSE(store.HardLettersFirst());
    ASSERT_TRUE(store.SetHardLettersFirst(true));
    EXPECT_TRUE(TProgressStore(world.Folder.path(), world.Dialogs).HardLettersFirst());  // kept in the file
}

TEST(ProgressStore, TableOpensWithItsColumnsAndCyrillic)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 masha = 0;
    store.AddChild(QStringLiteral("Маша"), {}, &masha);
    store.SetPlayer(masha);
    world.Keep({FindLetter(QStringLiteral("ж"), QStringLiteral("ш"), QStringLiteral("жук")),
                Exam(QStringLiteral("ё"), QStringLiteral("ё"), false, true)});
    const QString path = world.Folder.filePath(QStringLiteral("Успехи Маша.csv"));
    ASSERT_EQ(store.SaveTable(masha, path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("время;ребёнок;игра;режим;спрошено;выбрано;слово;верно;первая_попытка"));
    const QStringList first = lines[1].split(u';');
    ASSERT_EQ(first.size(), 9);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d([+-]\\d\\d:\\d\\d|Z)$"))
                    .match(first[0])
                    .hasMatch())
        << first[0].toStdString();
    EXPECT_EQ(first.mid(1), (QStringList{QStringLiteral("Маша"), QStringLiteral("Найди букву"), QStringLiteral("названия"),
                                         QStringLiteral("ж"), QStringLiteral("ш"), QStringLiteral("жук"),
                                         QStringLiteral("нет"), QStringLiteral("да")}));
    EXPECT_EQ(lines[2].split(u';').mid(2),
              (QStringList{QStringLiteral("Экзамен"), QStringLiteral("звуки"), QStringLiteral("ё"), QStringLiteral("ё"),
                           QString(), QStringLiteral("да"), QStringLiteral("нет")}));
    const QString refused = store.SaveTable(masha, world.Folder.filePath(QStringLiteral("нет такой папки/т.csv")));
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Не удалось сохранить таблицу"))) << refused.toStdString();
}
