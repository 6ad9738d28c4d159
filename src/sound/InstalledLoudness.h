#pragma once
// How loud the installed clips of a voice are: the median of their loudness (core/Loudness.h),
// measured once per set of folders in a run and remembered, so a grown-up's recording is levelled
// to sit among them.
#include <QStringList>

namespace clip {

// The loudness to level to when there are no installed clips to measure (about where the demo speech lies).
inline constexpr double kDefaultLoudnessDb = -18.0;

// The median loudness of every MP3 file in Folders and their sub-folders that decodes and is not
// silent; kDefaultLoudnessDb when there is none. The answer for the same Folders is remembered.
double MedianLoudnessDb(const QStringList& Folders);

}  // namespace clip
