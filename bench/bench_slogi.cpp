// "Слоги": from the menu's action to the first frame of each exercise's screen, and from a tile's
// click to the first sound it brings (a letter's sound in "Собери слог", the praise in "Найди
// слог"), over the demo content beside the benchmark, the sound on SDL's silent driver (which keeps
// a real device's pace). Targets: an opening within 150 ms, a click's first sound within 100 ms.
#include "BenchSupport.h"
#include "games/GameObjects.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "sound/EngineMediaPlayer.h"
#include "sound/SoundSystem.h"
#include "support/TestForm.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>

#include <chrono>
#include <memory>
#include <thread>

using bench::Median;
using bench::TSilentDialogs;
using bench::TSilentSpeech;
using TClock = std::chrono::steady_clock;

namespace {

// Each exercise's button in the chooser, and a tile its page shows once it is ready.
const char* const kChoices[] = {"SlogFindSpeedButton", "SlogBuildSpeedButton", "SlogReadSpeedButton"};
const char* const kReadyTiles[] = {"SlogFindTile1Panel", "SlogVowelTile1Panel", "SlogWordTilePanel"};

QString Demo()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

bool HaveDemo()
{
    return QDir(Demo() + QStringLiteral("Sound/Женский голос/Слоги")).exists();
}

// The window over the demo content at 1280 x 800, its objects made and its activities loaded.
struct TSlogWindow {
    TSilentDialogs Dialogs;
    TTestForm Form{&Dialogs, Demo()};

    explicit TSlogWindow(ISpeech& Speech)
    {
        Form.SetSpeech(&Speech);
        Form.show();
        LoadGameObjects(Form.Context(), Form.Objects);
        Form.FormActivate();
        Form.setWindowState(Qt::WindowNoState);
        Form.resize(1280, 800);
        QCoreApplication::processEvents();
        Form.StartLoading();
    }
    ~TSlogWindow()
    {
        Form.SetSpeech(nullptr);
        Form.Objects.Reset();
    }

    // The shown tile assistive technology calls Name, pressed as a click.
    void Press(const QString& Name)
    {
        for (TPanel* p : Named<TPanel>(Form, "SlogPanel")->findChildren<TPanel*>())
            if (p->isVisible() && p->accessibleName() == Name) {
                p->findChild<TLabel*>(QString(), Qt::FindDirectChildrenOnly)->Press();
                return;
            }
        throw std::runtime_error("no tile " + Name.toStdString());
    }
    void Open(const char* Choice)
    {
        Named<QAction>(Form, "Slogi")->trigger();
        Named<TSpeedButton>(Form, Choice)->click();
    }
};

// The menu's action, the exercise chosen, its content in (the word pictures, read the first time
// "Читаем слова" opens), and the window drawn: a fresh window every time.
void BM_SlogiOpeningToFirstFrame(benchmark::State& State)
{
    if (!HaveDemo()) {
        State.SkipWithError("no demo content beside the benchmark");
        return;
    }
    const char* choice = kChoices[State.range(0)];
    TSilentSpeech speech;
    std::vector<double> ms;
    for (auto _ : State) {
        State.PauseTiming();
        auto window = std::make_unique<TSlogWindow>(speech);
        State.ResumeTiming();
        const auto t0 = TClock::now();
        window->Open(choice);
        TPanel* ready = Named<TPanel>(window->Form, kReadyTiles[State.range(0)]);
        bench::RunEventsUntil([&] { return ready->isVisible(); }, 10000, 5);
        const QImage frame = window->Form.grab().toImage();
        const double elapsed = std::chrono::duration<double, std::milli>(TClock::now() - t0).count();
        benchmark::DoNotOptimize(frame.constBits());
        State.SetIterationTime(elapsed / 1000.0);
        ms.push_back(elapsed);
        State.PauseTiming();
        window.reset();
        State.ResumeTiming();
    }
    State.counters["median_ms"] = Median(ms);
    State.SetLabel(choice);
}
BENCHMARK(BM_SlogiOpeningToFirstFrame)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(9);

// From the click to the first frame of its first sound mixed into the device stream.
double ClickToSound(TSlogWindow& Window, TEngineMediaPlayer& Player, const QString& Tile)
{
    const auto t0 = TClock::now();
    Window.Press(Tile);
    bench::RunEventsUntil([&] { return Player.Times().StartFrame >= 0 && Player.Times().StartedAt >= t0; }, 5000, 1);
    return std::chrono::duration<double, std::milli>(Player.Times().StartedAt - t0).count();
}

void BM_SlogiClickToFirstSound(benchmark::State& State)
{
    if (!HaveDemo()) {
        State.SkipWithError("no demo content beside the benchmark");
        return;
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    TSilentSpeech silent;
    TSlogWindow window(silent);
    // The speech reads the window's settings (the voice, the content roots), as in the program.
    std::unique_ptr<TSoundSystem> sound = MakeSoundSystem(window.Dialogs, window.Form.Context().Settings, {});
    auto& player = dynamic_cast<TEngineMediaPlayer&>(*sound->MediaPlayer1);
    window.Form.SetSpeech(sound->Speech.get());
    std::vector<double> letter, praise;
    for (auto _ : State) {
        window.Open("SlogBuildSpeedButton");
        letter.push_back(ClickToSound(window, player, QStringLiteral("Буква М")));
        window.Open("SlogFindSpeedButton");
        // The syllable asked is the one the second player holds.
        const QString asked = sound->Speech->SecondPlayerFileName().section(u'/', -1).chopped(4);
        praise.push_back(ClickToSound(window, player, QStringLiteral("Слог ") + asked.toUpper()));
        State.SetIterationTime(letter.back() / 1000.0);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    State.counters["letter_sound_ms"] = Median(letter);
    State.counters["praise_ms"] = Median(praise);
}
BENCHMARK(BM_SlogiClickToFirstSound)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
