// One reading of a folder at a time: strips opened while it goes on wait for it and decode nothing
// of their own; a file replaced while it is read is read again by the next reading.
#include "PictureWorld.h"

#include "pictures/PictureReading.h"
#include "pictures/ThumbnailCache.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QThreadPool>

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {

// The word pictures' decoder of these tests: it counts each file's decodings as they begin and
// holds them all until the gate opens, so that a second reading started meanwhile would decode
// the same files beside the first.
struct TGate {
    std::mutex Lock;
    std::condition_variable Opened;
    bool Open = true;
    std::map<QString, int> Decodes;  // by file name

    int Started()
    {
        std::lock_guard guard(Lock);
        int sum = 0;
        for (const auto& [name, count] : Decodes) sum += count;
        return sum;
    }
    std::map<QString, int> Counts()
    {
        std::lock_guard guard(Lock);
        return Decodes;
    }
    void SetOpen(bool Value)
    {
        std::lock_guard guard(Lock);
        Open = Value;
        Opened.notify_all();
    }
} gGate;

TFittedDecode GatedDecode(const QString& Path, QSize Bounds)
{
    {
        std::unique_lock guard(gGate.Lock);
        ++gGate.Decodes[QFileInfo(Path).fileName()];
        gGate.Opened.wait(guard, [] { return gGate.Open; });
    }
    return DecodeJpegFileToFit(Path, Bounds);
}

bool WaitUntil(const std::function<bool()>& Done)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > 10000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

class SharedReading : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Threads enough for both readings at once: without sharing, the second one's decodes
        // would start beside the first one's.
        FThreads = QThreadPool::globalInstance()->maxThreadCount();
        QThreadPool::globalInstance()->setMaxThreadCount(16);
        gGate.Decodes.clear();
        gGate.SetOpen(false);
        for (const char* name : {"кот", "дом", "мак", "лук"}) testpics::WriteJpeg(W.Words() + name + ".jpg", 80, 60);
    }
    void TearDown() override
    {
        gGate.SetOpen(true);
        QThreadPool::globalInstance()->setMaxThreadCount(FThreads);
    }

    TPictureWorld W;

private:
    int FThreads = 0;
};

std::unique_ptr<TImgPanelCollection> Strip(TAppContext& Context)
{
    auto strip = std::make_unique<TImgPanelCollection>(Context, TItemClass::Of<TImgPanel>(),
                                                       std::make_unique<TImageCollection>(Context));
    strip->Images->JpegDecoder = GatedDecode;
    strip->Images->PictureBounds = QSize(40, 1 << 16);
    return strip;
}

}  // namespace

TEST_F(SharedReading, SecondStripOpenedDuringTheReadingDecodesNothingOfItsOwn)
{
    auto first = Strip(W.Context), second = Strip(W.Context);
    first->BeginLoadFromFolder("Pic/Images/Rus/");
    ASSERT_TRUE(WaitUntil([] { return gGate.Started() == 4; }));
    second->BeginLoadFromFolder("Pic/Images/Rus/");
    EXPECT_TRUE(second->Reading());
    QThread::msleep(100);  // time for a reading of its own to begin its decodes
    gGate.SetOpen(true);
    ASSERT_TRUE(WaitUntil([&] { return !first->Reading() && !second->Reading(); }));

    for (const auto& [name, count] : gGate.Counts()) EXPECT_EQ(count, 1) << name.toStdString();
    ASSERT_EQ(first->Count(), 4);
    ASSERT_EQ(second->Count(), 4);
    EXPECT_TRUE(first->Loaded && second->Loaded);
    for (unsigned short i = 0; i < 4; ++i) {
        EXPECT_EQ(second->Images->GetImage(i)->Name, first->Images->GetImage(i)->Name);
        EXPECT_EQ(second->Images->GetImage(i)->Picture.cacheKey(), first->Images->GetImage(i)->Picture.cacheKey())
            << "one decoded picture for both";
    }

    // The first strip read again while the second waits for nothing: a new reading, each file from
    // the pictures still held.
    first->BeginLoadFromFolder("Pic/Images/Rus/");
    ASSERT_TRUE(WaitUntil([&] { return !first->Reading(); }));
    EXPECT_EQ(first->Count(), 4);
    EXPECT_EQ(gGate.Started(), 4);
}

TEST_F(SharedReading, StripGoneDuringTheReadingLeavesItToTheOther)
{
    auto first = Strip(W.Context), second = Strip(W.Context);
    first->BeginLoadFromFolder("Pic/Images/Rus/");
    second->BeginLoadFromFolder("Pic/Images/Rus/");
    ASSERT_TRUE(WaitUntil([] { return gGate.Started() == 4; }));
    // The gate opens a little later from elsewhere: a strip that goes waits for the files begun.
    std::thread opener([] {
        QThread::msleep(100);
        gGate.SetOpen(true);
    });
    first.reset();
    opener.join();
    ASSERT_TRUE(WaitUntil([&] { return !second->Reading(); }));
    EXPECT_EQ(second->Count(), 4);
    EXPECT_EQ(gGate.Started(), 4);
}

TEST_F(SharedReading, FileReplacedWhileItIsReadIsReadAgainNextTime)
{
    QTemporaryDir cacheDir;
    const auto cache = std::make_shared<const TThumbnailCache>(cacheDir.path() + "/");
    const QStringList paths{W.Words() + "кот.jpg", W.Words() + "дом.jpg"};
    TPictureReading reading(paths, GatedDecode, QSize(40, 1 << 16), cache, TDecodeMode::Parallel, {});
    ASSERT_TRUE(WaitUntil([] { return gGate.Started() == 2; }));
    testpics::WriteJpeg(paths[0], 60, 80, Qt::blue);  // a parent puts another cat in its place
    gGate.SetOpen(true);
    reading.Wait();
    const std::vector<TFittedDecode> held = reading.Results();  // the pictures stay held meanwhile

    TPictureReading again(paths, GatedDecode, QSize(40, 1 << 16), cache, TDecodeMode::Parallel, {});
    again.Wait();
    const std::vector<TFittedDecode> next = again.Results();
    EXPECT_EQ(gGate.Counts(), (std::map<QString, int>{{"кот.jpg", 2}, {"дом.jpg", 1}}));
    ASSERT_TRUE(next[0] && next[1] && held[1]);
    EXPECT_EQ(next[0]->FullSize, QSize(60, 80));
    EXPECT_EQ(next[1]->Picture.cacheKey(), held[1]->Picture.cacheKey()) << "the unchanged file is shared";
}
