// The loading overlay with its sliding bar, and the start-up loading behind it: the program-wide
// game objects are made on a background thread while the start screen is up and the bar moves.
#include "app/MainForm.h"
#include "app/StartupLoader.h"
#include "core/Texts.h"
#include "platform/Dialogs.h"
#include "platform/Panel.h"
#include "platform/ScreenCursor.h"

#include <QCoreApplication>
#include <QTimer>

void TMainForm::ShowLoadingOverlay()
{
    // The bar starts wholly left of its track, so it is never seen at its start position.
    ProgressPanel->move(-ProgressPanel->width(), ProgressPanel->y());
    TimerPanel->raise();
    TimerPanel->show();
    Timer1->start();
}

void TMainForm::HideLoadingOverlay()
{
    TimerPanel->hide();
    Timer1->stop();
}

void TMainForm::Timer1Timer()
{
    const int left = ProgressPanel->x();
    const int width = ProgressPanel->width();
    ProgressPanel->move(left < width ? left + 2 : -width, ProgressPanel->y());
}

void TMainForm::StartLoading()
{
    if (FLoader->Started() || FLoaderWaits || FLoadingEnded) return;
    if (Objects.PicGameBuffer) {  // made beforehand, as tests and benchmarks do: nothing to load
        FLoadingEnded = true;
        UpdateGameActions();
        return;
    }
    ShowLoadingOverlay();
    // The program's own start paints its first frame before the loader takes a core.
    if (FOrder == TStartOrder::FirstFrameFirst && !FFirstFrame) {
        FLoaderWaits = true;
        return;
    }
    FLoader->Start([this] { LoaderBody(); });
}

void TMainForm::LoaderBody()
{
    FLoader->Post([this] {
        CompleteBuild();  // the loader touches widgets the first frame does without
        ui::SetScreenCursor(ui::TScreenCursor::HourGlass);
        Panel1->SetDoubleBuffered(true);
        BigImagePanel->SetDoubleBuffered(true);
    });
    bool loaded = true;
    try {
        MakeGameObjects();
    } catch (...) {
        // Whatever went wrong, the user is told the same words; the objects made so far stay.
        loaded = false;
    }
    FLoader->Post([this, loaded] {
        ui::SetScreenCursor(ui::TScreenCursor::Default);
        if (!loaded)
            Context.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption),
                                         QStringLiteral("Ошибка загрузки. Недостаточно памяти"));
        HideLoadingOverlay();
        FLoadingEnded = true;
        UpdateGameActions();
    });
}

void TMainForm::MakeGameObjects()
{
    LoadGameObjects(Context, Objects);
}

void TMainForm::WaitForLoading()
{
    FLoader->Join();
    QCoreApplication::sendPostedEvents(this);
}
