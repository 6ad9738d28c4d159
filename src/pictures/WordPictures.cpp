#include "pictures/WordPictures.h"

#include "core/ContentLayout.h"
#include "core/Reasons.h"
#include "pictures/PictureCheck.h"
#include "pictures/PictureFailure.h"
#include "platform/FileSystem.h"
#include "platform/UserFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>

namespace wordpics {

namespace {

using content::layout::kWordPictures;

QString WithSlash(const QString& Folder)
{
    return Folder.endsWith(u'/') ? Folder : Folder + u'/';
}

QString PictureFolder(const QString& Root)
{
    return WithSlash(Root) + kWordPictures;
}

bool HasPicture(const QStringList& Roots, const QString& Word)
{
    for (const QString& root : Roots)
        for (const char* ext : {".jpg", ".jpeg"})
            if (fs::FileExists(PictureFolder(root) + Word + QLatin1String(ext))) return true;
    return false;
}

QString LetterList(const QString& Word)
{
    QStringList letters;
    QSet<QChar> seen;
    for (QChar c : Word)
        if (c != u' ' && !seen.contains(c)) {
            seen.insert(c);
            letters << QString(c);
        }
    return letters.join(QStringLiteral(", "));
}

// Whether a file begins as a HEIC photo does (a phone camera's format, which Qt cannot read).
bool IsHeic(const QByteArray& Head)
{
    const QByteArray brand = Head.mid(4, 8);
    return brand == "ftypheic" || brand == "ftypheix" || brand == "ftypmif1" || brand == "ftyphevc";
}

// The picture as a JPEG of at most kLargestKeptFile, the quality lowered step by step until it fits.
QByteArray JpegWithin(const QImage& Picture)
{
    QByteArray bytes;
    for (int quality : {88, 80, 70, 60, 50, 40}) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!Picture.save(&buffer, "JPEG", quality)) return {};
        if (bytes.size() <= kLargestKeptFile) break;
    }
    return bytes;
}

}  // namespace

TWordCheck CheckWord(const QString& Typed, const QStringList& Roots)
{
    TWordCheck check;
    check.Word = Typed.simplified().toLower();
    if (check.Word.isEmpty()) {
        check.Refusal = QStringLiteral("Напишите слово, которое назовёт картинку.");
        return check;
    }
    for (QChar c : check.Word)
        if (c != u' ' && !content::kSmallLetters.contains(c)) {
            check.Refusal =
                QStringLiteral("В слове могут быть только русские буквы и пробелы, а «%1» — не русская буква.").arg(c);
            return check;
        }
    check.Ok = true;
    check.UsedBy = QStringLiteral("Картинку покажут «Найди букву» (буква %1) и «Дед Буквоед» (буквы %2).")
                       .arg(check.Word.left(1), LetterList(check.Word));
    if (HasPicture(Roots, check.Word)) check.Question = QStringLiteral("Заменить картинку «%1»?").arg(check.Word);
    return check;
}

QString UnreadablePictureSentence(const QString& Path)
{
    const QString name = QFileInfo(Path).fileName();
    QString reason;
    if (auto problem = FileProblem(Path)) {
        reason = *problem;
    } else {
        QFile file(Path);
        const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray();
        if (IsHeic(head))
            reason = QStringLiteral("это HEIC, его программа не читает; сохраните фото как JPEG");
        else if (head.startsWith("\xFF\xD8\xFF"))
            reason = PictureFailureReason(Path, TPictureKind::Jpeg);
        else {
            QImageReader reader(Path);
            const QSize size = reader.size();
            if (size.isValid() && !FitsInMemory(size))
                reason = QStringLiteral("слишком большой рисунок (%1 × %2 точек)").arg(size.width()).arg(size.height());
            else
                reason = QStringLiteral("не картинка или картинка повреждена");
        }
    }
    return QStringLiteral("Картинка «%1» не открывается: %2.").arg(name, reason);
}

std::optional<QString> ImportWordPicture(const QString& Source, const QString& Word, const QString& UserRoot)
{
    if (QFileInfo(Source).size() > kLargestPictureFile) return UnreadablePictureSentence(Source);
    QImageReader reader(Source);
    reader.setAutoTransform(true);  // upright as the camera's EXIF orientation says
    const QSize stored = reader.size();
    if (!stored.isValid() || !FitsInMemory(stored)) return UnreadablePictureSentence(Source);
    // The decoder scales as it reads (a JPEG by its DCT), so a 12-megapixel photo is never held whole.
    if (stored.width() > kLongestSide || stored.height() > kLongestSide)
        reader.setScaledSize(stored.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio));
    QImage picture;
    if (!reader.read(&picture) || !IsUsablePicture(picture)) return UnreadablePictureSentence(Source);
    if (picture.hasAlphaChannel()) {  // a transparent PNG on white, as the games' pictures are
        QImage flat(picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, picture);
        picture = flat;
    }
    const QByteArray jpeg = JpegWithin(picture.convertToFormat(QImage::Format_RGB888));
    if (jpeg.isEmpty()) return UnreadablePictureSentence(Source);
    return userfiles::WriteFileAtomically(OwnPicturePath(UserRoot, Word), jpeg);
}

QString OwnPicturePath(const QString& UserRoot, const QString& Word)
{
    return PictureFolder(UserRoot) + Word + QStringLiteral(".jpg");
}

QStringList OwnWords(const QString& UserRoot)
{
    QStringList words;
    for (const QString& name : fs::ListFiles(PictureFolder(UserRoot), content::layout::kWordPictureMask))
        words << name.left(name.lastIndexOf(u'.'));
    return words;
}

std::optional<QString> RenameOwnPicture(const QString& UserRoot, const QString& Word, const QString& NewWord)
{
    const TWordCheck check = CheckWord(NewWord, {UserRoot});
    if (!check.Ok) return check.Refusal;
    if (check.Word == Word) return std::nullopt;
    return userfiles::RenameFile(OwnPicturePath(UserRoot, Word), OwnPicturePath(UserRoot, check.Word));
}

std::optional<QString> RemoveOwnPicture(const QString& UserRoot, const QString& Word)
{
    return userfiles::RemoveFile(OwnPicturePath(UserRoot, Word));
}

}  // namespace wordpics
