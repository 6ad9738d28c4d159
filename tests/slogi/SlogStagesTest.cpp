// "Найди слог"'s stages: how right and wrong first picks move them, which syllables stand far from
// or near one another, and the tiles each stage puts beside the syllable asked for.
#include "slogi/SlogStages.h"
#include "slogi/SlogWorld.h"

#include <gtest/gtest.h>

#include <string>

using syllables::TSyllable;

namespace {

QList<TSyllable> LessonOf(QChar Consonant)
{
    for (const syllables::TLesson& l : syllables::Lessons())
        if (l.Consonant == Consonant) return l.Syllables();
    return {};
}

}  // namespace

TEST(SlogStages, RightFirstPicksMoveOnByThreesAndAWrongOneStepsBack)
{
    struct Case {
        const char* Picks;  // R a right first pick, W a wrong one
        TFindStage Stage;
    } cases[] = {
        {"", TFindStage::fsTwo},
        {"RR", TFindStage::fsTwo},
        {"RRR", TFindStage::fsThreeFar},
        {"RRRRR", TFindStage::fsThreeFar},
        {"RRRRRR", TFindStage::fsFourNear},
        {"RRRRRRRRRRRR", TFindStage::fsFourNear},
        {"RRRRRRW", TFindStage::fsThreeFar},
        {"RRRW", TFindStage::fsTwo},
        {"W", TFindStage::fsTwo},
        {"RRWR", TFindStage::fsTwo},  // a wrong pick ends the run
        {"RRWRRR", TFindStage::fsThreeFar},
        {"RRRRRWRRR", TFindStage::fsThreeFar},  // back to two tiles, then three more
        {"RRRRRRWW", TFindStage::fsTwo},
    };
    for (const Case& c : cases) {
        TFindStages stages;
        for (const char* p = c.Picks; *p; ++p) *p == 'R' ? stages.RightFirstPick() : stages.WrongFirstPick();
        EXPECT_EQ(stages.Stage(), c.Stage) << c.Picks;
    }
    EXPECT_EQ(TileCount(TFindStage::fsTwo), 2);
    EXPECT_EQ(TileCount(TFindStage::fsThreeFar), 3);
    EXPECT_EQ(TileCount(TFindStage::fsFourNear), 4);
}

TEST(SlogStages, FarAndNearSyllables)
{
    struct Case {
        const char* A;
        const char* B;
        bool Far;
        bool Near;
    } cases[] = {
        {"ма", "мо", true, false}, {"ма", "му", true, false},  {"ма", "мё", true, false},  {"ма", "мя", false, true},
        {"мы", "ми", false, true}, {"ма", "на", false, true},  {"ма", "ам", false, true},  {"ам", "ом", true, false},
        {"ам", "ас", false, true}, {"ма", "ма", false, false}, {"ма", "но", false, false}, {"ам", "мо", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FarApart(Syl(c.A), Syl(c.B)), c.Far) << c.A << " " << c.B;
        EXPECT_EQ(Near(Syl(c.A), Syl(c.B)), c.Near) << c.A << " " << c.B;
    }
}

TEST(SlogStages, EachStagePutsItsOwnKindBesideTheSyllable)
{
    const QList<TSyllable> lesson = LessonOf(u'м');
    QList<TSyllable> everything = lesson + LessonOf(u'с') + LessonOf(u'н');
    TSlogWorld world;
    for (int draw = 0; draw < 40; ++draw) {
        for (const TSyllable& wanted : lesson) {
            const std::string name = wanted.Text.toStdString();
            const QList<TSyllable> two = Distractors(wanted, TFindStage::fsTwo, lesson, world.Draw());
            ASSERT_EQ(two.size(), 1) << name;
            EXPECT_TRUE(FarApart(wanted, two[0])) << name << " " << two[0].Text.toStdString();

            const QList<TSyllable> three = Distractors(wanted, TFindStage::fsThreeFar, lesson, world.Draw());
            ASSERT_EQ(three.size(), 2) << name;
            EXPECT_NE(three[0], three[1]);
            for (const TSyllable& s : three) EXPECT_TRUE(FarApart(wanted, s)) << name << " " << s.Text.toStdString();

            const QList<TSyllable> four = Distractors(wanted, TFindStage::fsFourNear, everything, world.Draw());
            ASSERT_EQ(four.size(), 3) << name;
            int near = 0, nearInPool = 0;
            for (const TSyllable& s : four) {
                EXPECT_NE(s, wanted);
                near += Near(wanted, s);
            }
            for (const TSyllable& s : everything) nearInPool += Near(wanted, s);
            // МА has МЯ, АМ, НА and СА near it; МЕ only СЕ and НЕ, and a far one makes up the third.
            EXPECT_EQ(near, std::min(3, nearInPool)) << name;
            if (wanted.Text == QStringLiteral("ма")) {
                EXPECT_TRUE(four.contains(Syl("мя")));
                EXPECT_TRUE(four.contains(Syl("ам")));
            }
        }
    }
}

TEST(SlogStages, AStageWithoutEnoughOfItsKindMakesUpWithOthersOrShowsFewer)
{
    TSlogWorld world;
    // Only МЯ beside МА: not far, so it stands in at the first stage.
    EXPECT_EQ(Distractors(Syl("ма"), TFindStage::fsTwo, {Syl("ма"), Syl("мя")}, world.Draw()), QList<TSyllable>{Syl("мя")});
    EXPECT_EQ(Distractors(Syl("ма"), TFindStage::fsThreeFar, {Syl("ма"), Syl("мя")}, world.Draw()).size(), 1);
    // Near ones first at the last stage, then far ones.
    const QList<TSyllable> four =
        Distractors(Syl("ма"), TFindStage::fsFourNear, {Syl("ма"), Syl("мо"), Syl("мя"), Syl("му")}, world.Draw());
    ASSERT_EQ(four.size(), 3);
    EXPECT_EQ(four[0], Syl("мя"));
    EXPECT_TRUE(Distractors(Syl("ма"), TFindStage::fsFourNear, {Syl("ма")}, world.Draw()).isEmpty());
}
