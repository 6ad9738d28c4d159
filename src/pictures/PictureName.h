#pragma once
// The name of a picture is its file name up to the first ".", in the program's cp1251 text.
#include "platform/Cp1251.h"

#include <QString>

// The picture name of a bare file name: everything before the first "." (empty when there is no
// "."). File names come from disk as Unicode; they are composed first (a "й" stored as "и" plus a
// combining breve becomes one letter), and each character that cp1251 cannot hold becomes one '?',
// so the name has one byte per character and such a character never matches a letter.
AnsiString PictureNameFromFileName(const QString& FileName);
