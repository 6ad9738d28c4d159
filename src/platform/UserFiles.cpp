#include "platform/UserFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace userfiles {

namespace {
QString FolderOf(const QString& Path)
{
    return QFileInfo(Path).absolutePath();
}
}  // namespace

QString UnwritableFolderSentence(const QString& Folder)
{
    return QStringLiteral("Не удаётся записать в папку «%1»: нет прав на запись.").arg(QDir::toNativeSeparators(Folder));
}

std::optional<QString> WriteFileAtomically(const QString& Path, const QByteArray& Bytes)
{
    const QString folder = FolderOf(Path);
    if (!QDir().mkpath(folder)) return UnwritableFolderSentence(folder);
    // QSaveFile writes a temporary file beside Path, waits for the disk and renames it over Path:
    // a parent's recording or photo survives a power cut whole or not at all.
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly)) return UnwritableFolderSentence(folder);
    if (file.write(Bytes) != Bytes.size()) {
        file.cancelWriting();
        return QStringLiteral("Не удаётся записать файл «%1»: на диске нет места.").arg(QDir::toNativeSeparators(Path));
    }
    if (!file.commit()) return UnwritableFolderSentence(folder);
    return std::nullopt;
}

std::optional<QString> RemoveFile(const QString& Path)
{
    if (!QFileInfo::exists(Path)) return std::nullopt;
    if (!QFile::remove(Path)) return UnwritableFolderSentence(FolderOf(Path));
    return std::nullopt;
}

std::optional<QString> RenameFile(const QString& From, const QString& To)
{
    if (QFileInfo::exists(To)) return QStringLiteral("Файл «%1» уже есть.").arg(QFileInfo(To).fileName());
    if (!QFile::rename(From, To)) return UnwritableFolderSentence(FolderOf(From));
    return std::nullopt;
}

std::optional<QString> RemoveFolder(const QString& Folder)
{
    QDir dir(Folder);
    if (!dir.exists()) return std::nullopt;
    if (!dir.removeRecursively()) return UnwritableFolderSentence(Folder);
    return std::nullopt;
}

}  // namespace userfiles
