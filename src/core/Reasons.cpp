#include "core/Reasons.h"

QString Mp3Reason(const TMp3Result& Result)
{
    switch (Result.Failure) {
        case TMp3Failure::None:
            return QString();
        case TMp3Failure::Missing:
            return QStringLiteral("нет такого файла");
        case TMp3Failure::NotMp3:
            return QStringLiteral("не MP3");
        case TMp3Failure::Corrupt:
            return QStringLiteral("MP3 повреждён");
        case TMp3Failure::Empty:
            return QStringLiteral("файл пуст");
        case TMp3Failure::NoAccess:
            return QStringLiteral("нет доступа");
        case TMp3Failure::Truncated:
            return QStringLiteral("MP3 обрезан: звучит только его начало");
    }
    return QString();
}
