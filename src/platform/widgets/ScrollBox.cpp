#include "platform/widgets/ScrollBox.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>

TScrollBox::TScrollBox(QWidget* Parent) : QScrollArea(Parent), FContent(new QWidget)
{
    FContent->setObjectName(QStringLiteral("ScrollBoxContent"));
    horizontalScrollBar()->setObjectName(QStringLiteral("ScrollBoxHorizontalBar"));
    verticalScrollBar()->setObjectName(QStringLiteral("ScrollBoxVerticalBar"));
    setWidgetResizable(false);
    setWidget(FContent);
    FContent->installEventFilter(this);
    SetBorder(true);
    verticalScrollBar()->setTracking(true);
}

void TScrollBox::SetColor(const QColor& Color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Color);
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    FContent->setPalette(pal);
    FContent->setAutoFillBackground(true);
}

void TScrollBox::SetBorder(bool On)
{
    setFrameStyle(On ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(On ? 2 : 0);
}

void TScrollBox::DockTop(QWidget* Child)
{
    if (Child->parentWidget() != FContent) Child->setParent(FContent);
    std::erase_if(FDocked, [Child](const QPointer<QWidget>& w) { return !w || w == Child; });
    FDocked.push_back(Child);
    Child->show();
    Rearrange();
}

int TScrollBox::VertScrollPos() const
{
    return verticalScrollBar()->value();
}

void TScrollBox::SetVertScrollPos(int Pos)
{
    Rearrange();
    verticalScrollBar()->setValue(Pos);
}

void TScrollBox::Rearrange()
{
    if (FArranging) return;
    FArranging = true;
    std::erase_if(FDocked, [this](const QPointer<QWidget>& w) { return !w || w->parentWidget() != FContent; });

    // The docked children's stack, first at the full visible width; when it does not fit, the
    // vertical scroll bar takes its width from the visible area.
    auto stackHeight = [this] {
        int h = 0;
        for (auto& w : FDocked)
            if (!w->isHidden()) h += w->height();
        return h;
    };
    const int fullWidth = maximumViewportSize().width();
    const int fullHeight = maximumViewportSize().height();
    int visibleWidth = fullWidth;
    if (stackHeight() > fullHeight && verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        visibleWidth -= verticalScrollBar()->sizeHint().width();
    int top = 0;
    for (auto& w : FDocked) {
        if (w->isHidden()) continue;
        w->setGeometry(0, top, visibleWidth, w->height());
        top += w->height();
    }

    // The content covers every child, and at least the visible area.
    int right = 0, bottom = 0;
    for (QObject* o : FContent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isHidden()) continue;
        right = std::max(right, w->geometry().right() + 1);
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    FContent->resize(std::max(right, visibleWidth), std::max(bottom, 1));
    FArranging = false;
}

bool TScrollBox::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == FContent) {
        if (Event->type() == QEvent::ChildAdded) {
            if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(Event)->child())) w->installEventFilter(this);
        } else if (Event->type() == QEvent::ChildRemoved) {
            Rearrange();
        }
        return QScrollArea::eventFilter(Watched, Event);
    }
    if (auto* w = qobject_cast<QWidget*>(Watched); w && w->parentWidget() == FContent) {
        switch (Event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::ShowToParent:
            case QEvent::HideToParent:
                Rearrange();
                break;
            default:
                break;
        }
    }
    return QScrollArea::eventFilter(Watched, Event);
}

void TScrollBox::resizeEvent(QResizeEvent* Event)
{
    QScrollArea::resizeEvent(Event);
    Rearrange();
}
