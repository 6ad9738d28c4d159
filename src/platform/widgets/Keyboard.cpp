#include "platform/widgets/Keyboard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace ui {

void PressButton(QAbstractButton* Button)
{
    if (!Button || !Button->isEnabled()) return;
    QPointer<QAbstractButton> alive(Button);
    Button->click();
    // The click may have hidden or freed the button (a menu entry closes its menu).
    if (!alive) return;
    alive->setDown(true);
    QTimer::singleShot(kPressLookMs, alive, [alive] {
        if (alive) alive->setDown(false);
    });
}

int ArrowTarget(const std::vector<QRect>& Cells, int Current, int ArrowKey)
{
    const int n = static_cast<int>(Cells.size());
    if (Current < 0 || Current >= n) return Current;
    switch (ArrowKey) {
        case Qt::Key_Left:
            return Current > 0 ? Current - 1 : Current;
        case Qt::Key_Right:
            return Current + 1 < n ? Current + 1 : Current;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const bool up = ArrowKey == Qt::Key_Up;
            const QRect& from = Cells[static_cast<size_t>(Current)];
            // The nearest row that way: the cells of the nearest top above (or below).
            std::optional<int> rowTop;
            for (const QRect& c : Cells) {
                const bool thatWay = up ? c.top() < from.top() : c.top() > from.top();
                if (thatWay && (!rowTop || (up ? c.top() > *rowTop : c.top() < *rowTop))) rowTop = c.top();
            }
            if (!rowTop) return Current;
            int best = Current;
            int bestDistance = INT_MAX;
            for (int i = 0; i < n; ++i) {
                const QRect& c = Cells[static_cast<size_t>(i)];
                if (c.top() != *rowTop) continue;
                const int distance = std::abs(c.center().x() - from.center().x());
                if (distance < bestDistance) {
                    best = i;
                    bestDistance = distance;
                }
            }
            return best;
        }
        default:
            return Current;
    }
}

}  // namespace ui

// --- Key preview ---

TKeyPreview::TKeyPreview(QWidget* Window, std::function<bool(QKeyEvent*)> OnKey, std::function<void()> OnMousePress)
    : FWindow(Window), FOnKey(std::move(OnKey)), FOnMousePress(std::move(OnMousePress))
{
    // Only the application sees an event before the widget it is meant for.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

TKeyPreview::~TKeyPreview()
{
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool TKeyPreview::InWindow(QObject* Watched) const
{
    return FWindow && Watched->isWidgetType() && static_cast<QWidget*>(Watched)->window() == FWindow;
}

// A key or click the widget does not take goes on to its parent and passes here again; the
// handlers decide alike every time, so that does no harm.
bool TKeyPreview::eventFilter(QObject* Watched, QEvent* Event)
{
    switch (Event->type()) {
        case QEvent::KeyPress:
            if (FOnKey && InWindow(Watched)) return FOnKey(static_cast<QKeyEvent*>(Event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (FOnMousePress && InWindow(Watched)) FOnMousePress();
            break;
        default:
            break;
    }
    return false;
}

// --- Focus frame ---

TFocusFrame::TFocusFrame(QWidget* Target) : QWidget(Target)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    SetTarget(Target);
}

void TFocusFrame::SetTarget(QWidget* Target)
{
    if (QWidget* old = parentWidget()) old->removeEventFilter(this);
    if (Target != parentWidget()) setParent(Target);
    Target->installEventFilter(this);
    setGeometry(Target->rect().adjusted(kInset, kInset, -kInset, -kInset));
    raise();
}

int TFocusFrame::Thickness(const QSize& Size)
{
    return std::clamp(std::min(Size.width(), Size.height()) / 6, 3, 8);
}

QColor TFocusFrame::OuterColour()
{
    return QColor(0x00, 0x00, 0x00);
}

QColor TFocusFrame::InnerColour()
{
    return QColor(0xFF, 0xFF, 0x00);
}

bool TFocusFrame::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect().adjusted(kInset, kInset, -kInset, -kInset));
    return QWidget::eventFilter(Watched, Event);
}

void TFocusFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    auto ring = [&p](const QRect& Bounds, int Width, const QColor& Colour) {
        p.fillRect(QRect(Bounds.left(), Bounds.top(), Bounds.width(), Width), Colour);
        p.fillRect(QRect(Bounds.left(), Bounds.bottom() - Width + 1, Bounds.width(), Width), Colour);
        p.fillRect(QRect(Bounds.left(), Bounds.top(), Width, Bounds.height()), Colour);
        p.fillRect(QRect(Bounds.right() - Width + 1, Bounds.top(), Width, Bounds.height()), Colour);
    };
    // Black outside, yellow inside: one of the two stands out on every background of the program.
    const int thickness = Thickness(size());
    const int outer = (thickness + 1) / 2;
    ring(rect(), outer, OuterColour());
    ring(rect().adjusted(outer, outer, -outer, -outer), thickness - outer, InnerColour());
}

// --- Keyboard focus ---

TKeyboardFocus::~TKeyboardFocus()
{
    // The frame belongs to the widget tree; it only must not stay on show.
    if (FFrame) FFrame->hide();
}

bool TKeyboardFocus::FrameShown() const
{
    return FShown && FWidget && FFrame && !FFrame->isHidden();
}

void TKeyboardFocus::MoveTo(QWidget* Target)
{
    FWidget = Target;
    if (FShown) PlaceFrame();
}

void TKeyboardFocus::ShowFrame()
{
    FShown = true;
    PlaceFrame();
}

void TKeyboardFocus::HideFrame()
{
    FShown = false;
    if (FFrame) FFrame->hide();
}

void TKeyboardFocus::PlaceFrame()
{
    if (!FWidget) {
        if (FFrame) FFrame->hide();
        return;
    }
    if (!FFrame)
        FFrame = new TFocusFrame(FWidget);
    else if (FFrame->parentWidget() != FWidget)
        FFrame->SetTarget(FWidget);
    FFrame->show();
    FFrame->raise();
    for (QWidget* w = FWidget->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w); area && area->widget() && area->widget()->isAncestorOf(FWidget))
            area->ensureWidgetVisible(FWidget, 0, 0);
    QAccessibleEvent focus(FWidget.data(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
