#pragma once
// How loud the installed clips of a voice are: the median of their loudness (core/Loudness.h),
// measured once per set of folders in a run and remembered, so a grown-up's recording is levelled
// to sit among them. Only the letters' clips count: they are what every game says, and the
// syllables and words, as many again and maybe made elsewhere, would pull the level their way.
#include <QString>
#include <QStringList>

namespace clip {

// The loudness to level to when there are no installed clips to measure (about where the demo speech lies).
inline constexpr double kDefaultLoudnessDb = -18.0;

// The median loudness of every MP3 file in Folders (not their sub-folders) that decodes and is not
// silent; kDefaultLoudnessDb when there is none. The answer for the same Folders is remembered.
double MedianLoudnessDb(const QStringList& Folders);

// The folders of Voice's ("Женский голос") letter names and letter sounds in each of Roots.
QStringList LetterClipFolders(const QStringList& Roots, const QString& Voice);

}  // namespace clip
