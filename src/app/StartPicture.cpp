#include "app/StartPicture.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace start_picture {

namespace {

constexpr quint32 kMagic = 0x4B565350;  // "KVSP"

QString KeptPath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/start-screen.raw");
}

// What the kept picture belongs to: this very program file (its drawing and fonts are built in)
// and the Qt it runs with.
QByteArray ProgramStamp()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return (program.absoluteFilePath() + u'\n' + QString::number(program.size()) + u'\n' +
            QString::number(program.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()) + u'\n' +
            QString::fromLatin1(qVersion()))
        .toUtf8();
}

}  // namespace

std::optional<QImage> ReadKept()
{
    const QString path = KeptPath();
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QDataStream in(&file);
    quint32 magic = 0, width = 0, height = 0, format = 0;
    QByteArray stamp;
    in >> magic >> stamp >> width >> height >> format;
    if (in.status() != QDataStream::Ok || magic != kMagic || stamp != ProgramStamp() ||
        format != quint32(QImage::Format_RGB32) || width == 0 || height == 0 || width > 4096 || height > 4096)
        return std::nullopt;
    QImage picture(int(width), int(height), QImage::Format_RGB32);
    const qint64 bytes = picture.sizeInBytes();
    if (picture.isNull() || file.size() - file.pos() != bytes) return std::nullopt;
    if (file.read(reinterpret_cast<char*>(picture.bits()), bytes) != bytes) return std::nullopt;
    return picture;
}

void Keep(const QImage& Picture)
{
    const QString path = KeptPath();
    if (path.isEmpty() || Picture.isNull() || !QDir().mkpath(QFileInfo(path).path())) return;
    const QImage picture = Picture.convertToFormat(QImage::Format_RGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    QDataStream out(&file);
    out << kMagic << ProgramStamp() << quint32(picture.width()) << quint32(picture.height())
        << quint32(QImage::Format_RGB32);
    if (out.status() != QDataStream::Ok ||
        file.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()) != picture.sizeInBytes()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

}  // namespace start_picture
