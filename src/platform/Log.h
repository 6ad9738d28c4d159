#pragma once
// The logging category of src/platform: kvarnel.platform. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcPlatform()
{
    static const QLoggingCategory category("kvarnel.platform");
    return category;
}
