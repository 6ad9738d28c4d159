#include "platform/Cp1251.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

TEST(Cp1251, EveryAssignedByteSurvivesTheRoundTripThroughUnicode)
{
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;  // unassigned in cp1251
        AnsiString one(1, static_cast<char>(b));
        QString u = cp1251::ToUnicode(one);
        ASSERT_EQ(u.size(), 1) << b;
        EXPECT_EQ(cp1251::FromUnicode(u), one) << "byte " << b;
    }
    // The unassigned byte has no way back and becomes '?'.
    EXPECT_EQ(cp1251::FromUnicode(cp1251::ToUnicode(AnsiString(1, '\x98'))), "?");
}

TEST(Cp1251, RussianLettersLandOnTheirCodes)
{
    EXPECT_EQ(cp1251::FromUnicode(QStringLiteral("Аая")), "\xC0\xE0\xFF");
    EXPECT_EQ(cp1251::FromUnicode(QStringLiteral("Ёё")), "\xA8\xB8");
    EXPECT_EQ(cp1251::ToUnicode(AnsiString("\xB8\xE5")), QStringLiteral("ёе"));
    EXPECT_EQ(cp1251::FromUnicode(QStringLiteral("a€№")), "a\x88\xB9");
    // Characters outside the code page become '?', one per character (also outside the BMP).
    EXPECT_EQ(cp1251::FromUnicode(QStringLiteral("中😀x")), "??x");
    EXPECT_EQ(cp1251::LetterString(0), "");
    EXPECT_EQ(cp1251::LetterString(0xE0), "\xE0");
}

TEST(Random, DrawsStayInRangeAndCoverIt)
{
    Randomize();
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-3), 0);
    EXPECT_EQ(Random(1), 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(Random, ReseedingTwiceInARowGivesDifferentSequences)
{
    std::vector<int> a, b;
    Randomize();
    for (int i = 0; i < 20; ++i) a.push_back(Random(1000000));
    Randomize();
    for (int i = 0; i < 20; ++i) b.push_back(Random(1000000));
    EXPECT_NE(a, b);
}
