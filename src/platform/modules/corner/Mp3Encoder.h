#pragma once
// The corner module's MP3 encoding with LAME (ICornerModule::Mp3EncodeMono says what it gives).
#include <QByteArray>

#include <cstdint>
#include <span>

namespace modules::corner {

QByteArray Mp3EncodeMono(std::span<const int16_t> Samples, int SampleRate);

}  // namespace modules::corner
