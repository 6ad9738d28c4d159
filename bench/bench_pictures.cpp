// The picture games' first opening: how long "Найди букву" blocks the window's thread while it
// reads 60 word pictures of 400 × 300, with the folder decoded one file after the other against
// decoded on every core; and the memory both picture games hold once open.
#include "BenchSupport.h"
#include "app/MainForm.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "games/GameObjects.h"
#include "letters/Letter.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Image.h"
#include "support/TestForm.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <set>

using bench::Median;
using bench::TSilentDialogs;
using bench::TSilentSpeech;

namespace {

constexpr int kWordPictures = 60;

// A noisy picture with a few shapes, so that its JPEG is of a realistic size and decoding cost.
QImage NoisyPicture(int Width, int Height, int Seed)
{
    QRandomGenerator rng(static_cast<quint32>(Seed));
    QImage img(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < Width; ++x)
            line[x] = qRgb((x + Seed * 11) & 255, (y * 2 + Seed) & 255, int(rng.bounded(80)) + 90);
    }
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((Seed * 37) % 360, 200, 230));
    p.drawEllipse(40, 30, Width - 80, Height - 60);
    p.drawRect(Width / 3, Height / 3, Width / 4, Height / 5);
    return img;
}

// The program folder: 60 word pictures and the 33 letter pictures, written once per run.
struct TContent {
    QTemporaryDir Dir;
    QString Folder;

    TContent() : Folder(Dir.path() + "/")
    {
        QDir(Folder).mkpath("Pic/Images/Rus");
        QDir(Folder).mkpath("Pic/Alphabet/Rus");
        const QString letters = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        for (int i = 0; i < kWordPictures; ++i) {
            const QString word = QString(letters[i % letters.size()]) + QStringLiteral("слово%1").arg(i);
            NoisyPicture(400, 300, i).save(Folder + "Pic/Images/Rus/" + word + ".jpg", "JPG", 85);
        }
        const TSettings settings = TSettings::ForProgramFolder(Folder);
        TRusLetterCollection alphabet(settings);
        alphabet.MakeLetters();
        for (int i = 0; i < alphabet.Count(); ++i)
            NoisyPicture(200, 200, 100 + i)
                .save(TLetterCollection::PictureFileName(settings,
                                                         alphabet.GetLetter(static_cast<unsigned short>(i))->LowerLetter),
                      "JPG", 85);
    }
};

TContent& Content()
{
    static TContent c;
    return c;
}

// A shown main window with its program-wide objects made, as after start-up loading.
struct TOpenWindow {
    TSilentDialogs Dialogs;
    TSilentSpeech Speech;
    std::unique_ptr<TTestForm> Form;

    TOpenWindow()
    {
        Form = std::make_unique<TTestForm>(&Dialogs, Content().Folder);
        Form->SetSpeech(&Speech);
        Form->resize(1280, 800);
        Form->show();
        LoadGameObjects(Form->Context(), Form->Objects);
        Form->UpdateGameActions();
    }
    ~TOpenWindow() { Form->Objects.Reset(); }
};

using TClock = std::chrono::steady_clock;

// Milliseconds the window's thread spends in the first opening of "Найди букву".
double FirstOpeningMs(TDecodeMode Mode)
{
    TOpenWindow w;
    w.Form->Objects.FirstLImgPanels->Images->DecodeMode = Mode;
    const auto t0 = TClock::now();
    Named<QAction>(*w.Form, "FindLetter")->trigger();
    FinishPictureReading(w.Form->Objects);
    const auto t1 = TClock::now();
    benchmark::DoNotOptimize(Named<TImage>(*w.Form, "BigImage")->Picture().constBits());
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

// Milliseconds to read the word-picture folder alone into a catalogue.
double CatalogueMs(TDecodeMode Mode)
{
    TSilentDialogs dialogs;
    TAppContext context;
    context.Settings = TSettings::ForProgramFolder(Content().Folder);
    context.Dialogs = &dialogs;
    TImageCollection images(context);
    images.DecodeMode = Mode;
    const auto t0 = TClock::now();
    images.LoadFromFolder(content::layout::kWordPictures);
    const auto t1 = TClock::now();
    if (images.Count() != kWordPictures) throw std::runtime_error("word pictures missing");
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

// Serial and parallel alternate within the same iterations, so that both meet the same machine.
void CompareSerialAndParallel(benchmark::State& state, double (*MeasureMs)(TDecodeMode))
{
    Content();
    std::vector<double> serial, parallel, ratios;
    for (auto _ : state) {
        const double s = MeasureMs(TDecodeMode::Serial);
        const double p = MeasureMs(TDecodeMode::Parallel);
        serial.push_back(s);
        parallel.push_back(p);
        ratios.push_back(p / s);
        state.SetIterationTime(p / 1000.0);
    }
    state.counters["serial_ms"] = Median(serial);
    state.counters["parallel_ms"] = Median(parallel);
    state.counters["parallel_over_serial"] = Median(ratios);
    state.counters["cores"] = QThread::idealThreadCount();
}

void BM_FindLetterFirstOpening_SerialVsParallel(benchmark::State& state)
{
    CompareSerialAndParallel(state, FirstOpeningMs);
}

// The folder reading alone, the part the parallel decoding speeds up.
void BM_WordCatalogue_SerialVsParallel(benchmark::State& state)
{
    CompareSerialAndParallel(state, CatalogueMs);
}

double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1 << 20) : 0;
}

// Pixel bytes of the strip's tiles that are not shared with its catalogue.
double UnsharedTileBytes(const TImgPanelCollection& Strip)
{
    std::set<const uchar*> catalogue;
    for (int i = 0; i < Strip.Images->Count(); ++i)
        catalogue.insert(Strip.Images->GetImage(static_cast<unsigned short>(i))->Picture.constBits());
    double bytes = 0;
    for (int i = 0; i < Strip.Count(); ++i) {
        const QImage& p = Strip.GetTile(static_cast<unsigned short>(i))->Image()->Picture();
        if (!catalogue.count(p.constBits())) bytes += double(p.sizeInBytes());
    }
    return bytes;
}

double CataloguePixelBytes(const TImgPanelCollection& Strip)
{
    double bytes = 0;
    for (int i = 0; i < Strip.Images->Count(); ++i)
        bytes += double(Strip.Images->GetImage(static_cast<unsigned short>(i))->Picture.sizeInBytes());
    return bytes;
}

// Resident memory that opening both picture games adds to a loaded window, against the decoded
// pictures the two catalogues must hold; the tiles and the big pictures should add nothing.
void BM_BothPictureGamesOpen_Memory(benchmark::State& state)
{
    Content();
    double added = 0, catalogues = 0, unshared = 0;
    for (auto _ : state) {
        TOpenWindow w;
        QCoreApplication::processEvents();
        const double before = ResidentMiB();
        Named<QAction>(*w.Form, "FindLetter")->trigger();
        FinishPictureReading(w.Form->Objects);
        Named<QAction>(*w.Form, "MakeWord")->trigger();
        FinishPictureReading(w.Form->Objects);
        QCoreApplication::processEvents();
        added = ResidentMiB() - before;
        const TGameObjects& o = w.Form->Objects;
        catalogues = (CataloguePixelBytes(*o.FirstLImgPanels) + CataloguePixelBytes(*o.MakeWImgPanels)) / (1 << 20);
        unshared = UnsharedTileBytes(*o.FirstLImgPanels) + UnsharedTileBytes(*o.MakeWImgPanels);
    }
    state.counters["rss_added_MiB"] = added;
    state.counters["catalogue_pixels_MiB"] = catalogues;
    state.counters["tile_pixels_not_shared_bytes"] = unshared;
}

// The memory first, while the allocator holds no memory freed by the other benchmarks.
BENCHMARK(BM_BothPictureGamesOpen_Memory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WordCatalogue_SerialVsParallel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_FindLetterFirstOpening_SerialVsParallel)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
