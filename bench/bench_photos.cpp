// A parent's phone photos as word pictures: 100 JPEGs of 4000 × 3000 in Pic/Images/Rus, and the
// first opening of "Найди букву" over them, with an empty thumbnail cache (cold) and again with
// the cache the cold opening left (warm). Also the memory the picture screens take with the demo
// content beside this program.
//
// Every opening runs in a fresh child process of this same file, so that its resident memory is
// that opening's alone and no decoded picture or page cache of an earlier one is counted. The child
// writes one line of figures; the parent keeps the medians. The photos are generated once per run
// into a temporary folder and never kept.
#include "BenchSupport.h"
#include "app/MainForm.h"
#include "games/GameObjects.h"
#include "letters/Letter.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/PictureDecoding.h"
#include "pictures/ThumbnailCache.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "support/TestForm.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <sys/resource.h>
#include <turbojpeg.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using bench::Median;
using bench::TSilentDialogs;
using bench::TSilentSpeech;

namespace {

using TClock = std::chrono::steady_clock;

constexpr int kPhotos = 100;
constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;

constexpr const char* kChildVariable = "KV_PHOTO_BENCH_CHILD";
constexpr const char* kFolderVariable = "KV_PHOTO_BENCH_FOLDER";
constexpr const char* kFiguresMarker = "KV_PHOTO_FIGURES";

// Kibibytes of one line of /proc/self/status ("VmRSS", "VmHWM").
double StatusKiB(const char* Field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QByteArray prefix = QByteArray(Field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble();
    return 0;
}

double ResidentMiB()
{
    return StatusKiB("VmRSS") / 1024.0;
}

double PeakResidentMiB()
{
    return StatusKiB("VmHWM") / 1024.0;
}

// CPU seconds of the whole process so far, every thread together.
double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

bool RunEventsUntil(const std::function<bool()>& Done, int TimeoutMs = 600000)
{
    return bench::RunEventsUntil(Done, TimeoutMs, 20);
}

// The longest stretch the window's thread went without running its event loop, measured by a
// 5 ms timer: how long the window stood frozen.
class TStallWatch {
public:
    TStallWatch()
    {
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            const auto now = TClock::now();
            FLongest = std::max(FLongest, now - FLast);
            FLast = now;
        });
        FLast = TClock::now();
        FTimer.start(5);
    }
    double LongestMs() const
    {
        const auto tail = TClock::now() - FLast;  // a stall still going on counts too
        return std::chrono::duration<double, std::milli>(std::max(FLongest, tail)).count();
    }

private:
    QTimer FTimer;
    TClock::time_point FLast;
    TClock::duration FLongest{};
};

// A picture that compresses like a photo: smooth colour fields under fine noise.
QImage PhotoLike(int Seed)
{
    QImage img(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    QRandomGenerator rng(static_cast<quint32>(Seed + 1));
    for (int y = 0; y < kPhotoHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kPhotoWidth; ++x) {
            const int n = int(rng.bounded(24));
            line[x] = qRgb((x / 16 + Seed * 13 + n) & 255, (y / 12 + n) & 255, ((x + y) / 24 + Seed * 7 + n) & 255);
        }
    }
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((Seed * 37) % 360, 160, 220));
    p.drawEllipse(400, 300, kPhotoWidth - 800, kPhotoHeight - 600);
    return img;
}

// The program folder: the photos as word pictures, small letter pictures, no sound.
struct TPhotoContent {
    QTemporaryDir Dir;
    QString Folder;
    qint64 Bytes = 0;

    TPhotoContent() : Folder(Dir.path() + "/")
    {
        QDir(Folder).mkpath("Pic/Images/Rus");
        QDir(Folder).mkpath("Pic/Alphabet/Rus");
        const QString letters = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
        const QString words = Folder + "Pic/Images/Rus/";
        // Two at a time: encoding a 12-megapixel JPEG takes a while.
        std::vector<QFuture<void>> jobs;
        for (int i = 0; i < kPhotos; ++i) {
            const QString path = words + QString(letters[i % letters.size()]) + QStringLiteral("фото%1.jpg").arg(i);
            jobs.push_back(QtConcurrent::run([path, i] { PhotoLike(i).save(path, "JPG", 90); }));
        }
        for (auto& job : jobs) job.waitForFinished();
        for (const QFileInfo& f : QDir(words).entryInfoList(QDir::Files)) Bytes += f.size();

        const TSettings settings = TSettings::ForProgramFolder(Folder);
        TRusLetterCollection alphabet(settings);
        alphabet.MakeLetters();
        for (int i = 0; i < alphabet.Count(); ++i) {
            QImage letter(200, 200, QImage::Format_RGB32);
            letter.fill(QColor::fromHsv(i * 10, 120, 230));
            letter.save(TLetterCollection::PictureFileName(settings,
                                                           alphabet.GetLetter(static_cast<unsigned short>(i))->LowerLetter),
                        "JPG", 85);
        }
    }
};

TPhotoContent& PhotoContent()
{
    static TPhotoContent c;
    return c;
}

// The window as after start-up: the program-wide objects made, shown and activated.
struct TShownWindow {
    TSilentDialogs Dialogs;
    TSilentSpeech Speech;
    TTestForm Form;

    explicit TShownWindow(const QString& Folder) : Form(&Dialogs, Folder)
    {
        Form.SetSpeech(&Speech);
        Form.show();
        RunEventsUntil([&] { return Form.Activated(); }, 2000);
        if (!Form.Activated()) Form.FormActivate();
        RunEventsUntil([&] { return Form.LoadingEnded(); });
        Form.WaitForLoading();
        QCoreApplication::processEvents();
    }
};

// Whether a picture game's strip is up: every picture in it, the first one current and shown.
bool StripReady(const TImgPanelCollection& Strip, int Pictures, const TImage* Big)
{
    return Strip.Loaded && Strip.Count() == Pictures && Strip.SelectedIndex == 0 && Big && !Big->Picture().isNull();
}

// ---------------------------------------------------------------------------------------------
// The children.

// The first opening of "Найди букву" over the photo folder; the thumbnail cache is whatever the
// parent's XDG_CACHE_HOME holds.
void ChildPhotoOpening(benchmark::State& State)
{
    for (auto _ : State) {
        const QString folder = qEnvironmentVariable(kFolderVariable);
        const int pictures = int(fs::ListFiles(folder + "Pic/Images/Rus/", "*.jpg").size());
        TShownWindow w(folder);
        const double before = ResidentMiB();
        TStallWatch stalls;
        const double cpu0 = ProcessCpuSeconds();
        const auto t0 = TClock::now();
        Named<QAction>(w.Form, "FindLetter")->trigger();
        const bool ready = RunEventsUntil(
            [&] { return StripReady(*w.Form.Objects.FirstLImgPanels, pictures, Named<TImage>(w.Form, "BigImage")); });
        const double ms = std::chrono::duration<double, std::milli>(TClock::now() - t0).count();
        const double cpu = ProcessCpuSeconds() - cpu0;
        const double stall = stalls.LongestMs();
        QCoreApplication::processEvents();
        std::printf("%s %d %.3f %.3f %.3f %.3f %.3f %.3f\n", kFiguresMarker, ready ? 1 : 0, ms, before, ResidentMiB(),
                    PeakResidentMiB(), stall, cpu * 1000.0);
        std::fflush(stdout);
        _exit(0);
    }
}

// Both picture games and the colouring screen (its first theme, its first page shown large)
// opened one after the other with the demo content, against the window just started.
void ChildDemoScreens(benchmark::State& State)
{
    for (auto _ : State) {
        const QString folder = fs::ExeFolder();
        const int pictures = int(fs::ListFiles(folder + "Pic/Images/Rus/", "*.jpg;*jpeg").size());
        TShownWindow w(folder);
        const double before = ResidentMiB();
        TTestForm& f = w.Form;
        const auto t0 = TClock::now();
        Named<QAction>(f, "FindLetter")->trigger();
        bool ready =
            RunEventsUntil([&] { return StripReady(*f.Objects.FirstLImgPanels, pictures, Named<TImage>(f, "BigImage")); });
        Named<QAction>(f, "MakeWord")->trigger();
        ready = ready && RunEventsUntil([&] {
                    return StripReady(*f.Objects.MakeWImgPanels, pictures, Named<TImage>(f, "MakeWImage"));
                });
        Named<QAction>(f, "CreateRaskraskaMenu")->trigger();
        const auto themes = Named<TPanel>(f, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>();
        ready = ready && !themes.isEmpty();
        if (ready) {
            TSpeedButton* theme = themes.first();
            const int pages =
                int(fs::ListFiles(f.Context().Settings.ColouringRoot + "/" + theme->Caption() + "/", "*.flim").size());
            theme->click();
            TRaskrasImgPanelCollection& strip = *f.Objects.RaskrasImgPanels;
            ready = RunEventsUntil([&] { return strip.Count() == pages && !Named<TPanel>(f, "TimerPanel")->isVisible(); });
            if (ready && pages > 0) strip.GetTile(0)->PictureClick();
        }
        QCoreApplication::processEvents();
        const double ms = std::chrono::duration<double, std::milli>(TClock::now() - t0).count();
        std::printf("%s %d %.3f %.3f %.3f %.3f %.3f %.3f\n", kFiguresMarker, ready ? 1 : 0, ms, before, ResidentMiB(),
                    PeakResidentMiB(), 0.0, 0.0);
        std::fflush(stdout);
        _exit(0);
    }
}

const bool kChildRegistered = [] {
    const QByteArray child = qgetenv(kChildVariable);
    if (child == "photos") benchmark::RegisterBenchmark("ChildPhotoOpening", ChildPhotoOpening)->Iterations(1);
    if (child == "demo") benchmark::RegisterBenchmark("ChildDemoScreens", ChildDemoScreens)->Iterations(1);
    return !child.isEmpty();
}();

struct TFigures {
    bool Ok = false;
    double Ms = 0;
    double RssBefore = 0, RssAfter = 0, Peak = 0;
    double StallMs = 0;
    double CpuMs = 0;  // CPU time of every thread of the child during the opening
};

// Runs this program as the child Name with the extra environment Env and reads its figures.
TFigures RunChild(const char* Name, const char* Filter, const QProcessEnvironment& Env)
{
    QProcess process;
    QProcessEnvironment env = Env;
    env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(Name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--benchmark_filter=^%1/").arg(Filter)});
    TFigures f;
    if (!process.waitForFinished(900000)) {
        process.kill();
        process.waitForFinished();
        return f;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> p = line.trimmed().split(' ');
        if (p.size() != 8 || p[0] != kFiguresMarker) continue;
        f.Ok = p[1] == "1";
        f.Ms = p[2].toDouble();
        f.RssBefore = p[3].toDouble();
        f.RssAfter = p[4].toDouble();
        f.Peak = p[5].toDouble();
        f.StallMs = p[6].toDouble();
        f.CpuMs = p[7].toDouble();
    }
    return f;
}

// The least CPU time a photo's opening can take: libjpeg-turbo decoding it at 1/8 of its size and
// nothing else. With libjpeg-turbo-progs installed that is `djpeg -scale 1/8` (process start and
// all, as a user would measure it); without, TurboJPEG at 1/8 in this process, the file read
// included.
struct TDecoderFloor {
    double CpuMsPerPhoto = 0;
    bool Djpeg = false;
    double WallMs = 0;  // TurboJPEG at 1/8 over the thread pool
};

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ThreadCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

void DecodeAtOneEighth(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colours = 0;
    if (tjDecompressHeader3(handle, data, static_cast<unsigned long>(bytes.size()), &width, &height, &subsampling,
                            &colours) == 0) {
        const tjscalingfactor eighth{1, 8};
        const int w = TJSCALED(width, eighth), h = TJSCALED(height, eighth);
        std::vector<unsigned char> pixels(size_t(w) * size_t(h) * 3);
        tjDecompress2(handle, data, static_cast<unsigned long>(bytes.size()), pixels.data(), w, 0, h, TJPF_RGB,
                      TJFLAG_ACCURATEDCT);
        benchmark::DoNotOptimize(pixels.data());
    }
    tjDestroy(handle);
}

TDecoderFloor DecoderFloor(const QStringList& Paths)
{
    TDecoderFloor floor;
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    floor.Djpeg = !djpeg.isEmpty();
    const double cpu0 = floor.Djpeg ? ChildrenCpuSeconds() : ThreadCpuSeconds();
    for (const QString& path : Paths) {
        if (!floor.Djpeg) {
            DecodeAtOneEighth(path);
            continue;
        }
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(djpeg, {QStringLiteral("-scale"), QStringLiteral("1/8"), path});
        process.waitForFinished();
    }
    const double cpu = (floor.Djpeg ? ChildrenCpuSeconds() : ThreadCpuSeconds()) - cpu0;
    floor.CpuMsPerPhoto = Paths.isEmpty() ? 0 : cpu * 1000.0 / double(Paths.size());
    // The same decoding spread over the thread pool, by the clock: on a loaded machine the floor
    // the opening meets, since the load slows both alike.
    const auto t0 = TClock::now();
    QtConcurrent::blockingMap(Paths, DecodeAtOneEighth);
    floor.WallMs = std::chrono::duration<double, std::milli>(TClock::now() - t0).count();
    return floor;
}

// ---------------------------------------------------------------------------------------------
// Benchmarks.

// The first opening of "Найди букву" over 100 photos of 4000 × 3000, from the menu action to the
// strip filled with the first picture current, on every core the machine has. Cold: an empty
// thumbnail cache; warm: a later run with the cache the cold one left. Targets: cold ≤ 1.35 × the
// decoder's floor (below), warm ≤ 0.3 s, resident memory growth ≤ 120 MiB. Also the peak resident memory over the window
// before the opening, the longest the window went without running its event loop, and the CPU
// time all threads spent (on a busy shared machine the wall time is the CPU time the process
// was given; on an idle 2-core one it is about half the CPU time). The floor is DecoderFloor's CPU
// time per photo on the same files, spread over the cores the opening uses (cold_over_floor, the
// target). On a loaded machine the wall time is the load's: there cold_over_floor_wall (the floor
// decoded over the thread pool, by the clock, in the same run) and cold_cpu_over_floor_cpu tell
// more.
void BM_PhotoFolderFirstOpening(benchmark::State& State)
{
    if (kChildRegistered) return;
    TPhotoContent& content = PhotoContent();
    QStringList photos;
    for (const QFileInfo& f : QDir(content.Folder + "Pic/Images/Rus/").entryInfoList(QDir::Files))
        photos.append(f.absoluteFilePath());
    const TDecoderFloor floor = DecoderFloor(photos);
    const int cores = std::max(1, QThread::idealThreadCount());  // the thread pool's size in the child
    std::vector<double> coldMs, warmMs, coldGrowth, warmGrowth, coldPeak, warmPeak, coldStall, warmStall, coldCpu, warmCpu;
    for (auto _ : State) {
        QTemporaryDir cache;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kFolderVariable), content.Folder);
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const TFigures cold = RunChild("photos", "ChildPhotoOpening", env);
        const TFigures warm = RunChild("photos", "ChildPhotoOpening", env);
        if (!cold.Ok || !warm.Ok) {
            State.SkipWithError("an opening did not finish");
            return;
        }
        State.SetIterationTime(cold.Ms / 1000.0);
        coldMs.push_back(cold.Ms);
        warmMs.push_back(warm.Ms);
        coldGrowth.push_back(cold.RssAfter - cold.RssBefore);
        warmGrowth.push_back(warm.RssAfter - warm.RssBefore);
        coldPeak.push_back(cold.Peak - cold.RssBefore);
        warmPeak.push_back(warm.Peak - warm.RssBefore);
        coldStall.push_back(cold.StallMs);
        warmStall.push_back(warm.StallMs);
        coldCpu.push_back(cold.CpuMs);
        warmCpu.push_back(warm.CpuMs);
    }
    State.counters["cold_ms"] = Median(coldMs);
    State.counters["warm_ms"] = Median(warmMs);
    State.counters["cold_rss_growth_MiB"] = Median(coldGrowth);
    State.counters["warm_rss_growth_MiB"] = Median(warmGrowth);
    State.counters["cold_peak_growth_MiB"] = Median(coldPeak);
    State.counters["warm_peak_growth_MiB"] = Median(warmPeak);
    State.counters["cold_longest_stall_ms"] = Median(coldStall);
    State.counters["warm_longest_stall_ms"] = Median(warmStall);
    State.counters["photos_MiB_on_disk"] = double(content.Bytes) / (1 << 20);
    // CPU time over wall time: how much of the machine the opening got (2 on an idle 2-core box).
    State.counters["cold_cpu_ms"] = Median(coldCpu);
    State.counters["warm_cpu_ms"] = Median(warmCpu);
    const double photoCount = double(std::max<qsizetype>(1, photos.size()));
    const double floorMs = floor.CpuMsPerPhoto * photoCount / cores;
    State.counters["cold_cpu_ms_per_photo"] = Median(coldCpu) / photoCount;
    State.counters["floor_cpu_ms_per_photo"] = floor.CpuMsPerPhoto;
    State.counters["floor_is_djpeg"] = floor.Djpeg ? 1 : 0;  // 0: TurboJPEG at 1/8 in this process
    State.counters["floor_ms"] = floorMs;
    State.counters["cold_over_floor"] = floorMs > 0 ? Median(coldMs) / floorMs : 0;
    State.counters["cold_cpu_over_floor_cpu"] =
        floor.CpuMsPerPhoto > 0 ? Median(coldCpu) / photoCount / floor.CpuMsPerPhoto : 0;
    State.counters["floor_wall_ms"] = floor.WallMs;
    State.counters["cold_over_floor_wall"] = floor.WallMs > 0 ? Median(coldMs) / floor.WallMs : 0;
}
BENCHMARK(BM_PhotoFolderFirstOpening)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Both picture games and the colouring screen opened with the demo content: resident memory over
// the figure after start-up (target ≤ 40 MiB), and the peak over it.
void BM_DemoScreensMemory(benchmark::State& State)
{
    if (kChildRegistered) return;
    if (!fs::DirectoryExists(fs::ExeFolder() + "Pic/Images/Rus")) {
        State.SkipWithError("no demo content beside the benchmark (build the demo_content target)");
        return;
    }
    std::vector<double> growth, peak, ms;
    for (auto _ : State) {
        QTemporaryDir cache;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
        const TFigures f = RunChild("demo", "ChildDemoScreens", env);
        if (!f.Ok) {
            State.SkipWithError("the screens did not open");
            return;
        }
        State.SetIterationTime(f.Ms / 1000.0);
        growth.push_back(f.RssAfter - f.RssBefore);
        peak.push_back(f.Peak - f.RssBefore);
        ms.push_back(f.Ms);
    }
    State.counters["rss_growth_MiB"] = Median(growth);
    State.counters["peak_growth_MiB"] = Median(peak);
    State.counters["open_ms"] = Median(ms);
}
BENCHMARK(BM_DemoScreensMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

namespace {

// One photo on this thread: decoded to a thumbnail's size, the same kept in the thumbnail cache
// (decoding, encoding and writing the entry), read back from the cache, and decoded whole.
void BM_OnePhoto(benchmark::State& State)
{
    if (kChildRegistered) return;
    const QString folder = PhotoContent().Folder + "Pic/Images/Rus/";
    const QStringList names = fs::ListFiles(folder, "*.jpg");
    const QSize bounds(211, 1 << 16);
    QTemporaryDir cacheDir;
    const TThumbnailCache cache(cacheDir.path());
    std::vector<double> fitted, cached, hit, whole;
    int i = 0;
    for (auto _ : State) {
        const QString path = folder + names[i++ % names.size()];
        auto t0 = TClock::now();
        benchmark::DoNotOptimize(DecodeJpegFileToFit(path, bounds));
        auto t1 = TClock::now();
        benchmark::DoNotOptimize(cache.Read(path, bounds, DecodeJpegFileToFit));
        auto t2 = TClock::now();
        benchmark::DoNotOptimize(cache.Read(path, bounds, DecodeJpegFileToFit));
        auto t3 = TClock::now();
        benchmark::DoNotOptimize(DecodeJpegFileToFit(path, QSize()));
        auto t4 = TClock::now();
        auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
        fitted.push_back(ms(t0, t1));
        cached.push_back(ms(t1, t2));
        hit.push_back(ms(t2, t3));
        whole.push_back(ms(t3, t4));
        State.SetIterationTime(ms(t0, t1) / 1000.0);
    }
    State.counters["fitted_ms"] = Median(fitted);
    State.counters["fitted_and_cached_ms"] = Median(cached);
    State.counters["cache_hit_ms"] = Median(hit);
    State.counters["whole_ms"] = Median(whole);
}
BENCHMARK(BM_OnePhoto)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
