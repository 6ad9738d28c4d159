#pragma once
// Picture catalogues: named pictures read from one folder, decoded when the folder is read at the
// size their tiles show them (or whole) and only copied afterwards. TImageCollection reads the
// JPEG word pictures, TRaskrasImageCollection the scrambled colouring pages of one theme. A folder
// is decoded on the thread pool, through the thumbnail cache; the catalogue can wait for it or go
// on and be told when the pictures are in. Catalogues reading the same folder at the same time
// (the two picture games' strips) share one reading of it (TPictureReading).
#include "pictures/PictureDecoding.h"
#include "pictures/PictureFailure.h"
#include "platform/Collection.h"
#include "platform/Cp1251.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

struct TAppContext;
class IDialogs;
class TPictureReading;

class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* Collection);

    AnsiString Name;   // the file name up to its first "."
    QImage Picture;    // the decoded picture; copies share pixels until one of them is changed
    QString FileName;  // the file it was read from; empty for a picture made in memory
    QSize FullSize;    // the picture's own size in the file; Picture may be smaller

    // Takes Source's picture and name; a Source of another class raises EInvalidCast.
    void Assign(const TCollectionItem& Source) override;
};

class TImageCollection : public TCollection {
public:
    explicit TImageCollection(TAppContext& Context);
    // A reading still going on is dropped.
    ~TImageCollection() override;

    // The folder of the last LoadFromFolder: relative to the content roots here, absolute for
    // the colouring pages.
    QString Folder;
    // How the files of one folder are decoded; parallel unless a measurement asks otherwise.
    TDecodeMode DecodeMode = TDecodeMode::Parallel;
    // The largest size a picture is kept at, in device pixels (the size its tile shows it at);
    // empty: every picture at its own size. Pictures kept smaller go through the thumbnail cache.
    QSize PictureBounds;
    // Where scaled pictures are cached; empty: the user's cache folder (TThumbnailCache).
    QString ThumbnailFolder;
    // How a word picture's file is read (a measurement or a test may watch it).
    TFittedDecoder JpegDecoder = DecodeJpegFileToFit;

    // Frees every item and reads Folder again; returns when every picture is in.
    virtual void LoadFromFolder(const QString& Folder);
    // The same without waiting: returns once the folder is listed (and a missing folder reported)
    // and decodes on the thread pool while the caller goes on. Loaded runs on this thread once
    // the items are in: at once when there is nothing to decode, otherwise from the event loop.
    void BeginLoadFromFolder(const QString& Folder, std::function<void()> Loaded);
    // Whether a folder is being decoded; the catalogue is empty meanwhile.
    bool Loading() const;
    // Whether the folder of the last reading was there in some content root.
    bool FolderFound() const { return FFolderFound; }
    // Waits for a folder being decoded and puts its items in now (Loaded runs here).
    void FinishLoading();
    // Files decoded so far of the folder being read, and how many it has.
    int FilesRead() const;
    int FilesToRead() const;

    // The picture of Item read again from its file to fit Bounds (device pixels; empty: the whole
    // picture), for showing it large or printing it. The function keeps what it needs, so it
    // serves after the catalogue has changed; it gives the kept picture when the file cannot be
    // read any more.
    std::function<QImage(QSize Bounds)> PictureReader(const TImageItem& Item) const;

    TImageItem* AddImage();
    TImageItem* GetImage(unsigned short Index) const;

protected:
    // Reads the JPEG files of Folder in every content root ("*.jpg;*jpeg"), in listing order.
    void ReadJpegFolder();
    // Reads the colouring pages of Folder ("*.flim"), in listing order.
    void ReadScrambledFolder();

    TAppContext& FContext;

private:
    // Lists Masks in FolderPath (after a box when the folder is missing) and decodes the files
    // with Decode; once they are in, one item per readable file is appended and an unreadable one
    // gets a box and is skipped.
    void ReadFolder(const QString& FolderPath, const QString& Masks, TFittedDecoder Decode);
    // The decoding part of ReadFolder.
    void StartDecoding(const QStringList& Names, const QStringList& Paths, TFittedDecoder Decode);
    // Appends the items of a finished reading and tells whoever waits.
    void FinishReading();

    TFittedDecoder FDecode = nullptr;  // how this catalogue's files are read
    TPictureKind FKind = TPictureKind::Jpeg;
    bool FFolderFound = true;
    std::unique_ptr<TPictureReading> FReading;
    QStringList FReadingNames;
    QStringList FReadingPaths;  // where each file was found
    bool FReadingDone = true;
    bool FInBackground = false;  // inside BeginLoadFromFolder
    std::function<void()> FOnLoaded;
};

class TRaskrasImageCollection : public TImageCollection {
public:
    explicit TRaskrasImageCollection(TAppContext& Context);
    void LoadFromFolder(const QString& Folder) override;
};

// One colouring page read from Path and unscrambled in memory; nothing is written anywhere. A file
// that cannot be read or decoded gets the "Ошибка чтения файла" box and gives nothing.
std::optional<QImage> LoadScrambledBitmap(const QString& Path, IDialogs& Dialogs);

// The texts of the catalogue's boxes, whose title is the window caption.
QString MissingFolderMessage(const QString& FolderPath);
QString NoPicturesMessage(const QString& FolderPath);
