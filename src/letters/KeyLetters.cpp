#include "letters/KeyLetters.h"

#include "platform/Cp1251.h"

#include <Qt>

namespace {

// One key of the standard Russian layout: the letter printed on it and where it lies.
struct TKeyCap {
    char16_t Letter;  // the small letter
    int Key;          // the Qt key code the key has on a US layout
    int ShiftedKey;   // and with Shift, where that differs
    unsigned Scan;    // its set-1 scan code
};

// The XKB code of each of these keys is its set-1 scan code plus 8.
constexpr unsigned kXkbOffset = 8;

// Row by row, as on the keyboard.
constexpr TKeyCap kCaps[] = {
    {u'ё', Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, 0x29},
    {u'й', Qt::Key_Q, Qt::Key_Q, 0x10},
    {u'ц', Qt::Key_W, Qt::Key_W, 0x11},
    {u'у', Qt::Key_E, Qt::Key_E, 0x12},
    {u'к', Qt::Key_R, Qt::Key_R, 0x13},
    {u'е', Qt::Key_T, Qt::Key_T, 0x14},
    {u'н', Qt::Key_Y, Qt::Key_Y, 0x15},
    {u'г', Qt::Key_U, Qt::Key_U, 0x16},
    {u'ш', Qt::Key_I, Qt::Key_I, 0x17},
    {u'щ', Qt::Key_O, Qt::Key_O, 0x18},
    {u'з', Qt::Key_P, Qt::Key_P, 0x19},
    {u'х', Qt::Key_BracketLeft, Qt::Key_BraceLeft, 0x1A},
    {u'ъ', Qt::Key_BracketRight, Qt::Key_BraceRight, 0x1B},
    {u'ф', Qt::Key_A, Qt::Key_A, 0x1E},
    {u'ы', Qt::Key_S, Qt::Key_S, 0x1F},
    {u'в', Qt::Key_D, Qt::Key_D, 0x20},
    {u'а', Qt::Key_F, Qt::Key_F, 0x21},
    {u'п', Qt::Key_G, Qt::Key_G, 0x22},
    {u'р', Qt::Key_H, Qt::Key_H, 0x23},
    {u'о', Qt::Key_J, Qt::Key_J, 0x24},
    {u'л', Qt::Key_K, Qt::Key_K, 0x25},
    {u'д', Qt::Key_L, Qt::Key_L, 0x26},
    {u'ж', Qt::Key_Semicolon, Qt::Key_Colon, 0x27},
    {u'э', Qt::Key_Apostrophe, Qt::Key_QuoteDbl, 0x28},
    {u'я', Qt::Key_Z, Qt::Key_Z, 0x2C},
    {u'ч', Qt::Key_X, Qt::Key_X, 0x2D},
    {u'с', Qt::Key_C, Qt::Key_C, 0x2E},
    {u'м', Qt::Key_V, Qt::Key_V, 0x2F},
    {u'и', Qt::Key_B, Qt::Key_B, 0x30},
    {u'т', Qt::Key_N, Qt::Key_N, 0x31},
    {u'ь', Qt::Key_M, Qt::Key_M, 0x32},
    {u'б', Qt::Key_Comma, Qt::Key_Less, 0x33},
    {u'ю', Qt::Key_Period, Qt::Key_Greater, 0x34},
};

bool IsRussianLetter(char32_t Ch)
{
    return (Ch >= U'а' && Ch <= U'я') || (Ch >= U'А' && Ch <= U'Я') || Ch == U'ё' || Ch == U'Ё';
}

// The cp1251 code of the small form of a Russian letter.
unsigned char SmallCode(char32_t Ch)
{
    char16_t small = static_cast<char16_t>(Ch);
    if (Ch >= U'А' && Ch <= U'Я') small = static_cast<char16_t>(Ch + 0x20);
    if (Ch == U'Ё') small = u'ё';
    unsigned char code = 0;
    cp1251::FromUnicode(small, code);
    return code;
}

// Text of Latin letters, digits, punctuation or control characters, as a Latin layout types.
bool TypesNoOtherScript(const QString& Text)
{
    for (const QChar ch : Text) {
        const QChar::Script script = ch.script();
        if (script != QChar::Script_Latin && script != QChar::Script_Common && script != QChar::Script_Inherited)
            return false;
    }
    return true;
}

}  // namespace

unsigned char LetterOfKey(const TKeyPress& Press, TScanCodes Codes)
{
    if (Press.Text.size() == 1 && IsRussianLetter(Press.Text.at(0).unicode())) return SmallCode(Press.Text.at(0).unicode());
    // A Russian layout's letter key that types nothing (a dead key, a modifier held): its Qt key
    // code is the code point of the capital.
    if (Press.Text.isEmpty() && Press.Key > 0 && IsRussianLetter(static_cast<char32_t>(Press.Key)))
        return SmallCode(static_cast<char32_t>(Press.Key));
    // Another script's layout (Ukrainian, Greek): its letters are not this alphabet's.
    if (!TypesNoOtherScript(Press.Text)) return 0;

    if (Press.ScanCode != 0 && Codes != TScanCodes::None) {
        for (const TKeyCap& cap : kCaps) {
            const unsigned code = Codes == TScanCodes::Xkb ? cap.Scan + kXkbOffset : cap.Scan;
            if (code == Press.ScanCode) return SmallCode(cap.Letter);
        }
        return 0;  // a known key, and not one with a letter
    }
    for (const TKeyCap& cap : kCaps)
        if (Press.Key == cap.Key || Press.Key == cap.ShiftedKey) return SmallCode(cap.Letter);
    return 0;
}

TScanCodes ScanCodesOf(const QString& PlatformName)
{
    if (PlatformName == QLatin1String("xcb") || PlatformName.startsWith(QLatin1String("wayland"))) return TScanCodes::Xkb;
    if (PlatformName == QLatin1String("windows")) return TScanCodes::Windows;
    return TScanCodes::None;
}
