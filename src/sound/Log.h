#pragma once
// The logging category of src/sound: kvarnel.sound. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcSound()
{
    static const QLoggingCategory category("kvarnel.sound");
    return category;
}
