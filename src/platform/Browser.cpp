#include "platform/Browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {

void OpenInBrowser(const QString& Url)
{
    QDesktopServices::openUrl(QUrl(Url));
}

TUrlOpener SystemUrlOpener()
{
    return [](const QString& Url) { OpenInBrowser(Url); };
}

}  // namespace ui
