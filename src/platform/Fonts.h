#pragma once
// The design names Windows fonts; bundled free fonts with Cyrillic stand in for them.
#include <QFont>
#include <QString>

namespace fonts {

// Registers every bundled font with the application at once; call after the application exists.
// Not needed: Design registers each font the first time it is asked for.
void InstallBundled();

// The stand-in for a design font: "Arial", "MS Sans Serif", "Arial Black" or "Comic Sans MS",
// at a character height of PixelSize pixels (as the design gives it at 96 dpi). Its bundled font
// files are registered with the application on the first call for it (from any thread).
QFont Design(const QString& WindowsName, int PixelSize, bool Bold = false);

}  // namespace fonts
