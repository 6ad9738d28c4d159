#pragma once
// Whether a decoded picture holds together well enough to be drawn, scaled, converted or printed.
// Image readers may hand back a picture that does not: a damaged bitmap can decode to an indexed
// picture whose pixels name colours its colour table does not have, and drawing it then reads past
// the end of the table. Such a picture is as unreadable as a file that does not decode at all.
#include <QByteArray>
#include <QByteArrayView>
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

// Where a JPEG file's picture ends: the offset just past the end-of-picture marker (FF D9) that
// closes it, found by walking its segments from the start marker (FF D8) by their lengths and each
// scan's entropy-coded data (where FF is followed by the stuffed 00 or a restart marker) to the
// next marker. Stray bytes between segments are skipped as libjpeg skips them. -1 when the file
// does not start as a JPEG, has no scan, or ends before its end marker.
qsizetype JpegEnd(QByteArrayView Jpeg);

// Whether a JPEG file reaches its end-of-picture marker (JpegEnd). libjpeg fills what a cut-off
// file lacks with grey and calls it a success; a photo half copied is damaged all the same. Bytes
// after the end do not matter: phones append a short video to a "motion photo", whose bytes hold
// markers at random.
bool JpegIsComplete(QByteArrayView Jpeg);
