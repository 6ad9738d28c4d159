#include "platform/widgets/ScreenCursor.h"

#include <QApplication>
#include <QCursor>

namespace ui {

namespace {
TScreenCursor current = TScreenCursor::Default;
}

void SetScreenCursor(TScreenCursor Cursor)
{
    if (Cursor == current) return;
    current = Cursor;
    if (Cursor == TScreenCursor::HourGlass)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

TScreenCursor ScreenCursor()
{
    return current;
}

}  // namespace ui
