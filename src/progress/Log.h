#pragma once
// The logging category of src/progress: kvarnel.progress. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcProgress()
{
    static const QLoggingCategory category("kvarnel.progress");
    return category;
}
