#pragma once
// Colouring pages are Windows bitmap files stored with each of their first five bytes increased
// by 10 (modulo 256); every later byte is stored unchanged. Extension "flim".
#include <QByteArray>

inline constexpr int kScrambledHeaderBytes = 5;
inline constexpr unsigned char kScrambleShift = 10;

// The stored form of a bitmap file's bytes.
QByteArray ScrambleBitmapBytes(const QByteArray& Bitmap);
// The bitmap file's bytes from their stored form (a file shorter than 5 bytes is unscrambled as far as it goes).
QByteArray UnscrambleBitmapBytes(const QByteArray& Stored);
