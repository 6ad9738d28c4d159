#pragma once
// The logging category of src/slogi: kvarnel.slogi. QT_LOGGING_RULES="kvarnel.*.debug=true" shows more.
#include <QLoggingCategory>

inline const QLoggingCategory& lcSlogi()
{
    static const QLoggingCategory category("kvarnel.slogi");
    return category;
}
