#pragma once
// Pictures read from files, handed out as copies that share one set of pixels for as long as
// anyone holds one: reading the same unchanged file again (a second board's letters, the second
// picture game's strip) costs neither decoding nor memory. An entry is known by its file's path,
// size and modification time and by a tag for how it was read (the size asked for); once no one
// but this registry holds its picture, it is forgotten at the next insertion.
//
// Safe to use from several threads at once.
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace shared_pictures {

struct TShared {
    QImage Picture;
    QSize FullSize;  // the picture's own size in its file, for a picture kept smaller
};

// The picture of the file at Path read as Tag says: the one still held somewhere when the file is
// unchanged, otherwise Read's result (remembered unless it is null).
QImage Get(const QString& Path, const QString& Tag, const std::function<QImage()>& Read);
// Only the held one, if any.
std::optional<TShared> Find(const QString& Path, const QString& Tag);
// Remembers Shared for Path and Tag.
void Put(const QString& Path, const QString& Tag, const TShared& Shared);
// Forgets every picture of Path, however it was read: the file changed while it was being read,
// so what was remembered may be of the file before.
void Forget(const QString& Path);

}  // namespace shared_pictures
