#include "app/StartSequence.h"

#include <QMetaObject>
#include <QTimer>

TStartSequence::TStartSequence(bool WaitForFirstFrame, TStartSteps Steps, QObject* Parent)
    : QObject(Parent), FWait(WaitForFirstFrame), FSteps(std::move(Steps)), FUnpainted(new QTimer(this))
{
    FUnpainted->setSingleShot(true);
    FUnpainted->setInterval(kUnpaintedMs);
    connect(FUnpainted, &QTimer::timeout, this, [this] { Painted(); });
}

void TStartSequence::Activate()
{
    if (FStep != TStartStep::Building) return;
    FStep = TStartStep::Activated;
    FSteps.Activate();
    if (FWait) {
        // The program's start paints its first frame, with the overlay, before the loader takes a core.
        FSteps.ShowOverlay();
        return;
    }
    FStep = TStartStep::Loading;
    FSteps.Load();
}

void TStartSequence::Shown()
{
    if (FWait && FStep < TStartStep::Painted) FUnpainted->start();
}

void TStartSequence::Painted()
{
    if (!FWait || FStep >= TStartStep::Painted) return;
    FUnpainted->stop();
    if (FStep == TStartStep::Activated) FStep = TStartStep::Painted;
    // Queued: it runs once this paint pass has reached the screen.
    QMetaObject::invokeMethod(
        this, [this] { Continue(); }, Qt::QueuedConnection);
}

void TStartSequence::Continue()
{
    // Painted before the activation that the showing has asked for: that activation comes first.
    if (FStep == TStartStep::Building) Activate();
    if (FStep == TStartStep::Activated) FStep = TStartStep::Painted;
    if (FStep != TStartStep::Painted) return;
    FStep = TStartStep::Completed;
    FSteps.BuildRest();
    if (FSteps.AfterFirstFrame) FSteps.AfterFirstFrame();
    if (FStep != TStartStep::Completed) return;  // ended meanwhile
    FStep = TStartStep::Loading;
    FSteps.Load();
}

void TStartSequence::Loaded()
{
    if (FStep == TStartStep::Loading) FStep = TStartStep::Loaded;
}
