#pragma once
// Reads a content tree the way the program will and lists, one line each, everything the program
// would stumble on: missing voice folders or files, sounds, pictures or colouring pages that do not
// decode, word pictures no game can ask for, and empty praise or try-again folders.
#include <QString>
#include <QStringList>

namespace content {

class TContentChecker {
public:
    // Root: the program's folder (the one holding "Sound" and "Pic").
    explicit TContentChecker(QString Root);

    // Every problem as "<path relative to Root>: <what is wrong>"; empty for a sound tree.
    QStringList Problems() const;

private:
    QString Root;
    void CheckVoice(const QString& Voice, QStringList& Out) const;
    void CheckPhraseFolder(const QString& Folder, QStringList& Out) const;
    void CheckMp3(const QString& RelPath, QStringList& Out) const;
    void CheckLetterPictures(QStringList& Out) const;
    void CheckWordPictures(QStringList& Out) const;
    void CheckColouringPages(QStringList& Out) const;
};

// Whether a picture's name (cp1251 bytes) is made of the 33 small letters only, and not empty.
bool IsAnswerablePictureName(const std::string& Name);

}  // namespace content
