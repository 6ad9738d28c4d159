#pragma once
// Who makes the program: the web address shown on the title ribbon, opened on request and
// printed at the top of every colouring page; the line printed at the bottom of every page.
#include <QString>

inline const QString kVendorWebAddress = QStringLiteral("https://kvarnel.example.org");
inline const QString kPagesCopyrightLine = QStringLiteral("© Кварнель, раскраски; рисунки: Fluent Emoji, Microsoft (MIT)");
