#pragma once
// Reads the content the program would use, with the program's own readers, and lists, one line
// each, everything the program would stumble on: missing voice folders or files, sounds, pictures
// or colouring pages that do not decode, word pictures no game can ask for, and empty praise or
// try-again folders. The clips of "Слоги" are optional (without them its menu entry stays off): a
// voice's syllables, drawn-out syllables and words are checked where they are, and its questions
// once it has syllables.
#include "platform/ContentRoots.h"

#include <QString>
#include <QStringList>

#include <string>

namespace content {

class TContentChecker {
public:
    explicit TContentChecker(TContentRoots Roots);
    // The content of one folder.
    explicit TContentChecker(const QString& Root) : TContentChecker(TContentRoots({Root})) {}

    // Every problem as "<path>: <what is wrong>", in Russian; empty for a sound tree. A path is
    // given relative to the content roots, or in full where the file comes from a root other than
    // the last (a parent's own file).
    QStringList Problems() const;

private:
    void CheckVoice(const QString& Voice, QStringList& Out) const;
    void CheckPhraseFolder(const QString& Folder, QStringList& Out) const;
    // The clips of "Слоги" under VoiceRoot ("Sound/Женский голос/").
    void CheckSyllables(const QString& VoiceRoot, QStringList& Out) const;
    // Files of Folder, in any root, whose names the program cannot open (not UTF-8).
    void CheckNames(const QString& Folder, QStringList& Out) const;
    void CheckMp3(const QString& RelPath, QStringList& Out) const;
    void CheckLetterPictures(QStringList& Out) const;
    void CheckWordPictures(QStringList& Out) const;
    void CheckColouringPages(QStringList& Out) const;

    // The path of RelPath as the program reads it, and as a problem line names it.
    QString Path(const QString& RelPath) const;
    QString Shown(const QString& RelPath) const;

    TContentRoots Roots;
    QString Base;
};

// Whether a picture's name (cp1251 bytes) is made of the 33 small letters only, and not empty.
bool IsAnswerablePictureName(const std::string& Name);

}  // namespace content
