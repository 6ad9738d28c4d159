#pragma once
// One PNG of a voice's clips: for every MP3 under a folder, decoded as the program decodes it, its
// waveform (with the sounding part and the −1 dBFS line marked) above its spectrogram, and a
// caption with its length, loudness and peak, so trims, lengths and levels can be seen at a glance.
#include <QImage>
#include <QString>

namespace content {

QImage SpeechSheet(const QString& VoiceFolder);

}  // namespace content
