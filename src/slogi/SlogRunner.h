#pragma once
// The runner of "Собери слог" on its way along the track while a syllable is drawn out: it moves
// in small steps for the length of the drawn-out sound and then rests where it arrived. Its timer
// runs only while it moves, so a screen at rest wakes nobody.
#include "slogi/SlogBuildGame.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

class TSlogRunner {
public:
    // How long a way takes: about as long as a drawn-out syllable ("мммаа" is 0.8 s).
    static constexpr int kRunMs = 800;
    static constexpr int kStepMs = 16;

    // Runner moves over its parent between the centres of the two slots, First and Second (in the
    // parent's coordinates, as the slots lie when a way begins). Its timer is Runner's child,
    // "SlogRunnerTimer".
    TSlogRunner(QWidget* Runner, std::function<QPoint()> First, std::function<QPoint()> Second);
    ~TSlogRunner();
    TSlogRunner(const TSlogRunner&) = delete;
    TSlogRunner& operator=(const TSlogRunner&) = delete;

    // Sets off along Fusion's way from its start.
    void Run(const TSlogFusion& Fusion);
    // Stops where it is (a new lesson, another exercise) and hides.
    void Stop();
    bool Running() const { return FTimer->isActive(); }

    // Where along the track (0: the first slot, 1: the second) the runner of Fusion stands after
    // Elapsed ms: evenly from From to To over kRunMs, at To after that.
    static double Position(const TSlogFusion& Fusion, qint64 Elapsed);

private:
    void Step();
    void PlaceAt(double Position);

    QWidget* FRunner;
    std::function<QPoint()> FFirst;
    std::function<QPoint()> FSecond;
    QPointer<QTimer> FTimer;  // the window may free it first
    QElapsedTimer FClock;
    TSlogFusion FFusion;
};
