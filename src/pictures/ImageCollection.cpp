#include "pictures/ImageCollection.h"

#include "core/AppContext.h"
#include "core/Texts.h"
#include "pictures/Log.h"
#include "pictures/PictureName.h"
#include "pictures/PictureReading.h"
#include "pictures/ThumbnailCache.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace {

const QString kJpegMasks = QStringLiteral("*.jpg;*jpeg");  // the second pattern has no dot on purpose
const QString kPageMasks = QStringLiteral("*.flim");

void ShowReadError(IDialogs& Dialogs)
{
    Dialogs.ShowMessage(QString::fromUtf8(kWindowCaption), QString::fromUtf8(kReadErrorMessage));
}

}  // namespace

QString MissingFolderMessage(const QString& FolderPath)
{
    return QStringLiteral("Директория ") + FolderPath + QStringLiteral(" не существует.");
}

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(Collection) {}

void TImageItem::Assign(const TCollectionItem& Source)
{
    const auto& source = AssignSource<TImageItem>(Source);
    Picture = source.Picture;
    Name = source.Name;
    FileName = source.FileName;
    FullSize = source.FullSize;
}

TImageCollection::TImageCollection(TAppContext& Context) : TCollection(TItemClass::Of<TImageItem>()), FContext(Context) {}

TImageCollection::~TImageCollection() = default;

void TImageCollection::LoadFromFolder(const QString& NewFolder)
{
    Clear();
    Folder = NewFolder;
    ReadJpegFolder();
}

void TImageCollection::BeginLoadFromFolder(const QString& NewFolder, std::function<void()> Loaded)
{
    FOnLoaded = std::move(Loaded);
    FInBackground = true;
    LoadFromFolder(NewFolder);
    FInBackground = false;
    // A missing or empty folder has nothing to decode: the catalogue is complete already.
    if (!Loading()) {
        auto loaded = std::move(FOnLoaded);
        FOnLoaded = nullptr;
        if (loaded) loaded();
    }
}

bool TImageCollection::Loading() const
{
    return FReading && !FReadingDone;
}

void TImageCollection::FinishLoading()
{
    if (!Loading()) return;
    FReading->Wait();
    FinishReading();
}

int TImageCollection::FilesRead() const
{
    return Loading() ? FReading->FilesRead() : 0;
}

int TImageCollection::FilesToRead() const
{
    return Loading() ? FReading->FileCount() : 0;
}

std::function<QImage(QSize)> TImageCollection::PictureReader(const TImageItem& Item) const
{
    return [decode = FDecode, path = Item.FileName, kept = Item.Picture](QSize Bounds) {
        if (decode && !path.isEmpty())
            if (TFittedDecode read = decode(path, Bounds)) return read->Picture;
        return kept;
    };
}

TImageItem* TImageCollection::AddImage()
{
    return static_cast<TImageItem*>(Add());
}

TImageItem* TImageCollection::GetImage(unsigned short Index) const
{
    return ItemAs<TImageItem>(Index);
}

void TImageCollection::ReadJpegFolder()
{
    ReadFolder(FContext.Settings.ContentFolder + Folder, kJpegMasks, DecodeJpegFileToFit);
}

void TImageCollection::ReadScrambledFolder()
{
    QString dir = Folder;
    if (!dir.endsWith(fs::Separator())) dir += fs::Separator();
    ReadFolder(dir, kPageMasks, DecodeScrambledFileToFit);
}

void TImageCollection::ReadFolder(const QString& FolderPath, const QString& Masks, TFittedDecoder Decode)
{
    FReading.reset();  // an earlier reading still going on is dropped, and who waited for it
    if (!FInBackground) FOnLoaded = nullptr;
    FDecode = Decode;
    const TContentRoots& content = FContext.Settings.Content;
    if (!content.DirectoryExists(FolderPath)) {
        FContext.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), MissingFolderMessage(FolderPath));
        return;
    }
    const QStringList names = content.ListFiles(FolderPath, Masks);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) paths.append(content.Locate(FolderPath + name));
    StartDecoding(names, paths, Decode);
}

void TImageCollection::StartDecoding(const QStringList& Names, const QStringList& Paths, TFittedDecoder Decode)
{
    if (Names.isEmpty()) return;
    FReadingNames = Names;
    FReadingPaths = Paths;
    FReadingDone = false;
    std::shared_ptr<const TThumbnailCache> cache;
    if (!PictureBounds.isEmpty())
        cache = std::make_shared<const TThumbnailCache>(ThumbnailFolder.isEmpty() ? TThumbnailCache::DefaultFolder()
                                                                                  : ThumbnailFolder);
    FReading = std::make_unique<TPictureReading>(Paths, Decode, PictureBounds, std::move(cache), DecodeMode,
                                                 [this] { FinishReading(); });
    if (!FInBackground || FReading->IsFinished()) FinishLoading();
}

void TImageCollection::FinishReading()
{
    if (!Loading()) return;
    FReadingDone = true;
    const std::vector<TFittedDecode> pictures = FReading->Results();
    for (qsizetype i = 0; i < FReadingNames.size(); ++i) {
        const TFittedDecode& picture = pictures[static_cast<size_t>(i)];
        if (!picture) {
            qCWarning(lcPictures) << "cannot read" << FReadingPaths[i];
            ShowReadError(*FContext.Dialogs);
            continue;
        }
        TImageItem* item = AddImage();
        item->Picture = picture->Picture;
        item->FullSize = picture->FullSize;
        item->FileName = FReadingPaths[i];
        item->Name = PictureNameFromFileName(FReadingNames[i]);
    }
    FReadingNames.clear();
    FReadingPaths.clear();
    auto loaded = std::move(FOnLoaded);
    FOnLoaded = nullptr;
    if (loaded) loaded();
}

TRaskrasImageCollection::TRaskrasImageCollection(TAppContext& Context) : TImageCollection(Context) {}

void TRaskrasImageCollection::LoadFromFolder(const QString& NewFolder)
{
    Clear();
    Folder = NewFolder;
    ReadScrambledFolder();
}

std::optional<QImage> LoadScrambledBitmap(const QString& Path, IDialogs& Dialogs)
{
    TDecodedPicture picture = DecodeScrambledFile(Path);
    if (!picture) ShowReadError(Dialogs);
    return picture;
}
