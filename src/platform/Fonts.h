#pragma once
// The design names Windows fonts; bundled free fonts with Cyrillic stand in for them.
#include <QFont>
#include <QString>

namespace fonts {

// Registers the bundled fonts with the application; call once after the application exists.
void InstallBundled();

// The stand-in for a design font: "Arial", "MS Sans Serif", "Arial Black" or "Comic Sans MS",
// at a character height of PixelSize pixels (as the design gives it at 96 dpi).
QFont Design(const QString& WindowsName, int PixelSize, bool Bold = false);

}  // namespace fonts
