#pragma once
// Scaled pictures kept between runs in the user's cache folder (by default
// ~/.cache/kvarnel/thumbnails/), one small file per picture file and size, so that a folder read
// once is read from the small files the next time. An entry belongs to the picture file's absolute
// path, size and modification time and to the size asked for; an entry that does not match them,
// or does not read back whole, counts as missing and is written anew. Entries are written to a
// temporary file and renamed into place, so a reader never sees half an entry. Nothing is ever
// written beside the pictures; a cache folder that cannot be made or written only means no cache.
//
// Every operation may run on any thread at the same time as the others.
#include "pictures/PictureDecoding.h"

#include <QSize>
#include <QString>

class TThumbnailCache {
public:
    // Folder: where the entries go; empty: no cache at all.
    explicit TThumbnailCache(QString Folder);

    // The user's cache folder for thumbnails; empty when the system has none.
    static QString DefaultFolder();

    const QString& Folder() const { return FFolder; }

    // What an entry belongs to: a picture file as it is at one moment, and the size asked for.
    struct TKey {
        QString Path;  // absolute
        qint64 Size = -1;
        qint64 ModifiedMs = 0;
        QSize Bounds;
    };
    // The key of the file at Path now; nothing when there is no such file.
    static std::optional<TKey> KeyOf(const QString& Path, QSize Bounds);

    // The picture at Path fitted to Bounds: shared with a copy still held in this run, or from its
    // entry when there is a good one, otherwise decoded with Decode and kept for later runs. Empty
    // Bounds (the whole picture) are never cached. With no folder only the sharing is left.
    TFittedDecode Read(const QString& Path, QSize Bounds, TFittedDecoder Decode) const;

    // The entry for Key, when there is a good one.
    TFittedDecode Find(const TKey& Key) const;
    // Keeps Picture as the entry for Key; failures are silent.
    void Store(const TKey& Key, const TFittedPicture& Picture) const;
    // Where the entry for Path at Bounds lies (whether or not it exists).
    QString EntryPath(const QString& Path, QSize Bounds) const;

private:
    QString FFolder;
};
