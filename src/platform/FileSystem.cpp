#include "platform/FileSystem.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

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

QStringList ListSubFolders(const QString& Folder)
{
    QStringList out = QDir(Folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    SortNames(out);
    return out;
}

}  // namespace fs
