#pragma once
// The standard dialogs (message box buttons, the print dialog) speak Russian like the program.

// Loads Qt's own Russian translations into the running application; false when they are not installed.
bool InstallRussianTranslations();
