#pragma once
// The main window's settings that the rest of the program reads: where the content lies, the
// voice and the letter set. The letter set is the 33 letter names at every start.
#include "core/ContentLayout.h"
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

inline const QString kFemaleVoice = content::layout::kFemaleVoice + u'/';
inline const QString kMaleVoice = content::layout::kMaleVoice + u'/';

inline TSettings TSettings::ForContent(const TContentRoots& Roots, const QString& Fallback)
{
    TSettings s;
    s.Content = Roots;
    s.ContentFolder = Roots.IsEmpty() ? Fallback : Roots.Base();
    s.VoiceFolder = kFemaleVoice;
    // The colouring root is listed for its themes and joined to them with a separator of its own.
    s.ColouringRoot = s.ContentFolder + content::layout::kColouringRoot.chopped(1);
    s.SoundRoot = s.ContentFolder + content::layout::kSoundRoot;
    s.LetterSetMode = lsNames;
    return s;
}
