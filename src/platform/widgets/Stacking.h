#pragma once
// Which of a widget's children lies on top: the screens of a window are siblings, and the one
// raised last and not hidden is the one the user sees.
class QWidget;

namespace ui {

// The highest of Parent's children that is not hidden, Except aside; nullptr when there is none.
QWidget* TopChild(const QWidget* Parent, const QWidget* Except = nullptr);
// Whether A lies above its sibling B.
bool Above(const QWidget* A, const QWidget* B);
// Raises Screen above its siblings and shows it.
void ToFront(QWidget* Screen);

}  // namespace ui
