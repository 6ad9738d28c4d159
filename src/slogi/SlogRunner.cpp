#include "slogi/SlogRunner.h"

#include <QWidget>

#include <algorithm>

TSlogRunner::TSlogRunner(QWidget* Runner, std::function<QPoint()> First, std::function<QPoint()> Second)
    : FRunner(Runner), FFirst(std::move(First)), FSecond(std::move(Second)), FTimer(new QTimer(Runner))
{
    FTimer->setObjectName(QStringLiteral("SlogRunnerTimer"));
    FTimer->setInterval(kStepMs);
    FTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(FTimer, &QTimer::timeout, FRunner, [this] { Step(); });
}

TSlogRunner::~TSlogRunner()
{
    if (FTimer) QObject::disconnect(FTimer, nullptr, FRunner, nullptr);
}

double TSlogRunner::Position(const TSlogFusion& Fusion, qint64 Elapsed)
{
    const double done = std::clamp(double(Elapsed) / kRunMs, 0.0, 1.0);
    return Fusion.From + (Fusion.To - Fusion.From) * done;
}

void TSlogRunner::Run(const TSlogFusion& Fusion)
{
    FFusion = Fusion;
    FClock.start();
    PlaceAt(Fusion.From);
    FRunner->show();
    FRunner->raise();
    FTimer->start();
}

void TSlogRunner::Stop()
{
    FTimer->stop();
    FRunner->hide();
}

void TSlogRunner::Step()
{
    const qint64 elapsed = FClock.elapsed();
    PlaceAt(Position(FFusion, elapsed));
    if (elapsed >= kRunMs) FTimer->stop();  // at rest where it arrived
}

void TSlogRunner::PlaceAt(double Position)
{
    const QPoint first = FFirst(), second = FSecond();
    const QPoint centre(first.x() + int((second.x() - first.x()) * Position), first.y());
    const QRect bounds(centre - QPoint(FRunner->width() / 2, FRunner->height() / 2), FRunner->size());
    // Kept as its base bounds at the parent's size now, as any widget code moves.
    FRunner->setGeometry(bounds);
}
