#pragma once
// Picture catalogues: named pictures read from one folder, decoded when the folder is read and only
// copied afterwards. TImageCollection reads the JPEG word pictures, TRaskrasImageCollection the
// scrambled colouring pages of one theme.
#include "pictures/PictureDecoding.h"
#include "platform/Collection.h"
#include "platform/Cp1251.h"

#include <QImage>
#include <QString>

struct TAppContext;
class IDialogs;

class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* Collection);

    AnsiString Name;  // the file name up to its first "."
    QImage Picture;   // the decoded picture; copies share pixels until one of them is changed

    // Takes Source's picture and name; a Source of another class raises EInvalidCast.
    void Assign(const TCollectionItem& Source) override;
};

class TImageCollection : public TCollection {
public:
    explicit TImageCollection(TAppContext& Context);
    ~TImageCollection() override = default;

    // The folder of the last LoadFromFolder: relative to the content roots here, absolute for
    // the colouring pages.
    QString Folder;
    // How the files of one folder are decoded; parallel unless a measurement asks otherwise.
    TDecodeMode DecodeMode = TDecodeMode::Parallel;

    // Frees every item and reads Folder again.
    virtual void LoadFromFolder(const QString& Folder);

    TImageItem* AddImage();
    TImageItem* GetImage(unsigned short Index) const;

protected:
    // Reads the JPEG files of Folder in every content root ("*.jpg;*jpeg"), in listing order.
    void ReadJpegFolder();
    // Reads the colouring pages of Folder ("*.flim"), in listing order.
    void ReadScrambledFolder();

    TAppContext& FContext;

private:
    // Lists Masks in FolderPath (after a box when the folder is missing), decodes the files with
    // Decode and appends one item per readable file; an unreadable one gets a box and is skipped.
    void ReadFolder(const QString& FolderPath, const QString& Masks,
                    const std::function<TDecodedPicture(const QString&)>& Decode);
};

class TRaskrasImageCollection : public TImageCollection {
public:
    explicit TRaskrasImageCollection(TAppContext& Context);
    void LoadFromFolder(const QString& Folder) override;
};

// One colouring page read from Path and unscrambled in memory; nothing is written anywhere. A file
// that cannot be read or decoded gets the "Ошибка чтения файла" box and gives nothing.
std::optional<QImage> LoadScrambledBitmap(const QString& Path, IDialogs& Dialogs);

// The word pictures of both picture games, relative to the content roots.
inline const char* const kWordPicturesFolder = "Pic/Images/Rus/";

// The texts of the catalogue's boxes, whose title is the window caption.
QString MissingFolderMessage(const QString& FolderPath);
inline const char* const kReadErrorMessage = "Ошибка чтения файла";
