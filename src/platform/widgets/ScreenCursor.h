#pragma once
// The screen cursor of the whole program: the hour-glass while an action prepares a screen or
// loading runs, otherwise the default. It is a state, not a stack: setting the default ends the
// hour-glass however often it was set.
namespace ui {

enum class TScreenCursor { Default, HourGlass };

void SetScreenCursor(TScreenCursor Cursor);
TScreenCursor ScreenCursor();

// The hour-glass for the guard's lifetime; the default afterwards, also when an error leaves early.
class TCursorGuard {
public:
    TCursorGuard() { SetScreenCursor(TScreenCursor::HourGlass); }
    ~TCursorGuard() { SetScreenCursor(TScreenCursor::Default); }
    TCursorGuard(const TCursorGuard&) = delete;
    TCursorGuard& operator=(const TCursorGuard&) = delete;
};

}  // namespace ui
