#pragma once
// The logging category of src/app: kvarnel.app. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcApp()
{
    static const QLoggingCategory category("kvarnel.app");
    return category;
}
