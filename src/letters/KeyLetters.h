#pragma once
// Which letter of the alphabet a key press stands for. The key's text decides when it is a Russian
// letter (а…я or ё, either case). Under a layout of another script, Latin above all, a key stands
// for the letter printed on it in the standard Russian ЙЦУКЕН layout (q is й, the key left of 1 is
// ё), so that a child finds a letter by what is printed on the keys whatever layout is on. The key
// is known by its physical place (its native scan code) where the platform gives one, else by its
// Qt key code, read as on a US keyboard.
#include <QString>

// Whose native scan codes the key presses carry.
enum class TScanCodes {
    None,     // none to go by (the offscreen platform, tests): the Qt key code decides
    Xkb,      // X11 and Wayland: XKB key codes, the Linux input codes plus 8
    Windows,  // Windows: the keyboard's set-1 scan codes
};

struct TKeyPress {
    QString Text;           // what the key types under the layout that is on
    int Key = 0;            // its Qt::Key
    unsigned ScanCode = 0;  // its native scan code; 0 when not known
};

// The cp1251 code of the small letter Press stands for; 0 for a key outside the alphabet.
unsigned char LetterOfKey(const TKeyPress& Press, TScanCodes Codes);

// The scan codes that the key presses of a Qt platform plugin ("xcb", "wayland", "windows", …)
// carry.
TScanCodes ScanCodesOf(const QString& PlatformName);
