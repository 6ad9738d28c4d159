#include "pictures/PictureFailure.h"

#include "core/Reasons.h"
#include "pictures/PictureCheck.h"
#include "pictures/ScrambledBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

// What a file that is not the JPEG it is named as really is, where it is a common kind.
QString OtherFormat(const QByteArray& Head)
{
    if (Head.startsWith("\x89PNG")) return QStringLiteral("PNG");
    if (Head.startsWith("GIF8")) return QStringLiteral("GIF");
    if (Head.startsWith("BM")) return QStringLiteral("BMP");
    if (Head.startsWith("RIFF") && Head.mid(8, 4) == "WEBP") return QStringLiteral("WebP");
    if (Head.mid(4, 8) == "ftypheic" || Head.mid(4, 8) == "ftypmif1") return QStringLiteral("HEIC");
    return QString();
}

// Whether the picture Bytes announce is more than Qt lets a picture take in memory.
bool TooLarge(QByteArray Bytes, const char* Format, QSize& Size)
{
    QBuffer buffer(&Bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, Format);
    Size = reader.size();
    return Size.isValid() && !FitsInMemory(Size);
}

QString TooLargeReason(QSize Size)
{
    return QStringLiteral("слишком большой рисунок (%1 × %2 точек)").arg(Size.width()).arg(Size.height());
}

}  // namespace

QString PictureFailureReason(const QString& Path, TPictureKind Kind)
{
    if (auto problem = FileProblem(Path)) return *problem;
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("нет доступа");
    if (file.size() > kLargestPictureFile) return QStringLiteral("слишком большой файл");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return QStringLiteral("нет доступа");

    QSize size;
    if (Kind == TPictureKind::Jpeg) {
        if (!bytes.startsWith("\xFF\xD8\xFF")) {
            const QString other = OtherFormat(bytes.left(16));
            return other.isEmpty() ? QStringLiteral("не JPEG") : QStringLiteral("не JPEG (это %1)").arg(other);
        }
        if (TooLarge(bytes, "jpeg", size)) return TooLargeReason(size);
        if (!JpegIsComplete(bytes)) return QStringLiteral("JPEG обрезан");
        return QStringLiteral("JPEG повреждён");
    }
    if (bytes.size() < kScrambledHeaderBytes) return QStringLiteral("страница раскраски повреждена");
    const QByteArray bitmap = UnscrambleBitmapBytes(bytes);
    if (!bitmap.startsWith("BM")) return QStringLiteral("не страница раскраски");
    if (TooLarge(bitmap, "bmp", size)) return TooLargeReason(size);
    return QStringLiteral("страница раскраски повреждена");
}
