#include "platform/FileSystem.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QResource>

#include <algorithm>

#include <dirent.h>

namespace fs {

QString ExeFolder()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

QChar Separator()
{
    return QLatin1Char('/');
}

bool FileExists(const QString& Path)
{
    QFileInfo fi(Path);
    return fi.exists() && !fi.isDir();
}

bool DirectoryExists(const QString& Path)
{
    return !Path.isEmpty() && QFileInfo(Path).isDir();
}

namespace {

QList<QRegularExpression> MaskPatterns(const QString& Masks)
{
    QList<QRegularExpression> out;
    for (const QString& m : Masks.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString re;
        for (QChar c : m.trimmed()) {
            if (c == QLatin1Char('*'))
                re += QStringLiteral(".*");
            else if (c == QLatin1Char('?'))
                re += QLatin1Char('.');
            else
                re += QRegularExpression::escape(QString(c));
        }
        out.append(
            QRegularExpression(QRegularExpression::anchoredPattern(re),
                               QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption));
    }
    return out;
}

bool Matches(const QString& Name, const QList<QRegularExpression>& Patterns)
{
    if (Patterns.isEmpty()) return true;
    return std::any_of(Patterns.begin(), Patterns.end(),
                       [&](const QRegularExpression& p) { return p.match(Name).hasMatch(); });
}

// Name as readable as it can be: its valid UTF-8 characters as they are, every other byte as \xNN.
QString ShowBytes(const QByteArray& Name)
{
    QString shown;
    for (qsizetype i = 0; i < Name.size();) {
        const auto lead = static_cast<unsigned char>(Name[i]);
        const qsizetype length = lead < 0x80           ? 1
                                 : (lead >> 5) == 0x6  ? 2
                                 : (lead >> 4) == 0xE  ? 3
                                 : (lead >> 3) == 0x1E ? 4
                                                       : 0;
        const QByteArray piece = length > 0 ? Name.mid(i, length) : QByteArray();
        const QString decoded = piece.size() == length ? QString::fromUtf8(piece) : QString();
        if (length > 0 && !decoded.isEmpty() && decoded.toUtf8() == piece &&
            !decoded.contains(QChar::ReplacementCharacter)) {
            shown += decoded;
            i += length;
        } else {
            shown += QStringLiteral("\\x%1").arg(lead, 2, 16, QLatin1Char('0'));
            ++i;
        }
    }
    return shown;
}

}  // namespace

void SortNames(QStringList& Names)
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(Names.begin(), Names.end(), [&](const QString& a, const QString& b) {
        int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;  // a total order, so a listing is the same every time
    });
}

QStringList ListFiles(const QString& Folder, const QString& Masks)
{
    QDir dir(Folder);
    // QDir::Files without QDir::Hidden and QDir::System leaves out hidden files, sockets and devices.
    const QStringList all = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    const auto patterns = MaskPatterns(Masks);
    QStringList out;
    for (const QString& name : all)
        if (Matches(name, patterns)) out.append(name);
    SortNames(out);
    return out;
}

QStringList ListUndecodableNames(const QString& Folder, const QString& Masks)
{
    const auto patterns = MaskPatterns(Masks);
    QStringList out;
    DIR* dir = ::opendir(QFile::encodeName(Folder).constData());
    if (!dir) return out;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.startsWith('.')) continue;  // hidden, as in every listing
        if (QFile::encodeName(QFile::decodeName(raw)) == raw) continue;
        const QString shown = ShowBytes(raw);
        if (Matches(shown, patterns)) out.append(shown);
    }
    ::closedir(dir);
    SortNames(out);
    return out;
}

QStringList ListSubFolders(const QString& Folder)
{
    QStringList out = QDir(Folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    SortNames(out);
    return out;
}

std::optional<QByteArrayView> ResourceInPlace(const QString& Path)
{
    const QResource stored(Path);
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression) return std::nullopt;
    return QByteArrayView(reinterpret_cast<const char*>(stored.data()), stored.size());
}

}  // namespace fs
