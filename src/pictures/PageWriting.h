#pragma once
// Writing a colouring page in the form the program reads (ScrambledBitmap.h): a 1-bit Windows
// bitmap, black on white, its first five bytes shifted.
#include <QByteArray>
#include <QImage>

// The stored bytes of Page: every pixel darker than middle grey black, the rest white.
QByteArray ColouringPageFileBytes(const QImage& Page);
