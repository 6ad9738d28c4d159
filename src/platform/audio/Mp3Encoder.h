#pragma once
// Encoding mono sound to MP3 with LAME, as the installed clips are made: 64 kbit/s, mono, 44.1 kHz.
#include <QByteArray>

#include <cstdint>
#include <span>

// The MP3 file's bytes for mono samples at SampleRate (LAME resamples to 44.1 kHz); empty when the
// encoder fails. The file carries LAME's header, so decoding drops its delay and padding again.
QByteArray Mp3EncodeMono(std::span<const int16_t> Samples, int SampleRate);
