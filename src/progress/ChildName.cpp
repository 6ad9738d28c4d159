#include "progress/ChildName.h"

#include "platform/storage/ProgressDatabase.h"

#include <algorithm>

namespace {
constexpr int kLongestName = 20;
}

QString CleanChildName(const QString& Name)
{
    return Name.trimmed();
}

QString ChildNameProblem(const QString& Name, const QStringList& Others)
{
    const QString name = CleanChildName(Name);
    if (name.isEmpty()) return QStringLiteral("Напишите имя ребёнка.");
    const bool allowed = std::all_of(name.begin(), name.end(), [](QChar C) { return C.isLetterOrNumber() || C == u' '; });
    if (name.size() > kLongestName || !allowed) return QStringLiteral("Имя — это от 1 до 20 букв, цифр или пробелов.");
    for (const QString& other : Others)
        if (progressdb::NameKey(other) == progressdb::NameKey(name))
            return QStringLiteral("Ребёнок с таким именем уже есть.");
    return {};
}
