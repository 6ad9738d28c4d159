#pragma once
// The table of answers for a teacher's spreadsheet: UTF-8 with a BOM (so a spreadsheet reads the
// Cyrillic right), ';' between fields, local time with its offset.
#include "platform/storage/ProgressDatabase.h"

#include <QString>

#include <functional>
#include <map>

// The header line, without its line end.
QString ProgressTableHeader();
// One line for Row; ChildName is the child's name ("" for the unnamed child).
QString ProgressTableLine(const progressdb::TAnswerRow& Row, const QString& ChildName);

// Writes the header and every row ForEach gives to Path at once (a temporary file, then renamed).
// Empty on success, else the one sentence for the user.
QString SaveProgressTable(const QString& Path,
                          const std::function<bool(const std::function<void(const progressdb::TAnswerRow&)>&)>& ForEach,
                          const std::map<qint64, QString>& ChildNames);
