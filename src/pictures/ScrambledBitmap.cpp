#include "pictures/ScrambledBitmap.h"

namespace {
QByteArray ShiftHeader(QByteArray Bytes, int Delta)
{
    const qsizetype n = std::min<qsizetype>(kScrambledHeaderBytes, Bytes.size());
    for (qsizetype i = 0; i < n; ++i)
        Bytes[i] = static_cast<char>(static_cast<unsigned char>(Bytes[i]) + Delta);  // wraps modulo 256
    return Bytes;
}
}  // namespace

QByteArray ScrambleBitmapBytes(const QByteArray& Bitmap)
{
    return ShiftHeader(Bitmap, kScrambleShift);
}

QByteArray UnscrambleBitmapBytes(const QByteArray& Stored)
{
    return ShiftHeader(Stored, -int(kScrambleShift));
}
