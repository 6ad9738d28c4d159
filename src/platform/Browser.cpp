#include "platform/Browser.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QProcess>

namespace ui {

void OpenInBrowser(const QString& Url, const std::function<void(const QString& Url)>& OnFailure)
{
    // QDesktopServices only says whether xdg-open could be started, not whether a browser came
    // up; xdg-open's own exit status says that. It may also run as long as the browser does.
    // Owned by the application: a browser still open when the program ends is left running.
    auto* opener = new QProcess(QCoreApplication::instance());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, Url, OnFailure](QProcess::ProcessError Error) {
        if (Error != QProcess::FailedToStart) return;
        qCWarning(lcPlatform) << "no opener for web addresses (xdg-open):" << opener->errorString();
        if (OnFailure) OnFailure(Url);
        opener->deleteLater();
    });
    QObject::connect(opener, &QProcess::finished, opener, [opener, Url, OnFailure](int Code, QProcess::ExitStatus Status) {
        if (Status != QProcess::NormalExit || Code != 0) {
            qCWarning(lcPlatform) << "xdg-open could not open" << Url << "( exit status" << Code << ")";
            if (OnFailure) OnFailure(Url);
        }
        opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {Url});
}

TUrlOpener SystemUrlOpener(std::function<void(const QString& Url)> OnFailure)
{
    return [OnFailure = std::move(OnFailure)](const QString& Url) { OpenInBrowser(Url, OnFailure); };
}

}  // namespace ui
