#pragma once
// A widget's font and the colour of its lettering, given together.
#include <QColor>
#include <QFont>

class QWidget;

namespace ui {

// Sets the font and paints text, button text and window text of Widget in Color (a disabled
// widget keeps the greyed lettering of its palette).
void SetFont(QWidget* Widget, const QFont& Font, const QColor& Color = Qt::black);

}  // namespace ui
