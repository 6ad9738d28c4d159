// Letter keys on "Найди слог": a consonant marks, the vowel after it picks; closed syllables the other way round.
#include "slogi/SlogKeys.h"

#include <gtest/gtest.h>

TEST(SlogKeys, AConsonantMarksAndTheVowelAfterItPicks)
{
    const QStringList tiles = {QStringLiteral("мо"), QStringLiteral("ма"), QStringLiteral("ам"), QStringLiteral("на")};
    struct Case {
        const char* Typed;  // the letters typed one after the other
        TSlogKeyStep::TKind Last;
        int Tile;
    } cases[] = {
        {"м", TSlogKeyStep::ksMarked, 0},   {"ма", TSlogKeyStep::ksPicked, 1},   {"мо", TSlogKeyStep::ksPicked, 0},
        {"а", TSlogKeyStep::ksMarked, 2},   {"ам", TSlogKeyStep::ksPicked, 2},   {"о", TSlogKeyStep::ksNothing, -1},
        {"у", TSlogKeyStep::ksNothing, -1}, {"му", TSlogKeyStep::ksNothing, -1}, {"мна", TSlogKeyStep::ksPicked, 3},
        {"к", TSlogKeyStep::ksNothing, -1}, {"кма", TSlogKeyStep::ksPicked, 1},  {"маа", TSlogKeyStep::ksMarked, 2},
        {"муа", TSlogKeyStep::ksPicked, 1},  // the mark stays over a letter that does nothing
    };
    for (const Case& c : cases) {
        TSlogKeyPicks picks;
        TSlogKeyStep step;
        for (QChar letter : QString::fromUtf8(c.Typed)) {
            step = picks.Step(letter, tiles);
            picks.Take(letter, step);
        }
        EXPECT_EQ(step.Kind, c.Last) << c.Typed;
        EXPECT_EQ(step.Tile, c.Tile) << c.Typed;
    }
}
