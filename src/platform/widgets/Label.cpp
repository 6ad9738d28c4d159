#include "platform/widgets/Label.h"

#include "platform/widgets/Keyboard.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

TLabel::TLabel(QWidget* Parent) : TLabel(QString(), Parent) {}

TLabel::TLabel(const QString& Caption, QWidget* Parent) : QLabel(Caption, Parent)
{
    setAutoFillBackground(false);  // the parent shows through
}

void TLabel::SetHandCursor(bool On)
{
    if (On)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TLabel::Press()
{
    if (!isEnabled()) return;
    const QPoint middle = rect().center();
    QPointer<TLabel> alive(this);
    emit MouseDown(Qt::LeftButton, middle);
    if (alive) emit Clicked();
    if (alive) QTimer::singleShot(ui::kPressLookMs, this, [this, middle] { emit MouseUp(Qt::LeftButton, middle); });
}

void TLabel::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton) FLeftPressed = true;
    emit MouseDown(Event->button(), Event->position().toPoint());
    Event->accept();
}

// A second press in quick succession arrives as a double click; it is a press all the same.
void TLabel::mouseDoubleClickEvent(QMouseEvent* Event)
{
    mousePressEvent(Event);
}

void TLabel::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool click = Event->button() == Qt::LeftButton && FLeftPressed && rect().contains(Event->position().toPoint());
    if (Event->button() == Qt::LeftButton) FLeftPressed = false;
    Event->accept();
    // The click comes before the release, so a tile stays pressed while its click runs (a modal
    // box may be up meanwhile). The click may free the label; then there is nobody to release.
    QPointer<TLabel> alive(this);
    if (click) emit Clicked();
    if (alive) emit MouseUp(Event->button(), Event->position().toPoint());
}
