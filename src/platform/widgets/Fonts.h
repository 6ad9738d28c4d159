#pragma once
// The window was laid out for Windows fonts; bundled free fonts with Cyrillic stand in for them.
#include <QFont>
#include <QString>

namespace fonts {

// Registers every bundled font with the application at once; call after the application exists.
// Not needed: StandIn registers each font the first time it is asked for.
void InstallBundled();

// The stand-in for a Windows font: "Arial", "MS Sans Serif", "Arial Black" or "Comic Sans MS",
// at a character height of PixelSize pixels (as it was at 96 dpi). Its bundled font
// files are registered with the application on the first call for it (from any thread).
QFont StandIn(const QString& WindowsName, int PixelSize, bool Bold = false);

}  // namespace fonts
