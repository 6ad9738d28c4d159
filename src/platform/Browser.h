#pragma once
// Opening a web address in the user's default browser, behind a replaceable function so that
// tests record the address instead of starting a browser.
#include <QString>
#include <functional>

namespace ui {

using TUrlOpener = std::function<void(const QString& Url)>;

// Hands Url to the desktop's opener for web addresses (xdg-open) and returns at once. When the
// address cannot be opened (no opener, no browser) OnFailure is called with it, on this thread,
// as soon as that is known; a browser that opens is never waited for.
void OpenInBrowser(const QString& Url, const std::function<void(const QString& Url)>& OnFailure);
// The opener that calls OpenInBrowser.
TUrlOpener SystemUrlOpener(std::function<void(const QString& Url)> OnFailure);

}  // namespace ui
