// Letter boards: what a rebuild costs against plain decoding of the same pictures, what filling and
// shuffling cost once the pictures are decoded, and how much memory the tiles' pictures add.
#include "BenchSupport.h"
#include "core/AppContext.h"
#include "core/Speech.h"
#include "games/GameObjects.h"
#include "letters/LetterPanelCollection.h"
#include "platform/widgets/ScrollBox.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <set>

using bench::Median;
using bench::TSilentDialogs;
using bench::TSilentSpeech;

namespace {

// A program folder with 33 letter pictures of 400 × 300 (noisy, so the JPEGs are of realistic size),
// and a context with a parking panel and a learning scroll box of the window's base size.
struct TBenchWorld {
    QTemporaryDir Dir;
    TSilentSpeech Speech;
    QWidget Window;
    TAppContext Context;
    TScrollBox* Box;
    QStringList Files;

    TBenchWorld()
    {
        QDir(Dir.path()).mkpath("Pic/Alphabet/Rus");
        Context.Settings = TSettings::ForProgramFolder(Dir.path() + "/");
        Context.Speech = &Speech;
        Context.SourcePanel = new QWidget(&Window);
        Context.SourcePanel->hide();
        Box = new TScrollBox(&Window);
        Box->resize(1099, 672);
        TRusLetterCollection letters(Context.Settings);
        letters.MakeLetters();
        QRandomGenerator rng(7);
        for (int i = 0; i < letters.Count(); ++i) {
            QImage img(400, 300, QImage::Format_RGB32);
            for (int y = 0; y < 300; ++y) {
                auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < 400; ++x) line[x] = qRgb((x + i * 7) & 255, (y * 2) & 255, int(rng.bounded(64)) + 96);
            }
            QPainter(&img).drawEllipse(50, 50, 300, 200);
            const QString file = TLetterCollection::PictureFileName(
                Context.Settings, letters.GetLetter(static_cast<unsigned short>(i))->LowerLetter);
            img.save(file, "JPG", 85);
            Files << file;
        }
    }
};

TBenchWorld& World()
{
    static TBenchWorld w;
    return w;
}

// The baseline: one reader decoding the same files, keeping the pictures as any catalogue must
// (dropping each at once would let the allocator hand the same hot block back every time).
void DecodePlain(const QStringList& Files)
{
    QImageReader reader;
    std::vector<QImage> kept;
    kept.reserve(static_cast<size_t>(Files.size()));
    for (const QString& f : Files) {
        reader.setFileName(f);
        kept.push_back(reader.read());
        benchmark::DoNotOptimize(kept.back().constBits());
    }
}

void BM_PlainDecode33(benchmark::State& state)
{
    TBenchWorld& w = World();
    for (auto _ : state) DecodePlain(w.Files);
    state.counters["per_picture"] =
        benchmark::Counter(33 * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlainDecode33)->Unit(benchmark::kMillisecond);

void BM_RebuildAndLayoutGrid(benchmark::State& state)
{
    TBenchWorld& w = World();
    TRusSndLetterPanelCollection board(w.Context);
    for (auto _ : state) {
        board.Rebuild();
        board.LayoutGrid(w.Box);
    }
    state.counters["per_picture"] =
        benchmark::Counter(33 * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RebuildAndLayoutGrid)->Unit(benchmark::kMillisecond);

// Both in the same iterations, alternating, so that the ratio is not skewed by the machine's moods.
void BM_RebuildOverPlainDecodeRatio(benchmark::State& state)
{
    TBenchWorld& w = World();
    TRusSndLetterPanelCollection board(w.Context);
    using clock = std::chrono::steady_clock;
    std::vector<double> ratios;
    for (auto _ : state) {
        const auto t0 = clock::now();
        DecodePlain(w.Files);
        const auto t1 = clock::now();
        board.Rebuild();
        board.LayoutGrid(w.Box);
        const auto t2 = clock::now();
        ratios.push_back(std::chrono::duration<double>(t2 - t1).count() / std::chrono::duration<double>(t1 - t0).count());
    }
    std::sort(ratios.begin(), ratios.end());
    state.counters["median_ratio"] = ratios[ratios.size() / 2];
}
BENCHMARK(BM_RebuildOverPlainDecodeRatio)->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_PartsOfARebuild(benchmark::State& state)
{
    TBenchWorld& w = World();
    TRusSndLetterPanelCollection board(w.Context);
    using clock = std::chrono::steady_clock;
    double alphabet = 0, tiles = 0, layout = 0;
    for (auto _ : state) {
        const auto t0 = clock::now();
        board.Letters->BuildAlphabet();
        const auto t1 = clock::now();
        board.CreateTiles();
        const auto t2 = clock::now();
        board.LayoutGrid(w.Box);
        const auto t3 = clock::now();
        alphabet += std::chrono::duration<double, std::milli>(t1 - t0).count();
        tiles += std::chrono::duration<double, std::milli>(t2 - t1).count();
        layout += std::chrono::duration<double, std::milli>(t3 - t2).count();
    }
    const double n = double(state.iterations());
    state.counters["alphabet_ms"] = alphabet / n;
    state.counters["tiles_ms"] = tiles / n;
    state.counters["layout_ms"] = layout / n;
}
BENCHMARK(BM_PartsOfARebuild)->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_ShuffleAndFillReadyPictures(benchmark::State& state)
{
    TBenchWorld& w = World();
    TRusExamLetterPanelCollection board(w.Context);
    board.Rebuild();
    board.LayoutShuffledGrid(w.Box);
    for (auto _ : state) board.Shuffle();
}
BENCHMARK(BM_ShuffleAndFillReadyPictures)->Unit(benchmark::kMicrosecond);

// Memory: the decoded pictures of the catalogue, and what the tiles hold beyond them (pixel buffers
// not shared with a letter), after a layout and after a shuffle.
void BM_BoardPictureMemory(benchmark::State& state)
{
    TBenchWorld& w = World();
    TRusSndLetterPanelCollection board(w.Context);
    double catalogue = 0, extra = 0;
    for (auto _ : state) {
        board.Rebuild();
        board.LayoutGrid(w.Box);
        board.Shuffle();
        std::set<const uchar*> shared;
        catalogue = extra = 0;
        for (int i = 0; i < board.Letters->Count(); ++i) {
            const QImage& p = board.Letters->GetLetter(static_cast<unsigned short>(i))->Picture;
            if (shared.insert(p.constBits()).second) catalogue += double(p.sizeInBytes());
        }
        for (int i = 0; i < board.Count(); ++i) {
            const QImage& p = board.GetTile(static_cast<unsigned short>(i))->Image->Picture();
            if (!shared.count(p.constBits())) extra += double(p.sizeInBytes());
        }
    }
    state.counters["catalogue_MiB"] = catalogue / (1 << 20);
    state.counters["tiles_extra_bytes"] = extra;
}
BENCHMARK(BM_BoardPictureMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
