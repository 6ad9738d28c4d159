#pragma once
// Whether a decoded picture holds together well enough to be drawn, scaled, converted or printed.
// Image readers may hand back a picture that does not: a damaged bitmap can decode to an indexed
// picture whose pixels name colours its colour table does not have, and drawing it then reads past
// the end of the table. Such a picture is as unreadable as a file that does not decode at all.
#include <QByteArray>
#include <QImage>

// False for a null picture; for an indexed picture (Indexed8, Mono, MonoLSB) whose colour table is
// empty or too short for one of its pixels; and for a picture whose pixel data is smaller than its
// size and format need.
bool IsUsablePicture(const QImage& Image);

// Whether a bitmap file's pixel data starts within the file. Qt's reader does not check: when the
// start lies past the end it reads no pixels at all and hands out the picture anyway, its pixels
// whatever the memory held. A file too short to say is left to the reader.
bool BitmapPixelsStartInside(const QByteArray& Bitmap);

// The largest picture file read: a photo is a few megabytes, and a file of gigabytes named .jpg
// must not be read into memory only to be refused.
inline constexpr qint64 kLargestPictureFile = qint64(256) * 1024 * 1024;

// Whether a picture of Size can be held whole within Qt's image allocation limit.
bool FitsInMemory(QSize Size);

// Whether a JPEG file's last scan is followed by the end-of-picture marker. libjpeg fills what a
// cut-off file lacks with grey and calls it a success; a photo half copied is damaged all the same.
// Data after the end (some cameras append their own) does not matter.
bool JpegIsComplete(const QByteArray& Jpeg);
