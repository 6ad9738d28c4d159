#pragma once
// Where the program's content lies: one or more folders ("roots"), each laid out like the content
// tree (Sound/…, Pic/…), searched in order. A parent's own folder comes first, so a file there
// hides the installed file of the same name, and a folder the program lists is the union of that
// folder over all roots.
//
// The program builds every content path against the base root, the last one (where the
// installed content is expected, and which messages name). Looking such a path up goes through
// the roots; a path outside the base root is taken as it stands.
#include <QString>
#include <QStringList>

#include <optional>

class TContentRoots {
public:
    TContentRoots() = default;
    // Roots in search order; each is made to end with '/'.
    explicit TContentRoots(const QStringList& Folders);

    // The folders looked at, in order, for a program whose file lies in ProgramFolder:
    // $XDG_DATA_HOME/kvarnel, ProgramFolder, each $XDG_DATA_DIRS/kvarnel, then
    // ProgramFolder/InstalledFromProgram; each once.
    static QStringList Candidates(const QString& ProgramFolder, const QString& InstalledFromProgram);
    // The family's own folder, $XDG_DATA_HOME/kvarnel/: the first root, the only one the program
    // writes content into, and where the progress file lives. The one place that names it.
    static QString UserFolder();
    // The candidates that hold Sound or Pic, as roots, and the family's own folder first when
    // any does (also while it is empty); Searched() keeps every candidate.
    static TContentRoots Discover(const QString& ProgramFolder, const QString& InstalledFromProgram);
    // Whether Folder holds content at all (a Sound or a Pic folder).
    static bool HoldsContent(const QString& Folder);

    const QStringList& Folders() const { return FFolders; }
    bool IsEmpty() const { return FFolders.isEmpty(); }
    // The folders Discover looked at (empty for roots given directly).
    const QStringList& Searched() const { return FSearched; }
    // The root content paths are built against: the last one. Empty when there is none.
    QString Base() const;

    // Path (built against the base root) as found in the first root that holds a file there (or,
    // when none does, a folder); Path itself when no root holds either, or when it lies outside
    // the base root.
    QString Locate(const QString& Path) const;
    bool FileExists(const QString& Path) const;
    bool DirectoryExists(const QString& Path) const;
    // The union of fs::ListFiles (fs::ListSubFolders) of Folder over all roots, each name once, in
    // the same listing order; Locate(Folder + name) gives the file that wins.
    QStringList ListFiles(const QString& Folder, const QString& Masks = QString()) const;
    QStringList ListSubFolders(const QString& Folder) const;
    // Every file of Folder in any root whose name the program cannot open by name (not valid
    // UTF-8; fs::ListUndecodableNames), as a path to show, matching Masks.
    QStringList ListUndecodablePaths(const QString& Folder, const QString& Masks = QString()) const;

private:
    // Path's part below the base root, or nothing when it does not lie there.
    std::optional<QString> Relative(const QString& Path) const;
    // Path in every root (just Path when it lies outside the base root).
    QStringList Copies(const QString& Path) const;

    QStringList FFolders;
    QStringList FSearched;
};
