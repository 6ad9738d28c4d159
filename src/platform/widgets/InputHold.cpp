#include "platform/widgets/InputHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

TInputHold::~TInputHold()
{
    Listen(false);
}

void TInputHold::Hold(QWidget* Root)
{
    FRoots.emplace_back(Root);
    Listen(true);
}

void TInputHold::Release(QWidget* Root)
{
    const auto at = std::find(FRoots.begin(), FRoots.end(), Root);
    if (at != FRoots.end()) FRoots.erase(at);
    std::erase_if(FRoots, [](const QPointer<QWidget>& w) { return !w; });
    if (FRoots.empty()) Listen(false);
}

bool TInputHold::Holds(const QWidget* Widget) const
{
    return Widget && std::any_of(FRoots.begin(), FRoots.end(), [Widget](const QPointer<QWidget>& Root) {
               return Root && (Root == Widget || Root->isAncestorOf(Widget));
           });
}

void TInputHold::Listen(bool On)
{
    if (On == FListening || !QCoreApplication::instance()) return;
    FListening = On;
    if (On)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool TInputHold::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            if (Watched->isWidgetType() && Holds(static_cast<QWidget*>(Watched))) return true;
            break;
        default:
            break;
    }
    return false;
}
