#include "platform/widgets/Stacking.h"

#include <QWidget>

namespace ui {

QWidget* TopChild(const QWidget* Parent, const QWidget* Except)
{
    if (!Parent) return nullptr;
    const QObjectList& children = Parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* w = qobject_cast<QWidget*>(*it); w && w != Except && !w->isHidden()) return w;
    return nullptr;
}

bool Above(const QWidget* A, const QWidget* B)
{
    if (!A || !B || A->parentWidget() != B->parentWidget() || !A->parentWidget()) return false;
    const QObjectList& siblings = A->parentWidget()->children();
    return siblings.indexOf(A) > siblings.indexOf(B);
}

void ToFront(QWidget* Screen)
{
    Screen->raise();
    Screen->show();
}

}  // namespace ui
