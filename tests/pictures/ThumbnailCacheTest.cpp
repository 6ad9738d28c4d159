// The thumbnail cache: a second reading of a folder comes from it, a changed picture file is read
// again, a damaged entry is ignored and written anew, a cache that cannot be written only means
// no cache, and nothing is ever written beside the pictures.
#include "PictureFiles.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"

#include "core/AppContext.h"
#include "pictures/ImageCollection.h"
#include "pictures/ThumbnailCache.h"
#include "pictures/TileGeometry.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>

using namespace testpics;

namespace {

class ThumbnailCache : public ::testing::Test {
protected:
    QTemporaryDir Root;
    QTemporaryDir CacheRoot;
    TFakeDialogs Dialogs;
    TAppContext Context;
    const QSize Bounds = TileImageBounds(217, 1.0);

    void SetUp() override
    {
        QDir(Root.path()).mkpath("Pic/Images/Rus");
        Context.Settings = TSettings::ForProgramFolder(Root.path() + "/");
        Context.Dialogs = &Dialogs;
    }
    QString Words() const { return Root.path() + "/Pic/Images/Rus/"; }
    QString CacheFolder() const { return CacheRoot.path() + "/thumbnails/"; }

    // A photo-sized picture of one colour; Stamp sets its modification time.
    void WritePhoto(const QString& Name, QColor Colour, const QDateTime& Stamp, int Width = 1600)
    {
        WriteJpeg(Words() + Name, Width, 1200, Colour);
        QFile f(Words() + Name);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(Stamp, QFileDevice::FileModificationTime));
    }

    // A fresh catalogue (as in a later run) reading the word pictures through the cache; the
    // colour of its first picture.
    QColor ReadFirst(int* Count = nullptr)
    {
        TImageCollection images(Context);
        images.PictureBounds = Bounds;
        images.ThumbnailFolder = CacheFolder();
        images.LoadFromFolder("Pic/Images/Rus/");
        if (Count) *Count = images.Count();
        return images.Count() ? images.GetImage(0)->Picture.pixelColor(100, 70) : QColor();
    }

    QString Entry(const QString& Name) const { return TThumbnailCache(CacheFolder()).EntryPath(Words() + Name, Bounds); }
};

bool Reddish(QColor C)
{
    return C.red() > 200 && C.green() < 60 && C.blue() < 60;
}
bool Bluish(QColor C)
{
    return C.blue() > 200 && C.red() < 60 && C.green() < 60;
}

}  // namespace

TEST_F(ThumbnailCache, SecondReadingComesFromTheCacheUntilTheFileChanges)
{
    const QDateTime stamp = QDateTime::currentDateTimeUtc().addSecs(-3600);
    WritePhoto("кот.jpg", Qt::red, stamp);
    EXPECT_TRUE(Reddish(ReadFirst()));
    ASSERT_TRUE(QFileInfo::exists(Entry("кот.jpg")));

    // The same size and time but other pixels: the entry still stands for the file, so it is used.
    WritePhoto("кот.jpg", Qt::blue, stamp);
    EXPECT_TRUE(Reddish(ReadFirst())) << "read from the cache";

    // A new modification time: read again, and the entry follows.
    WritePhoto("кот.jpg", Qt::blue, stamp.addSecs(60));
    EXPECT_TRUE(Bluish(ReadFirst()));
    WritePhoto("кот.jpg", Qt::red, stamp.addSecs(60));
    EXPECT_TRUE(Bluish(ReadFirst())) << "the rewritten entry is used";

    // Another size at the same time: read again.
    WritePhoto("кот.jpg", Qt::red, stamp.addSecs(60), 1601);
    EXPECT_TRUE(Reddish(ReadFirst()));
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(ThumbnailCache, DamagedEntriesAreIgnoredAndWrittenAnew)
{
    const QDateTime stamp = QDateTime::currentDateTimeUtc().addSecs(-3600);
    WritePhoto("кот.jpg", Qt::red, stamp);
    ReadFirst();
    QFile entry(Entry("кот.jpg"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QByteArray good = entry.readAll();
    entry.close();
    ASSERT_GT(good.size(), 100);

    const std::vector<QByteArray> damaged = {
        QByteArray(),                                                          // empty
        good.left(good.size() / 2),                                            // cut short
        QByteArray(good).replace(0, 4, "XXXX"),                                // not an entry
        good + "tail",                                                         // something after the end
        QByteArray(good).replace(good.size() - 40, 8, QByteArray(8, '\x55')),  // the picture garbled
    };
    for (const QByteArray& bytes : damaged) {
        WritePhoto("кот.jpg", Qt::blue, stamp);  // a cache hit would keep red
        WriteBytes(Entry("кот.jpg"), bytes);
        int count = 0;
        EXPECT_TRUE(Bluish(ReadFirst(&count))) << "entry of " << bytes.size() << " bytes";
        EXPECT_EQ(count, 1);
        // Written anew: the next run reads it.
        WritePhoto("кот.jpg", Qt::red, stamp);
        EXPECT_TRUE(Bluish(ReadFirst()));
        WritePhoto("кот.jpg", Qt::red, stamp.addSecs(1));  // back to red for the next case
        ReadFirst();
    }
    EXPECT_TRUE(Dialogs.Calls.empty());
    // Whole entries only: no temporary file is left in the cache folder.
    for (const QString& name : QDir(CacheFolder()).entryList(QDir::Files))
        EXPECT_TRUE(name.endsWith(".thumb")) << name.toStdString();
}

TEST_F(ThumbnailCache, AnUnwritableCacheFolderOnlyMeansNoCache)
{
    // A file where the cache folder should be: it can be neither made nor written (also as root).
    WriteBytes(CacheRoot.path() + "/thumbnails", "in the way");
    WritePhoto("кот.jpg", Qt::red, QDateTime::currentDateTimeUtc().addSecs(-60));
    WritePhoto("пёс.jpg", Qt::blue, QDateTime::currentDateTimeUtc().addSecs(-60));
    int count = 0;
    EXPECT_TRUE(Reddish(ReadFirst(&count)));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(ThumbnailCache, NothingIsWrittenBesideThePictures)
{
    for (int i = 0; i < 6; ++i)
        WritePhoto(QStringLiteral("слово%1.jpg").arg(i), QColor(i * 40, 0, 0), QDateTime::currentDateTimeUtc().addSecs(-60));
    auto snapshot = [&] {
        std::map<QString, std::pair<qint64, QDateTime>> files;
        QDirIterator it(Root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo fi(it.next());
            files[fi.filePath()] = {fi.isDir() ? 0 : fi.size(), fi.lastModified()};
        }
        return files;
    };
    const auto before = snapshot();
    ReadFirst();  // cold: entries written
    ReadFirst();  // warm: entries read
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(QDir(CacheFolder()).entryList(QDir::Files).size(), 6);
}

TEST(ThumbnailCacheFolder, IsTheUsersCacheFolder)
{
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", "/tmp/some-cache-home");
    const QString folder = TThumbnailCache::DefaultFolder();
    qputenv("XDG_CACHE_HOME", saved);
    EXPECT_TRUE(folder.startsWith("/tmp/some-cache-home/")) << folder.toStdString();
    EXPECT_TRUE(folder.endsWith("/thumbnails/")) << folder.toStdString();
}
