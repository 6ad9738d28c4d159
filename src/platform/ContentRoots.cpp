#include "platform/ContentRoots.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <functional>

namespace {

const QString kContentFolderName = QStringLiteral("kvarnel");

QString WithSlash(QString Folder)
{
    Folder = QDir::cleanPath(Folder);
    if (!Folder.endsWith(QLatin1Char('/'))) Folder += QLatin1Char('/');
    return Folder;
}

// One name per listed name, in the listing order, over the copies of a folder.
QStringList Union(const QStringList& Copies, const std::function<QStringList(const QString&)>& List)
{
    if (Copies.size() == 1) return List(Copies.first());
    QStringList names;
    QSet<QString> seen;
    for (const QString& copy : Copies)
        for (const QString& name : List(copy))
            if (!seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
    fs::SortNames(names);
    return names;
}

}  // namespace

TContentRoots::TContentRoots(const QStringList& Folders)
{
    for (const QString& f : Folders) FFolders.append(WithSlash(f));
}

QString TContentRoots::UserFolder()
{
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return WithSlash(user + QLatin1Char('/') + kContentFolderName);
}

QStringList TContentRoots::Candidates(const QString& ProgramFolder, const QString& InstalledFromProgram)
{
    QStringList candidates;
    // The first generic data location is the user's own ($XDG_DATA_HOME), the rest $XDG_DATA_DIRS.
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    candidates.append(UserFolder());
    candidates.append(WithSlash(ProgramFolder));
    for (const QString& dir : data)
        if (dir != user) candidates.append(WithSlash(dir + QLatin1Char('/') + kContentFolderName));
    candidates.append(WithSlash(ProgramFolder + QLatin1Char('/') + InstalledFromProgram));

    // Each folder once, also when it is reached by two names (a link, a relocated prefix).
    QStringList unique;
    QSet<QString> seen;
    for (const QString& c : candidates) {
        const QString canonical = QFileInfo(c).canonicalFilePath();
        const QString key = canonical.isEmpty() ? c : canonical;
        if (seen.contains(key)) continue;
        seen.insert(key);
        unique.append(c);
    }
    return unique;
}

bool TContentRoots::HoldsContent(const QString& Folder)
{
    const QString root = WithSlash(Folder);
    return fs::DirectoryExists(root + QStringLiteral("Sound")) || fs::DirectoryExists(root + QStringLiteral("Pic"));
}

TContentRoots TContentRoots::Discover(const QString& ProgramFolder, const QString& InstalledFromProgram)
{
    TContentRoots roots;
    roots.FSearched = Candidates(ProgramFolder, InstalledFromProgram);
    for (const QString& c : roots.FSearched)
        if (HoldsContent(c)) roots.FFolders.append(c);
    // The family's own folder is a root whenever there is content at all, also while it is empty
    // or missing: what the grown-ups' corner adds there is found at once, without a new start.
    const QString user = UserFolder();
    if (!roots.FFolders.isEmpty() && !roots.FFolders.contains(user)) roots.FFolders.prepend(user);
    return roots;
}

QString TContentRoots::Base() const
{
    return FFolders.isEmpty() ? QString() : FFolders.last();
}

std::optional<QString> TContentRoots::Relative(const QString& Path) const
{
    const QString base = Base();
    if (base.isEmpty() || !Path.startsWith(base)) return std::nullopt;
    return Path.mid(base.size());
}

QStringList TContentRoots::Copies(const QString& Path) const
{
    const std::optional<QString> relative = Relative(Path);
    if (!relative || FFolders.size() == 1) return {Path};
    QStringList copies;
    for (const QString& root : FFolders) copies.append(root + *relative);
    return copies;
}

QString TContentRoots::Locate(const QString& Path) const
{
    const QStringList copies = Copies(Path);
    if (copies.size() == 1) return Path;
    // A file wins over a folder of the same name: the program opens files by name.
    for (const QString& copy : copies)
        if (fs::FileExists(copy)) return copy;
    for (const QString& copy : copies)
        if (QFileInfo::exists(copy)) return copy;
    return Path;
}

bool TContentRoots::FileExists(const QString& Path) const
{
    const QStringList copies = Copies(Path);
    return std::any_of(copies.begin(), copies.end(), [](const QString& c) { return fs::FileExists(c); });
}

bool TContentRoots::DirectoryExists(const QString& Path) const
{
    const QStringList copies = Copies(Path);
    return std::any_of(copies.begin(), copies.end(), [](const QString& c) { return fs::DirectoryExists(c); });
}

QStringList TContentRoots::ListFiles(const QString& Folder, const QString& Masks) const
{
    return Union(Copies(Folder), [&](const QString& copy) { return fs::ListFiles(copy, Masks); });
}

QStringList TContentRoots::ListSubFolders(const QString& Folder) const
{
    return Union(Copies(Folder), [](const QString& copy) { return fs::ListSubFolders(copy); });
}

QStringList TContentRoots::ListUndecodablePaths(const QString& Folder, const QString& Masks) const
{
    QStringList paths;
    for (const QString& copy : Copies(Folder))
        for (const QString& name : fs::ListUndecodableNames(copy, Masks))
            paths.append(copy + (copy.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + name);
    return paths;
}
