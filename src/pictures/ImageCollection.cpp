#include "pictures/ImageCollection.h"

#include "core/AppContext.h"
#include "core/Texts.h"
#include "pictures/Log.h"
#include "pictures/PictureName.h"
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
}

TImageCollection::TImageCollection(TAppContext& Context) : TCollection(TItemClass::Of<TImageItem>()), FContext(Context) {}

void TImageCollection::LoadFromFolder(const QString& NewFolder)
{
    Clear();
    Folder = NewFolder;
    ReadJpegFolder();
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
    ReadFolder(FContext.Settings.ContentFolder + Folder, kJpegMasks, DecodeJpegFile);
}

void TImageCollection::ReadScrambledFolder()
{
    QString dir = Folder;
    if (!dir.endsWith(fs::Separator())) dir += fs::Separator();
    ReadFolder(dir, kPageMasks, DecodeScrambledFile);
}

void TImageCollection::ReadFolder(const QString& FolderPath, const QString& Masks,
                                  const std::function<TDecodedPicture(const QString&)>& Decode)
{
    const TContentRoots& content = FContext.Settings.Content;
    if (!content.DirectoryExists(FolderPath)) {
        FContext.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), MissingFolderMessage(FolderPath));
        return;
    }
    const QStringList names = content.ListFiles(FolderPath, Masks);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) paths.append(content.Locate(FolderPath + name));

    const std::vector<TDecodedPicture> pictures = DecodeFiles(paths, Decode, DecodeMode);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const TDecodedPicture& picture = pictures[static_cast<size_t>(i)];
        if (!picture) {
            qCWarning(lcPictures) << "cannot read" << paths[i];
            ShowReadError(*FContext.Dialogs);
            continue;
        }
        TImageItem* item = AddImage();
        item->Picture = *picture;
        item->Name = PictureNameFromFileName(names[i]);
    }
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
