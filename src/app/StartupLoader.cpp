#include "app/StartupLoader.h"

#include <QMetaObject>

TStartupLoader::TStartupLoader(QObject* Window) : FWindow(Window) {}

TStartupLoader::~TStartupLoader()
{
    Join();
}

bool TStartupLoader::Start(std::function<void()> Body)
{
    if (FStarted) return false;
    FStarted = true;
    FThread = std::thread(std::move(Body));
    return true;
}

void TStartupLoader::Join()
{
    if (FThread.joinable()) FThread.join();
}

void TStartupLoader::Post(std::function<void()> Call) const
{
    // QPointer is read here from the loader thread; the window outlives the loader (its destructor
    // joins the thread first), so the pointer cannot change underneath.
    if (QObject* window = FWindow.data()) QMetaObject::invokeMethod(window, std::move(Call), Qt::QueuedConnection);
}
