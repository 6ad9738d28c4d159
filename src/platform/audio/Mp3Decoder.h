#pragma once
// Decoding a whole MP3 file into memory, with a clear reason when it cannot be done.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

// Decoded sound: 16-bit signed samples, channels interleaved, at the file's own rate.
struct TPcmSound {
    int SampleRate = 0;
    int Channels = 0;
    std::vector<int16_t> Samples;

    std::size_t Frames() const { return Channels > 0 ? Samples.size() / Channels : 0; }
    double Seconds() const { return SampleRate > 0 ? double(Frames()) / SampleRate : 0.0; }
};

enum class TMp3Failure {
    None,
    Missing,    // no ordinary file at the path
    NotMp3,     // readable, but no MPEG audio frame could be found in it
    Corrupt,    // began as MPEG audio but broke off in an unreadable stretch
    Empty,      // a file of no bytes at all
    NoAccess,   // a file the program may not read
    Truncated,  // whole frames, but fewer than the file's own header announces: cut short (its
                // result keeps the sound of the frames there are)
};

// "missing file", "not an MP3 file", "damaged MP3 file", "empty file", "no permission to read",
// "cut short" (empty for None).
const char* Mp3FailureName(TMp3Failure Failure);

struct TMp3Result {
    TPcmSound Sound;
    TMp3Failure Failure = TMp3Failure::None;
    QString Message;  // empty on success; the decoder's own words otherwise

    bool Ok() const { return Failure == TMp3Failure::None; }
    // Whether there is sound to play: a whole file, or one cut short that keeps its beginning.
    bool Playable() const { return Ok() || (Failure == TMp3Failure::Truncated && !Sound.Samples.empty()); }
    // The failure's name followed by the decoder's words, e.g. "not an MP3 file: no MPEG audio frame found".
    QString Describe() const;
};

// Decodes the whole file at Path (a Unicode path, UTF-8 on disk). The encoder's delay and padding
// are dropped (gapless decoding), so the samples are exactly the sound that was encoded.
TMp3Result Mp3DecodeFile(const QString& Path);
// The same for an MP3 file's bytes already in memory; the decoder reads them as it would read the file.
TMp3Result Mp3DecodeBytes(const QByteArray& Bytes);
