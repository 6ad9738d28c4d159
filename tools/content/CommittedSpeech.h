#pragma once
// The natural-voice clips made once by scripts/make-speech.sh and kept in the repository
// (tools/data/speech), so that building the content needs no speech engine outside Debian's main
// section. clips.txt records how each clip was made; voices.txt names each voice's licence.
#include <QMap>
#include <QString>

namespace content {

// One line of clips.txt: the clip's path under Sound/, and exactly what the engine was given.
struct TSpeechRecord {
    QString RelPath;  // "Женский голос/Буквы/а.mp3"
    QString Engine;   // "RHVoice"
    QString Voice;    // "anna"
    QString Version;  // the engine's and voices' package version
    int Rate = 0;     // the engine's speech rate, in per cent
    QString Text;     // the exact text fed to the engine
    QString Making;   // what was done to the engine's sound besides level and trim ("whole" when nothing)
};

// One line of voices.txt.
struct TSpeechVoice {
    QString Voice;      // "anna"
    QString Licence;    // SPDX name, "LGPL-2.1-or-later"
    QString Copyright;  // its holders, as the engine's package names them
};

struct TCommittedSpeech {
    QString Folder;                        // with a trailing '/'; empty when there are no clips
    QMap<QString, TSpeechRecord> Records;  // by RelPath
    QMap<QString, TSpeechVoice> Voices;    // by Voice

    // Reads clips.txt and voices.txt of Folder. A folder without them holds no clips (no error); a
    // malformed line is named in Error.
    static TCommittedSpeech Load(const QString& Folder, QString& Error);
    // The record of a clip whose file is present, or null.
    const TSpeechRecord* Find(const QString& RelPath) const;

    static QString RecordName() { return QStringLiteral("clips.txt"); }
    static QString VoicesName() { return QStringLiteral("voices.txt"); }
};

}  // namespace content
