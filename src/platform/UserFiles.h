#pragma once
// Writing into the user's own content layer (TContentRoots::UserFolder, $XDG_DATA_HOME/kvarnel/),
// the only place the program writes content: each file whole or not at all (a temporary file beside it, then renamed over it),
// and a failure told in one sentence.
#include <QByteArray>
#include <QString>

#include <optional>

namespace userfiles {

// Writes Bytes to Path, making its folders first. Nothing on success; otherwise the sentence to
// show ("Не удаётся записать в папку «…»: нет прав на запись."), and Path is as it was.
std::optional<QString> WriteFileAtomically(const QString& Path, const QByteArray& Bytes);
// Removes the file at Path; nothing on success (or when it is not there), the sentence otherwise.
std::optional<QString> RemoveFile(const QString& Path);
// Renames a file within its folder; the sentence on failure (also when To exists).
std::optional<QString> RenameFile(const QString& From, const QString& To);
// Removes Folder and everything in it; the sentence on failure.
std::optional<QString> RemoveFolder(const QString& Folder);

// "Не удаётся записать в папку «Folder»: нет прав на запись."
QString UnwritableFolderSentence(const QString& Folder);

}  // namespace userfiles
