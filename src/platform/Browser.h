#pragma once
// Opening a web address in the user's default browser, behind a replaceable function so that
// tests record the address instead of starting a browser.
#include <QString>
#include <functional>

namespace ui {

using TUrlOpener = std::function<void(const QString& Url)>;

// Hands Url to the desktop's default handler for web addresses.
void OpenInBrowser(const QString& Url);
// The opener that calls OpenInBrowser.
TUrlOpener SystemUrlOpener();

}  // namespace ui
