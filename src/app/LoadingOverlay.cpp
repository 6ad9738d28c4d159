// The loading overlay with its sliding bar, and the start-up loading behind it: the program-wide
// game objects are made on a background thread while the start screen is up and the bar moves.
#include "app/Log.h"
#include "app/MainForm.h"
#include "app/StartSequence.h"
#include "app/StartupLoader.h"
#include "core/Texts.h"
#include "platform/Memory.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScreenCursor.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <new>
#include <stdexcept>

namespace {

// The text of the box a failed loading shows: its fixed first line, then what went wrong.
QString LoadingFailureText(const QString& Cause)
{
    const QString text = QStringLiteral("Ошибка загрузки. Недостаточно памяти");
    return Cause.isEmpty() ? text : text + QLatin1Char('\n') + Cause;
}

// The text of the box when no content root holds any content; empty when one does.
QString NoContentText(const TContentRoots& Content)
{
    const QStringList& roots = Content.Folders();
    if (std::any_of(roots.begin(), roots.end(), &TContentRoots::HoldsContent)) return {};
    // Found by looking (the searched folders) or given (the roots themselves).
    const QStringList& where = Content.Searched().isEmpty() ? roots : Content.Searched();
    return QStringLiteral("Кварнель не нашла свои картинки и звуки.\nИскала здесь:\n") + where.join(QLatin1Char('\n'));
}

}  // namespace

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
    if (FLoader->Started() || LoadingEnded()) return;
    if (Objects.PicGameBuffer) {  // made beforehand, as tests and benchmarks do: only the activities' own
        for (const TActivity& activity : FActivities)
            if (activity.Load) activity.Load();
        FStartUp->Loaded();
        UpdateGameActions();
        return;
    }
    // The program's own start has put the overlay up for its first frame already.
    if (!Timer1->isActive()) ShowLoadingOverlay();
    FLoader->Start([this] { LoaderBody(); });
}

void TMainForm::LoaderBody()
{
    FLoader->Post([this] {
        ui::SetScreenCursor(ui::TScreenCursor::HourGlass);
        Panel1->SetDoubleBuffered(true);
    });
    const QString noContent = NoContentText(FContext.Settings.Content);
    if (!noContent.isEmpty()) qCWarning(lcApp) << "no content found";
    bool loaded = true;
    QString cause;
    try {
        MakeGameObjects();
    } catch (const ELoadingStopped&) {
        return;  // the program is ending: nothing more to show
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
    FLoader->Post([this, loaded, cause, noContent] {
        ui::SetScreenCursor(ui::TScreenCursor::Default);
        if (!noContent.isEmpty()) FContext.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), noContent);
        if (!loaded) FContext.Dialogs->ShowMessage(QString::fromUtf8(kWindowCaption), LoadingFailureText(cause));
        HideLoadingOverlay();
        FStartUp->Loaded();
        UpdateGameActions();
        memory::ReturnFreedMemory();  // the loader's and the picture threads' heaps
        emit LoadingFinished(loaded);
    });
}

void TMainForm::MakeGameObjects()
{
    // With no content the learning board and the examination still work from their captions;
    // each sound that is missing says so when it is played.
    LoadGameObjects(FContext, Objects);
    for (const TActivity& activity : FActivities)
        if (activity.Load) activity.Load();
}

void TMainForm::WaitForLoading()
{
    FLoader->Join();
    QCoreApplication::sendPostedEvents(this);
}
