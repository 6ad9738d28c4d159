// The loading overlay with its sliding bar, and the start-up loading behind it: the program-wide
// game objects are made on a background thread while the start screen is up and the bar moves.
#include "app/Log.h"
#include "app/MainForm.h"
#include "app/StartupLoader.h"
#include "core/Texts.h"
#include "platform/Dialogs.h"
#include "platform/Panel.h"
#include "platform/ScreenCursor.h"

#include <QCoreApplication>
#include <QTimer>

#include <new>
#include <stdexcept>

void TLoadingOverlay::ShowLoadingOverlay()
{
    // The bar starts wholly left of its track, so it is never seen at its start position.
    ProgressPanel->move(-ProgressPanel->width(), ProgressPanel->y());
    TimerPanel->raise();
    TimerPanel->show();
    Timer1->start();
}

void TLoadingOverlay::HideLoadingOverlay()
{
    TimerPanel->hide();
    Timer1->stop();
}

bool TLoadingOverlay::LoadingShown() const
{
    return Timer1 && Timer1->isActive();
}

void TLoadingOverlay::Timer1Timer()
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
    QString cause;
    try {
        MakeGameObjects();
    } catch (const std::bad_alloc&) {
        qCWarning(lcApp) << "loading ran out of memory";
        loaded = false;  // the box's fixed first line says it all
    } catch (const std::exception& e) {
        // The objects made so far stay; the box says what went wrong after the box's fixed first line.
        qCWarning(lcApp) << "loading failed:" << e.what();
        loaded = false;
        cause = QString::fromUtf8(e.what());
    } catch (...) {
        qCWarning(lcApp) << "loading failed with an unknown error";
        loaded = false;
    }
    FLoader->Post([this, loaded, cause] {
        ui::SetScreenCursor(ui::TScreenCursor::Default);
        if (!loaded) Context.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), LoadingFailureText(cause));
        HideLoadingOverlay();
        FLoadingEnded = true;
        UpdateGameActions();
        emit LoadingFinished(loaded);
    });
}

QString TMainForm::LoadingFailureText(const QString& Cause)
{
    const QString text = QStringLiteral("Ошибка загрузки. Недостаточно памяти");
    return Cause.isEmpty() ? text : text + QLatin1Char('\n') + Cause;
}

void TMainForm::MakeGameObjects()
{
    const TContentRoots& content = Context.Settings.Content;
    if (content.IsEmpty()) {
        const QString searched = QStringLiteral("Не найдены файлы программы (папки Sound и Pic). Искали в папках:\n") +
                                 content.Searched().join(QLatin1Char('\n'));
        throw std::runtime_error(searched.toStdString());
    }
    LoadGameObjects(Context, Objects);
}

void TMainForm::WaitForLoading()
{
    FLoader->Join();
    QCoreApplication::sendPostedEvents(this);
}
