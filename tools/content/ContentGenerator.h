#pragma once
// Writes the demo content tree (speech of both voices, letter cards, word pictures, colouring pages,
// credits) under a program folder, redoing only what is missing or made from another recipe. The
// speech is the committed natural-voice clips; eSpeak NG says only a clip the repository lacks.
#include "content/ContentData.h"

#include <QString>
#include <QStringList>

namespace content {

struct TGeneratorOptions {
    QString OutputRoot;    // the program's folder
    QString CacheFolder;   // where the fetched picture package is kept
    bool Offline = false;  // do not fetch the picture package; use it only if already cached
    QString SpeechFolder;  // the committed clips (tools/data/speech); empty: every clip from eSpeak NG
};

struct TGeneratorReport {
    int Planned = 0;
    int Made = 0;
    int Removed = 0;        // files of an earlier run that are no longer part of the content
    QString PictureSource;  // the picture source used this run, empty when no picture was drawn
    QStringList Notes;      // things worth knowing that are not errors (e.g. the font fallback)
    QStringList Errors;
    bool Ok() const { return Errors.isEmpty(); }
};

class TContentGenerator {
public:
    TContentGenerator(TContentData Data, TGeneratorOptions Options);
    TGeneratorReport Run();

    // The relative paths of every file the content consists of (without the credits).
    QStringList PlannedFiles() const;

    static QString ManifestName() { return QStringLiteral(".content-manifest"); }
    static QString CreditsName() { return QStringLiteral("CONTENT-CREDITS.txt"); }
    // The content's paragraphs of the package's DEP-5 copyright file (not part of the tree).
    static QString CopyrightName() { return QStringLiteral(".content-copyright"); }

private:
    TContentData Data;
    TGeneratorOptions Options;
};

}  // namespace content
