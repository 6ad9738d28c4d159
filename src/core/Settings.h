#pragma once
// The main window's settings that the rest of the program reads. Nothing here survives the run:
// the voice is female and the letter set is the 33 letter names at every start.
#include <QString>

enum TLetterSetMode : int {
    lsNames = 1,   // 33 letters, their names are spoken
    lsSounds = 2,  // 31 letters (no Ъ, Ь), their sounds are spoken
};

struct TSettings {
    QString ExeFolder;      // the program's folder, with a trailing separator
    QString SoundRoot;      // ExeFolder + "Sound/"
    QString ColouringRoot;  // ExeFolder + "Pic/Raskraska", no trailing separator
    QString VoiceFolder;    // "Женский голос/" or "Мужской голос/"
    int LetterSetMode = lsNames;

    // The settings of a new window whose program lies in ExeFolder (with a trailing separator).
    static TSettings ForProgramFolder(const QString& ExeFolder);
};

inline const QString kFemaleVoice = QStringLiteral("Женский голос/");
inline const QString kMaleVoice = QStringLiteral("Мужской голос/");

inline TSettings TSettings::ForProgramFolder(const QString& ExeFolder)
{
    TSettings s;
    s.ExeFolder = ExeFolder;
    s.VoiceFolder = kFemaleVoice;
    s.ColouringRoot = ExeFolder + QStringLiteral("Pic/Raskraska");
    s.SoundRoot = ExeFolder + QStringLiteral("Sound/");
    s.LetterSetMode = lsNames;
    return s;
}
