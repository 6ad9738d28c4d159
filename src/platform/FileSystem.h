#pragma once
// Files and folders as the program sees them. Paths are Unicode strings with the platform's
// separator ('/'); names on disk are UTF-8.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace fs {

// The folder of the running program's file, with a trailing separator.
QString ExeFolder();
// The platform's path separator, which stands where Windows paths end in a backslash.
QChar Separator();

bool FileExists(const QString& Path);       // an existing file (not a folder)
bool DirectoryExists(const QString& Path);  // an existing folder; a trailing separator is allowed

// The ordinary files of Folder (no folders, no hidden or system files) whose names match one of
// the ';'-separated, case-insensitive wildcard patterns of Masks ('*' any run, '?' one character),
// as bare names in ascending case-insensitive Russian order (ё sorts with е). An empty mask lists all.
QStringList ListFiles(const QString& Folder, const QString& Masks = QString());
// The sub-folders of Folder (no "." and "..", no hidden folders), bare names, in the same order.
QStringList ListSubFolders(const QString& Folder);

// The names in Folder that are not valid UTF-8 and so cannot be opened by name (ListFiles leaves
// them out), shown with each byte that is not part of a valid character as \xNN, sorted; only those
// whose shown name matches Masks (as in ListFiles) when Masks are given.
QStringList ListUndecodableNames(const QString& Folder, const QString& Masks = QString());

// Sorts names ascending in the listing order above.
void SortNames(QStringList& Names);

// The bytes of one of the program's own resources (":/…") where they lie, read in place for the
// program's whole run; nothing when it is missing or stored compressed.
std::optional<QByteArrayView> ResourceInPlace(const QString& Path);

}  // namespace fs
