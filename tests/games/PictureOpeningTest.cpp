// The first opening of a picture game reads its pictures in the background: the window goes on
// painting with the loading bar moving, clicks on the game are held back until the strip is in,
// and the game then starts as ever. Nothing is written into the program's folder meanwhile.
#include "games/PictureGameForm.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <map>

namespace {

// Keeps every thread of the global pool busy until released, so that a reading cannot finish
// before the test has looked at the window.
class TBusyPool {
public:
    TBusyPool() : FThreads(QThreadPool::globalInstance()->maxThreadCount())
    {
        for (int i = 0; i < FThreads; ++i) QThreadPool::globalInstance()->start([this] { FGo.acquire(); });
    }
    ~TBusyPool() { Release(); }
    void Release()
    {
        FGo.release(FThreads);
        FThreads = 0;
    }

private:
    int FThreads;
    QSemaphore FGo;
};

std::map<QString, std::pair<qint64, QDateTime>> Snapshot(const QString& Root)
{
    std::map<QString, std::pair<qint64, QDateTime>> files;
    QDirIterator it(Root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        files[fi.filePath()] = {fi.isDir() ? 0 : fi.size(), fi.lastModified()};
    }
    return files;
}

}  // namespace

TEST(PictureOpening, WindowPaintsAndHoldsClicksUntilTheStripIsIn)
{
    TPictureGameForm w({"арбуз", "банан", "вишня"});
    TTestForm& f = *w.Form;
    TFirstLImgPanelCollection& strip = *w.Objects().FirstLImgPanels;
    TBusyPool busy;

    Named<QAction>(f, "FindLetter")->trigger();
    ASSERT_TRUE(strip.Reading());
    EXPECT_EQ(strip.Count(), 0);
    EXPECT_EQ(Named<TPanel>(f, "GamePicPanel")->parentWidget()->children().last(), Named<TPanel>(f, "RulesPanel"))
        << "the screen is up already";
    EXPECT_TRUE(Named<TPanel>(f, "TimerPanel")->isVisibleTo(&f));

    // The window goes on: the bar slides and the window paints, overlay on top.
    const int barAt = Named<TPanel>(f, "ProgressPanel")->x();
    QElapsedTimer clock;
    clock.start();
    // However loaded the machine, the bar's 20 ms step comes; only its coming is the point here.
    while (Named<TPanel>(f, "ProgressPanel")->x() == barAt && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_NE(Named<TPanel>(f, "ProgressPanel")->x(), barAt);
    const QImage shot = f.grab().toImage();
    const QPoint overlay = Named<TPanel>(f, "TimerPanel")->geometry().center() + QPoint(0, -25);
    EXPECT_EQ(shot.pixelColor(overlay), QColor(0x08, 0x13, 0xF8));

    // Clicks on the game wait; a second opening waits for the same reading.
    TLetterPanel* letterA = TPictureGameForm::LetterTile(*w.Objects().PicLetterPanels, "а");
    QTest::mouseClick(letterA->ClickLabel, Qt::LeftButton);
    Named<QAction>(f, "FindLetter")->trigger();
    EXPECT_TRUE(w.Speech.Calls.empty());
    EXPECT_TRUE(strip.Reading());

    busy.Release();
    FinishPictureReading(f.Objects);
    ASSERT_EQ(strip.Count(), 3);
    EXPECT_EQ(strip.SelectedIndex, 0);
    EXPECT_FALSE(Named<TImage>(f, "BigImage")->Picture().isNull());
    EXPECT_FALSE(Named<TPanel>(f, "TimerPanel")->isVisibleTo(&f));
    QCoreApplication::processEvents();
    QTest::mouseClick(letterA->ClickLabel, Qt::LeftButton);
    ASSERT_EQ(w.Speech.Calls.size(), 1u) << "the game answers now";
    EXPECT_TRUE(w.Dialogs.Calls.empty());
}

TEST(PictureOpening, BothGamesWriteNothingIntoTheProgramFolder)
{
    TPictureGameForm w({"арбуз", "банан", "вишня", "груша"});
    const auto before = Snapshot(w.Dir.path());
    for (int run = 0; run < 2; ++run) {  // read, then read again through the cache
        Named<QAction>(*w.Form, "FindLetter")->trigger();
        Named<QAction>(*w.Form, "MakeWord")->trigger();
        FinishPictureReading(w.Form->Objects);
        ASSERT_EQ(w.Objects().FirstLImgPanels->Count(), 4);
        ASSERT_EQ(w.Objects().MakeWImgPanels->Count(), 4);
        w.Objects().FirstLImgPanels->Loaded = false;  // read again next time
        w.Objects().MakeWImgPanels->Loaded = false;
    }
    EXPECT_EQ(Snapshot(w.Dir.path()), before);
}

TEST(PictureOpening, AnUnwritableCacheStillOpensTheGame)
{
    QTemporaryDir cacheHome;
    QFile blocker(cacheHome.path() + "/kvarnel");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the cache folders would go
    blocker.close();
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome.path() + "/kvarnel"));

    TPictureGameForm w({"арбуз", "банан"});
    Named<QAction>(*w.Form, "FindLetter")->trigger();
    FinishPictureReading(w.Form->Objects);
    qputenv("XDG_CACHE_HOME", saved);

    EXPECT_EQ(w.Objects().FirstLImgPanels->Count(), 2);
    EXPECT_FALSE(Named<TImage>(*w.Form, "BigImage")->Picture().isNull());
    EXPECT_TRUE(w.Dialogs.Calls.empty());
}
