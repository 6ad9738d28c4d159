#include "core/Reasons.h"

#include "core/Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

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

std::optional<QString> FileProblem(const QString& Path)
{
    const QFileInfo info(Path);
    if (!info.exists()) return QStringLiteral("нет такого файла");
    if (info.isDir()) return QStringLiteral("это папка, а не файл");
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("нет доступа");
    if (file.size() == 0) return QStringLiteral("файл пуст");
    return std::nullopt;
}

QString JpegReaderReason(const QString& Path, int Error)
{
    if (auto problem = FileProblem(Path)) return *problem;
    switch (Error) {
        case QImageReader::UnsupportedFormatError:
            return QStringLiteral("не JPEG");
        case QImageReader::DeviceError:
            return QStringLiteral("нет доступа");
        default:
            return QStringLiteral("JPEG повреждён");
    }
}

QString ReadErrorText(const QString& Path, const QString& Reason)
{
    return QString::fromUtf8(kReadErrorMessage) + QStringLiteral("\n") + Path + QStringLiteral("\n") + Reason;
}
