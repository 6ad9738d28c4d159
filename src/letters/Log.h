#pragma once
// The logging category of src/letters: kvarnel.letters. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcLetters()
{
    static const QLoggingCategory category("kvarnel.letters");
    return category;
}
