#include "pictures/ImageCollection.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Reasons.h"
#include "core/Texts.h"
#include "pictures/Log.h"
#include "pictures/PictureFailure.h"
#include "pictures/PictureName.h"
#include "pictures/PictureReading.h"
#include "pictures/ThumbnailCache.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Dialogs.h"

namespace {

// The second word-picture pattern has no dot on purpose.
const QString& kJpegMasks = content::layout::kWordPictureMask;
const QString& kPageMasks = content::layout::kColouringMask;

void ShowReadError(IDialogs& Dialogs, const QString& Path, const QString& Reason)
{
    Dialogs.ShowMessage(QString::fromUtf8(kWindowCaption), ReadErrorText(Path, Reason));
}

}  // namespace

QString MissingFolderMessage(const QString& FolderPath)
{
    return QStringLiteral("Директория ") + FolderPath + QStringLiteral(" не существует.");
}

QString NoPicturesMessage(const QString& FolderPath)
{
    return QStringLiteral("В папке ") + FolderPath + QStringLiteral(" нет ни одной картинки, которую можно открыть.");
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
    FKind = TPictureKind::Jpeg;
    ReadFolder(FContext.Settings.ContentFolder + Folder, kJpegMasks, JpegDecoder);
}

void TImageCollection::ReadScrambledFolder()
{
    QString dir = Folder;
    if (!dir.endsWith(fs::Separator())) dir += fs::Separator();
    FKind = TPictureKind::ColouringPage;
    ReadFolder(dir, kPageMasks, DecodeScrambledFileToFit);
}

void TImageCollection::ReadFolder(const QString& FolderPath, const QString& Masks, TFittedDecoder Decode)
{
    FReading.reset();  // an earlier reading still going on is dropped, and who waited for it
    if (!FInBackground) FOnLoaded = nullptr;
    FDecode = Decode;
    const TContentRoots& content = FContext.Settings.Content;
    FFolderFound = content.DirectoryExists(FolderPath);
    if (!FFolderFound) {
        FContext.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), MissingFolderMessage(FolderPath));
        return;
    }
    // A picture whose name is not valid UTF-8 cannot be opened by name: say so rather than
    // leave it out unseen.
    for (const QString& path : content.ListUndecodablePaths(FolderPath, Masks)) {
        qCWarning(lcPictures) << "name is not UTF-8:" << path;
        ShowReadError(*FContext.Dialogs, path, QStringLiteral("имя файла не в кодировке UTF-8: переименуйте файл"));
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
            const QString reason = PictureFailureReason(FReadingPaths[i], FKind);
            qCWarning(lcPictures) << "cannot read" << FReadingPaths[i] << reason;
            ShowReadError(*FContext.Dialogs, FReadingPaths[i], reason);
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
    if (!picture) {
        const QString reason = PictureFailureReason(Path, TPictureKind::ColouringPage);
        qCWarning(lcPictures) << "cannot read" << Path << reason;
        ShowReadError(Dialogs, Path, reason);
    }
    return picture;
}
