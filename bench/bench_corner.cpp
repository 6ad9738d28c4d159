// The grown-ups' corner: from "Стоп" to the prepared clip of a 2 s recording, a 12-megapixel photo
// added as a word picture, one move of the colouring page's detail slider on such a photo, the
// first colouring page's preview after "Сделать раскраску" in a fresh process, where the corner's
// module (OpenCV) is loaded by that press, and the "Голос" section opened over a voice with every
// clip of the letters and of "Слоги". Each reports the median of its iterations in milliseconds.
#include "BenchSupport.h"
#include "core/AppContext.h"
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "pictures/ColouringPages.h"
#include "pictures/WordPictures.h"
#include "platform/UserFiles.h"
#include "platform/modules/ModuleLoader.h"
#include "sound/ClipRecorder.h"
#include "support/FakeDialogs.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// 2 s at 48 kHz: a quiet room, then a voice-like sound (a few harmonics under a syllable's swell), then the room.
std::vector<int16_t> TwoSecondRecording()
{
    std::vector<int16_t> samples(96000);
    QRandomGenerator noise(7);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / 48000.0;
        double v = (noise.generateDouble() - 0.5) * 0.002;
        if (t > 0.5 && t < 1.4) {
            const double swell = std::sin(std::numbers::pi * (t - 0.5) / 0.9);
            for (int h = 1; h <= 5; ++h) v += swell * 0.08 / h * std::sin(2 * std::numbers::pi * 180.0 * h * t);
        }
        samples[i] = int16_t(v * 32767);
    }
    return samples;
}

// A 4000 × 3000 photo-like JPEG: shapes, gradients and sensor noise, so it compresses as a photo does.
QString TwelveMegapixelPhoto(const QTemporaryDir& Dir)
{
    const QString path = Dir.filePath(QStringLiteral("photo.jpg"));
    if (QFileInfo::exists(path)) return path;
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(60, 110, 40));
    painter.fillRect(photo.rect(), sky);
    QRandomGenerator random(11);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 120 + random.bounded(120), 80 + random.bounded(170)));
        painter.setPen(QPen(Qt::black, 1 + random.bounded(6)));
        painter.drawEllipse(QPoint(random.bounded(4000), random.bounded(3000)), 50 + random.bounded(500),
                            50 + random.bounded(400));
    }
    painter.end();
    for (int y = 0; y < photo.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int n = int(random.bounded(9)) - 4;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255), std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    photo.save(path, "JPEG", 92);
    return path;
}

void Report(benchmark::State& State, const std::vector<double>& Ms)
{
    State.counters["median_ms"] = bench::Median(Ms);
}

void BM_StopToPreparedClip(benchmark::State& State)
{
    const std::vector<int16_t> recording = TwoSecondRecording();
    QTemporaryDir dir;
    std::vector<double> ms;
    for (auto _ : State) {
        QElapsedTimer timer;
        timer.start();
        // What "Стоп" does after the microphone closes: prepare, encode, lay the take out to be heard.
        const clip::TTake take = clip::MakeTake(recording, 48000, -18.0);
        QFile file(dir.filePath(QStringLiteral("take.mp3")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(take.Mp3);
        file.close();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        if (take.Status != clip::TTakeStatus::Ready) State.SkipWithError("the take was not ready");
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
}
BENCHMARK(BM_StopToPreparedClip)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_PhotoImport(benchmark::State& State)
{
    QTemporaryDir files, user;
    const QString photo = TwelveMegapixelPhoto(files);
    std::vector<double> ms;
    for (auto _ : State) {
        QElapsedTimer timer;
        timer.start();
        const auto error = wordpics::ImportWordPicture(photo, QStringLiteral("кот"), user.path());
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        if (error) State.SkipWithError(error->toStdString().c_str());
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
    State.counters["file_kb"] =
        double(QFileInfo(wordpics::OwnPicturePath(user.path(), QStringLiteral("кот"))).size()) / 1024.0;
}
BENCHMARK(BM_PhotoImport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

void BM_PagePreviewSliderMove(benchmark::State& State)
{
    QTemporaryDir files;
    pages::TPageMaker maker;
    if (maker.Open(TwelveMegapixelPhoto(files))) State.SkipWithError("the photo did not open");
    std::vector<double> ms;
    int detail = 0;
    for (auto _ : State) {
        detail = (detail + 37) % 101;
        QElapsedTimer timer;
        timer.start();
        const QImage preview = maker.Preview(detail);
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        benchmark::DoNotOptimize(preview.constBits());
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
}
BENCHMARK(BM_PagePreviewSliderMove)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(21);

// For the record: the whole page at full size, which "Сохранить раскраску" draws once.
void BM_PageFullSize(benchmark::State& State)
{
    QTemporaryDir files;
    pages::TPageMaker maker;
    if (maker.Open(TwelveMegapixelPhoto(files))) State.SkipWithError("the photo did not open");
    std::vector<double> ms;
    for (auto _ : State) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(maker.Page(50).constBits());
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
}
BENCHMARK(BM_PageFullSize)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// ---------------------------------------------------------------------------------------------
// The "Голос" section over a program folder holding every clip both voices can say (tiny files:
// what is measured is the list, not the decoding).

struct TVoiceCorner {
    QTemporaryDir Home;
    bench::TSilentSpeech Speech;
    TFakeDialogs Dialogs;
    TAppContext Context;
    QWidget Window;
    TGrownUpsCorner* Corner;

    TVoiceCorner()
    {
        const QString program = Home.filePath(QStringLiteral("program/"));
        for (const QString& voice : {QStringLiteral("Женский голос"), QStringLiteral("Мужской голос")})
            for (const ownclips::TSpokenClip& clip : ownclips::SpokenClips(Home.filePath(QStringLiteral("none")), {}, voice))
                userfiles::WriteFileAtomically(program + clip.Relative, "x");
        Context.Settings = TSettings::ForProgramFolder(program);
        Context.Dialogs = &Dialogs;
        Context.Speech = &Speech;
        Window.resize(1107, 799);
        Corner = new TGrownUpsCorner(&Window, Context);
        Corner->SetUserFolder(Home.filePath(QStringLiteral("kvarnel/")));
        Window.show();
    }
    // Through the door: the sections shown, laid out and painted.
    void Enter()
    {
        Corner->Open();
        Corner->Gate()->AnswerEdit()->setText(QString::number(Corner->Gate()->Answer()));
        Corner->Gate()->EnterButton()->click();
        QCoreApplication::processEvents();
        Window.repaint();
    }
};

double ShownClipRows(const QWidget& Window)
{
    int rows = 0;
    for (const QWidget* row : Window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^ClipRow:"))))
        rows += row->isVisible() ? 1 : 0;
    return rows;
}

// From the door's answer to the sections painted, "Голос" in front.
void BM_VoiceSectionOpening(benchmark::State& State)
{
    TVoiceCorner corner;
    corner.Enter();  // the first opening builds the corner itself
    corner.Corner->Close();
    std::vector<double> ms;
    for (auto _ : State) {
        QElapsedTimer timer;
        timer.start();
        corner.Enter();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        corner.Corner->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
    corner.Enter();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    State.counters["clip_rows"] = ShownClipRows(corner.Window);
}
BENCHMARK(BM_VoiceSectionOpening)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// For the record: every heading and lesson of "Слоги" opened, one after the other, once the section
// is shown, which is what building all its rows at the opening would add to it.
void BM_VoiceEveryLessonOpened(benchmark::State& State)
{
    TVoiceCorner corner;
    std::vector<double> ms;
    for (auto _ : State) {
        corner.Enter();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the rows of the opening before
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < 2; ++round)  // the headings, then the lessons they hold
            for (QPushButton* fold :
                 corner.Window.findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^FoldButton:"))))
                if (!fold->isChecked()) fold->click();
        QCoreApplication::processEvents();
        corner.Window.repaint();
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        State.counters["clip_rows"] = ShownClipRows(corner.Window);
        // Folded again for the next round, as a grown-up would find the section.
        for (QPushButton* fold :
             corner.Window.findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^FoldButton:"))))
            if (fold->isChecked()) fold->click();
        corner.Corner->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
    }
    Report(State, ms);
}
BENCHMARK(BM_VoiceEveryLessonOpened)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

// ---------------------------------------------------------------------------------------------
// The first page in a fresh process: the press loads the module, as the program's first page does.

constexpr const char* kChildVariable = "KV_CORNER_BENCH_CHILD";
constexpr const char* kPhotoVariable = "KV_CORNER_BENCH_PHOTO";
constexpr const char* kFiguresMarker = "KV_CORNER_FIGURES";

// The corner open on a window of its own, its door passed, the file dialog answering with the photo.
struct TOpenCorner {
    QTemporaryDir Home;
    bench::TSilentSpeech Speech;
    TFakeDialogs Dialogs;
    TAppContext Context;
    QWidget Window;
    TGrownUpsCorner* Corner;

    explicit TOpenCorner(const QString& Photo)
    {
        Dialogs.FileToOpen = Photo;
        Context.Settings = TSettings::ForProgramFolder(Home.filePath(QStringLiteral("program/")));
        Context.Dialogs = &Dialogs;
        Context.Speech = &Speech;
        Window.resize(1107, 799);
        Corner = new TGrownUpsCorner(&Window, Context);
        Corner->SetUserFolder(Home.filePath(QStringLiteral("kvarnel/")));
        Window.show();
        Corner->Open();
        Corner->Gate()->AnswerEdit()->setText(QString::number(Corner->Gate()->Answer()));
        Corner->Gate()->EnterButton()->click();
        QCoreApplication::processEvents();
    }
};

// One child: "Сделать раскраску" pressed, the photo chosen at once, to the preview shown; then, for
// the record, the module's load alone as the press did it (measured again in a child of its own).
void ChildFirstPage(benchmark::State& State)
{
    for (auto _ : State) {
        const QString mode = qEnvironmentVariable(kChildVariable);
        double ms = 0;
        bool shown = false;
        if (mode == QLatin1String("load")) {
            QElapsedTimer timer;
            timer.start();
            shown = modules::CornerModule() != nullptr;
            ms = double(timer.nsecsElapsed()) / 1e6;
        } else {
            TOpenCorner corner(qEnvironmentVariable(kPhotoVariable));
            QPushButton* make = corner.Corner->findChild<QPushButton*>(QStringLiteral("MakePageButton"));
            QLabel* preview = corner.Corner->findChild<QLabel*>(QStringLiteral("PreviewLabel"));
            QElapsedTimer timer;
            timer.start();
            if (make) make->click();
            ms = double(timer.nsecsElapsed()) / 1e6;
            shown = preview && !preview->pixmap().isNull();
        }
        std::printf("%s %d %.3f\n", kFiguresMarker, shown ? 1 : 0, ms);
        std::fflush(stdout);
        _exit(0);
    }
}

const bool kChildRegistered = [] {
    if (qgetenv(kChildVariable).isEmpty()) return false;
    benchmark::RegisterBenchmark("ChildFirstPage", ChildFirstPage)->Iterations(1);
    return true;
}();

// Runs this program as a child in Mode; its milliseconds, or a negative figure when it failed.
double RunChild(const char* Mode, const QString& Photo)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildVariable), QString::fromLatin1(Mode));
    env.insert(QString::fromLatin1(kPhotoVariable), Photo);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
    process.setProcessEnvironment(env);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--benchmark_filter=^ChildFirstPage")});
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> p = line.trimmed().split(' ');
        if (p.size() == 3 && p[0] == kFiguresMarker) return p[1] == "1" ? p[2].toDouble() : -1;
    }
    return -1;
}

// Target: the median at most 300 ms.
void BM_FirstPagePreviewFreshProcess(benchmark::State& State)
{
    if (kChildRegistered) return;
    QTemporaryDir files;
    const QString photo = TwelveMegapixelPhoto(files);
    RunChild("page", photo);  // the disk cache warm for the module and OpenCV, as after any earlier start
    std::vector<double> pressed, loaded;
    for (auto _ : State) {
        const double page = RunChild("page", photo), load = RunChild("load", photo);
        if (page < 0 || load < 0) {
            State.SkipWithError("a child did not show the preview or load the module");
            return;
        }
        State.SetIterationTime(page / 1000.0);
        pressed.push_back(page);
        loaded.push_back(load);
    }
    State.counters["median_ms"] = bench::Median(pressed);
    State.counters["module_load_ms"] = bench::Median(loaded);
    std::printf(
        "\nFirst colouring page, %zu fresh processes, medians: press to preview %.1f ms (target <= 300), "
        "of which the module's load about %.1f ms\n\n",
        pressed.size(), bench::Median(pressed), bench::Median(loaded));
    std::fflush(stdout);
}
BENCHMARK(BM_FirstPagePreviewFreshProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
