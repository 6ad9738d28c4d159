#pragma once
// The logging category of src/colouring: kvarnel.colouring. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcColouring()
{
    static const QLoggingCategory category("kvarnel.colouring");
    return category;
}
