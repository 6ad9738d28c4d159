// Which letter a key stands for: the Russian letter it types, or under a Latin layout the letter
// printed on the same key of the ЙЦУКЕН layout, found by scan code or by Qt key code.
#include "letters/KeyLetters.h"
#include "letters/Letter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <set>

namespace {

unsigned char Code(const char* Utf8)
{
    return static_cast<unsigned char>(cp1251::FromUnicode(QString::fromUtf8(Utf8)).at(0));
}

// The 33 letter keys of a Russian keyboard: the letter printed on each, what the key types and its
// Qt codes under a US layout (plain and with Shift), its X11 key code and its Windows scan code.
struct TCap {
    const char* Small;
    const char* Capital;
    const char* Latin;
    const char* LatinShifted;
    int Key;
    int ShiftedKey;
    unsigned X11;
    unsigned Windows;
};

const TCap kKeyboard[] = {
    {"ё", "Ё", "`", "~", Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, 49, 0x29},
    {"й", "Й", "q", "Q", Qt::Key_Q, Qt::Key_Q, 24, 0x10},
    {"ц", "Ц", "w", "W", Qt::Key_W, Qt::Key_W, 25, 0x11},
    {"у", "У", "e", "E", Qt::Key_E, Qt::Key_E, 26, 0x12},
    {"к", "К", "r", "R", Qt::Key_R, Qt::Key_R, 27, 0x13},
    {"е", "Е", "t", "T", Qt::Key_T, Qt::Key_T, 28, 0x14},
    {"н", "Н", "y", "Y", Qt::Key_Y, Qt::Key_Y, 29, 0x15},
    {"г", "Г", "u", "U", Qt::Key_U, Qt::Key_U, 30, 0x16},
    {"ш", "Ш", "i", "I", Qt::Key_I, Qt::Key_I, 31, 0x17},
    {"щ", "Щ", "o", "O", Qt::Key_O, Qt::Key_O, 32, 0x18},
    {"з", "З", "p", "P", Qt::Key_P, Qt::Key_P, 33, 0x19},
    {"х", "Х", "[", "{", Qt::Key_BracketLeft, Qt::Key_BraceLeft, 34, 0x1A},
    {"ъ", "Ъ", "]", "}", Qt::Key_BracketRight, Qt::Key_BraceRight, 35, 0x1B},
    {"ф", "Ф", "a", "A", Qt::Key_A, Qt::Key_A, 38, 0x1E},
    {"ы", "Ы", "s", "S", Qt::Key_S, Qt::Key_S, 39, 0x1F},
    {"в", "В", "d", "D", Qt::Key_D, Qt::Key_D, 40, 0x20},
    {"а", "А", "f", "F", Qt::Key_F, Qt::Key_F, 41, 0x21},
    {"п", "П", "g", "G", Qt::Key_G, Qt::Key_G, 42, 0x22},
    {"р", "Р", "h", "H", Qt::Key_H, Qt::Key_H, 43, 0x23},
    {"о", "О", "j", "J", Qt::Key_J, Qt::Key_J, 44, 0x24},
    {"л", "Л", "k", "K", Qt::Key_K, Qt::Key_K, 45, 0x25},
    {"д", "Д", "l", "L", Qt::Key_L, Qt::Key_L, 46, 0x26},
    {"ж", "Ж", ";", ":", Qt::Key_Semicolon, Qt::Key_Colon, 47, 0x27},
    {"э", "Э", "'", "\"", Qt::Key_Apostrophe, Qt::Key_QuoteDbl, 48, 0x28},
    {"я", "Я", "z", "Z", Qt::Key_Z, Qt::Key_Z, 52, 0x2C},
    {"ч", "Ч", "x", "X", Qt::Key_X, Qt::Key_X, 53, 0x2D},
    {"с", "С", "c", "C", Qt::Key_C, Qt::Key_C, 54, 0x2E},
    {"м", "М", "v", "V", Qt::Key_V, Qt::Key_V, 55, 0x2F},
    {"и", "И", "b", "B", Qt::Key_B, Qt::Key_B, 56, 0x30},
    {"т", "Т", "n", "N", Qt::Key_N, Qt::Key_N, 57, 0x31},
    {"ь", "Ь", "m", "M", Qt::Key_M, Qt::Key_M, 58, 0x32},
    {"б", "Б", ",", "<", Qt::Key_Comma, Qt::Key_Less, 59, 0x33},
    {"ю", "Ю", ".", ">", Qt::Key_Period, Qt::Key_Greater, 60, 0x34},
};

}  // namespace

TEST(KeyLetters, EveryLetterKeyGivesItsLetterByTextScanCodeAndKeyCode)
{
    for (const TCap& k : kKeyboard) {
        SCOPED_TRACE(k.Small);
        const unsigned char letter = Code(k.Small);
        const QString small = QString::fromUtf8(k.Small);
        const QString capital = QString::fromUtf8(k.Capital);
        const int capitalKey = capital.at(0).unicode();
        // A Russian layout: the text decides, whatever the key.
        EXPECT_EQ(LetterOfKey({small, capitalKey, k.X11}, TScanCodes::Xkb), letter);
        EXPECT_EQ(LetterOfKey({capital, capitalKey, 0}, TScanCodes::None), letter);
        EXPECT_EQ(LetterOfKey({QString(), capitalKey, 0}, TScanCodes::None), letter) << "a letter key typing nothing";
        // A Latin layout: the physical key decides, with or without Shift.
        EXPECT_EQ(LetterOfKey({QString::fromUtf8(k.Latin), k.Key, k.X11}, TScanCodes::Xkb), letter);
        EXPECT_EQ(LetterOfKey({QString::fromUtf8(k.LatinShifted), k.ShiftedKey, k.X11}, TScanCodes::Xkb), letter);
        EXPECT_EQ(LetterOfKey({QString::fromUtf8(k.Latin), k.Key, k.Windows}, TScanCodes::Windows), letter);
        // No scan codes to go by: the Qt key code, read as on a US keyboard.
        EXPECT_EQ(LetterOfKey({QString::fromUtf8(k.Latin), k.Key, 0}, TScanCodes::None), letter);
        EXPECT_EQ(LetterOfKey({QString::fromUtf8(k.LatinShifted), k.ShiftedKey, 0}, TScanCodes::Xkb), letter);
    }
}

TEST(KeyLetters, TheKeyboardHoldsTheWholeAlphabetOnceWithYoApartFromYe)
{
    QTemporaryDir dir;
    const TSettings settings = TSettings::ForProgramFolder(dir.path() + "/");
    TRusLetterCollection alphabet(settings);
    alphabet.MakeLetters();
    ASSERT_EQ(alphabet.Count(), 33);
    std::set<unsigned char> fromKeys;
    for (const TCap& k : kKeyboard) fromKeys.insert(LetterOfKey({QString::fromUtf8(k.Latin), k.Key, 0}, TScanCodes::None));
    std::set<unsigned char> letters;
    for (int i = 0; i < alphabet.Count(); ++i)
        letters.insert(alphabet.GetLetter(static_cast<unsigned short>(i))->LowerLetter);
    EXPECT_EQ(fromKeys, letters);
    EXPECT_NE(LetterOfKey({"ё", 0x401, 0}, TScanCodes::None), LetterOfKey({"е", 0x415, 0}, TScanCodes::None));
}

TEST(KeyLetters, KeysOutsideTheAlphabetGiveNoLetter)
{
    struct TCase {
        const char* What;
        TKeyPress Press;
        TScanCodes Codes;
    };
    const TCase cases[] = {
        {"digit", {"1", Qt::Key_1, 10}, TScanCodes::Xkb},
        {"digit by key code", {"1", Qt::Key_1, 0}, TScanCodes::None},
        {"minus", {"-", Qt::Key_Minus, 20}, TScanCodes::Xkb},
        {"slash", {"/", Qt::Key_Slash, 61}, TScanCodes::Xkb},
        {"backslash", {"\\", Qt::Key_Backslash, 0x2B}, TScanCodes::Windows},
        {"space", {" ", Qt::Key_Space, 65}, TScanCodes::Xkb},
        {"Enter", {"\r", Qt::Key_Return, 36}, TScanCodes::Xkb},
        {"F1", {"", Qt::Key_F1, 67}, TScanCodes::Xkb},
        {"Esc", {"\x1b", Qt::Key_Escape, 0}, TScanCodes::None},
        {"number sign of a Russian layout", {"№", Qt::Key_NumberSign, 12}, TScanCodes::Xkb},
        // Another Cyrillic or another script's layout: its letters are not this alphabet's, even on
        // keys that carry a Russian letter.
        {"Ukrainian і", {"і", 0x406, 39}, TScanCodes::Xkb},
        {"Ukrainian ї", {"ї", 0x407, 35}, TScanCodes::Xkb},
        {"Greek alpha", {"α", 0x391, 38}, TScanCodes::Xkb},
        // A scan code known to be some other key outweighs a letter-like key code.
        {"unknown key with a letter key code", {"", Qt::Key_Q, 200}, TScanCodes::Xkb},
    };
    for (const TCase& c : cases) EXPECT_EQ(LetterOfKey(c.Press, c.Codes), 0) << c.What;
}

TEST(KeyLetters, OtherLatinLayoutsGoByThePhysicalKey)
{
    // German: the key right of P types ü, and German Z lies where Y is on a US keyboard.
    EXPECT_EQ(LetterOfKey({"ü", 0xDC, 34}, TScanCodes::Xkb), Code("х"));
    EXPECT_EQ(LetterOfKey({"z", Qt::Key_Z, 29}, TScanCodes::Xkb), Code("н"));
    EXPECT_EQ(LetterOfKey({"z", Qt::Key_Z, 0x15}, TScanCodes::Windows), Code("н"));
    // A control character (a letter key held with Ctrl) still names its key.
    EXPECT_EQ(LetterOfKey({"\x10", Qt::Key_P, 33}, TScanCodes::Xkb), Code("з"));
}

TEST(KeyLetters, ScanCodesComeFromThePlatform)
{
    EXPECT_EQ(ScanCodesOf("xcb"), TScanCodes::Xkb);
    EXPECT_EQ(ScanCodesOf("wayland"), TScanCodes::Xkb);
    EXPECT_EQ(ScanCodesOf("wayland-egl"), TScanCodes::Xkb);
    EXPECT_EQ(ScanCodesOf("windows"), TScanCodes::Windows);
    EXPECT_EQ(ScanCodesOf("offscreen"), TScanCodes::None);
    EXPECT_EQ(ScanCodesOf("cocoa"), TScanCodes::None);
}
