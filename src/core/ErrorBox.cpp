#include "core/ErrorBox.h"

#include "core/Log.h"
#include "core/Texts.h"
#include "platform/widgets/Dialogs.h"

#include <exception>

namespace core {

bool RunReportingErrors(IDialogs& Dialogs, const std::function<void()>& Work)
{
    try {
        Work();
        return true;
    } catch (const std::exception& e) {
        qCWarning(lcCore) << "an action ended with an error:" << e.what();
        Dialogs.ShowMessage(QString::fromUtf8(kWindowCaption), QString::fromUtf8(e.what()));
    } catch (...) {
        qCWarning(lcCore) << "an action ended with an unknown error";
        Dialogs.ShowMessage(QString::fromUtf8(kWindowCaption), QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace core
