#pragma once
// The start screen's picture as it was drawn when the program was built (tools/startpicture,
// the same drawing with the same bundled fonts), stored uncompressed among the program's resources:
// the first frame shows it without drawing it, which was a good part of that frame's cost.
#include <QImage>

#include <optional>

namespace start_picture {

// The stored picture, read in place where its pixels lie aligned; nothing when the resource is
// missing or does not hold a whole picture.
std::optional<QImage> BuiltIn();

// The stored form: width and height (32 bits each, little-endian), then the rows of a
// Format_RGB32 picture, each width × 4 bytes.
QByteArray Stored(const QImage& Picture);
// Stored's inverse over Bytes that outlive the picture (a resource's); nothing when they are not
// a whole picture.
std::optional<QImage> FromStored(QByteArrayView Bytes);

}  // namespace start_picture
