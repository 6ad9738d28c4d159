#pragma once
// One PNG of a voice's clips: for every MP3 under a folder, decoded as the program decodes it, its
// waveform (with the sounding part and the −1 dBFS line marked) above its spectrogram, and a
// caption with its length, loudness and peak, so trims, lengths and levels can be seen at a glance.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace content {

// A voice's clips come on several sheets, so that each stays a size an image viewer shows whole.
struct TSpeechSheetPart {
    QString Suffix;       // of the file name: "" for the letters and phrases, "-Слоги"…
    QStringList Folders;  // the folders under the voice's folder whose clips it shows
};
const QList<TSpeechSheetPart>& SpeechSheetParts();

// The sheet of the clips in the given folders under VoiceFolder (every clip when Folders is empty).
QImage SpeechSheet(const QString& VoiceFolder, const QStringList& Folders = {});

}  // namespace content
