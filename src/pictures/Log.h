#pragma once
// The logging category of src/pictures: kvarnel.pictures. Errors the program catches are logged here with
// their cause before the user's box; QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcPictures()
{
    static const QLoggingCategory category("kvarnel.pictures");
    return category;
}
