#pragma once
// The main window's settings that the rest of the program reads: where the content lies, the
// voice and the letter set. The letter set is the 33 letter names at every start.
#include "platform/ContentRoots.h"

#include <QString>

enum TLetterSetMode : int {
    lsNames = 1,   // 33 letters, their names are spoken
    lsSounds = 2,  // 31 letters (no Ъ, Ь), their sounds are spoken
};

struct TSettings {
    // The content roots; every content path below is built against their base root and looked up
    // through them.
    TContentRoots Content;
    QString ContentFolder;  // the base root, with a trailing separator: the program's folder in a build tree
    QString SoundRoot;      // ContentFolder + "Sound/"
    QString ColouringRoot;  // ContentFolder + "Pic/Raskraska", no trailing separator
    QString VoiceFolder;    // "Женский голос/" or "Мужской голос/"
    int LetterSetMode = lsNames;

    // The settings of a new window reading its content from Roots. With no roots at all, paths
    // are built against Fallback (the program's folder), where nothing will be found.
    static TSettings ForContent(const TContentRoots& Roots, const QString& Fallback = QString());
    // The settings of a new window whose content lies in Folder alone (with a trailing separator).
    static TSettings ForProgramFolder(const QString& Folder) { return ForContent(TContentRoots({Folder})); }
};

inline const QString kFemaleVoice = QStringLiteral("Женский голос/");
inline const QString kMaleVoice = QStringLiteral("Мужской голос/");

inline TSettings TSettings::ForContent(const TContentRoots& Roots, const QString& Fallback)
{
    TSettings s;
    s.Content = Roots;
    s.ContentFolder = Roots.IsEmpty() ? Fallback : Roots.Base();
    s.VoiceFolder = kFemaleVoice;
    s.ColouringRoot = s.ContentFolder + QStringLiteral("Pic/Raskraska");
    s.SoundRoot = s.ContentFolder + QStringLiteral("Sound/");
    s.LetterSetMode = lsNames;
    return s;
}
