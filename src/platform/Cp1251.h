#pragma once
// The program's text is single-byte code page 1251: a letter is one byte, compared byte-exactly.
// File names on disk are UTF-8, so names cross this boundary through the functions below.
#include <QString>
#include <string>

// A cp1251 byte string (the program's own strings: letters, picture names, words).
using AnsiString = std::string;

namespace cp1251 {

// The Unicode character of one cp1251 byte (every byte maps to some character).
char16_t ToUnicode(unsigned char Byte);
QString ToUnicode(const AnsiString& Text);

// The cp1251 byte of a Unicode character; false when the character has no cp1251 byte.
bool FromUnicode(char16_t Ch, unsigned char& Byte);
// Characters outside cp1251 become '?', as the Windows conversion does by default.
AnsiString FromUnicode(const QString& Text);

// The one-character string of a letter code (a code of 0 gives an empty string).
AnsiString LetterString(unsigned char Code);

}  // namespace cp1251
