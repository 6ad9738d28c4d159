#pragma once
// The logging category of src/games: kvarnel.games. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcGames()
{
    static const QLoggingCategory category("kvarnel.games");
    return category;
}
