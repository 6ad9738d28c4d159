#pragma once
// Errors that end a user action (a letter picture that does not decode) must not cross the event
// loop; they end the action with their text in a box instead, and the program goes on.
#include <functional>

class IDialogs;

namespace core {

// Runs Work. An error it raises ends it: its text is shown in a box titled with the window caption.
// Returns whether Work ran to its end.
bool RunReportingErrors(IDialogs& Dialogs, const std::function<void()>& Work);

}  // namespace core
