#pragma once
// The logging category of src/core: kvarnel.core. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcCore()
{
    static const QLoggingCategory category("kvarnel.core");
    return category;
}
