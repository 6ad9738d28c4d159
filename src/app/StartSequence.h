#pragma once
// The window's start, one step after another:
//
//   Building   the constructor builds what the first frame shows (everything, when nothing
//              waits for the first frame);
//   Activated  first activation (or first showing): maximised, full screen when asked for, the
//              start screen up; the program's own start puts the loading overlay up here, so
//              that its first frame shows it;
//   Painted    the first frame is on the screen (or, shown minimised, 2 s have passed);
//   Completed  the rest of the window is built and the steps waiting for the first frame have
//              run (Qt's Russian texts, the icon, the sound);
//   Loading    the loader makes the program-wide game objects on its own thread;
//   Loaded     loading has ended, every object made or not;
//   Ending     the program is to end: nothing more starts, the loader stops between files.
//
// Without waiting for a first frame (tests, benchmarks) activation goes straight on to loading.
// A first frame painted before the activation that showing the window asks for counts that
// activation first, so the steps always run in this order.
#include <QObject>

#include <functional>

class QTimer;

enum class TStartStep { Building, Activated, Painted, Completed, Loading, Loaded, Ending };

// What the window does at each step.
struct TStartSteps {
    std::function<void()> Activate;         // maximise, start screen
    std::function<void()> ShowOverlay;      // the loading overlay, for the first frame to show
    std::function<void()> BuildRest;        // what the first frame does without
    std::function<void()> AfterFirstFrame;  // the program's own steps; may be left empty
    std::function<void()> Load;             // starts the loader; reports back with Loaded()
};

class TStartSequence : public QObject {
    Q_OBJECT
public:
    TStartSequence(bool WaitForFirstFrame, TStartSteps Steps, QObject* Parent = nullptr);

    TStartStep Step() const { return FStep; }
    bool Reached(TStartStep Step) const { return FStep >= Step && FStep != TStartStep::Ending; }
    // The program's own steps after the first frame (translations, icon, sound); set before showing.
    void SetAfterFirstFrame(std::function<void()> Steps) { FSteps.AfterFirstFrame = std::move(Steps); }

    // The window's first activation or showing; later ones do nothing.
    void Activate();
    // The window has been shown: a window shown minimised never paints, so after 2 s the start
    // goes on as if it had.
    void Shown();
    // The window has painted a frame: the rest follows once that frame has reached the screen.
    void Painted();
    // The loader has ended.
    void Loaded();
    // The program is to end: no later step runs (once loaded, there is none left).
    void End()
    {
        if (FStep != TStartStep::Loaded) FStep = TStartStep::Ending;
    }

    static constexpr int kUnpaintedMs = 2000;

private:
    // Painted → Completed → Loading.
    void Continue();

    bool FWait;
    TStartSteps FSteps;
    TStartStep FStep = TStartStep::Building;
    QTimer* FUnpainted = nullptr;
};
