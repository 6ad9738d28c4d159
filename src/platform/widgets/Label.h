#pragma once
// A caption on a transparent background that also serves as a click area (the tiles lay one over
// their whole panel). Mouse rules: MouseDown for any button pressed on it; MouseUp for that
// button's release, also when the pointer has left the label meanwhile; Clicked only for a
// completed left click, pressed and released inside the label, and before that release's MouseUp.
#include <QLabel>

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* Parent = nullptr);
    TLabel(const QString& Caption, QWidget* Parent);

    // The hand-point cursor over the label, as clickable captions use it.
    void SetHandCursor(bool On);
    // A left click from the keyboard or assistive technology: MouseDown and Clicked as a click
    // sends them, MouseUp a moment later, so that what sinks under the mouse is seen to sink.
    // Nothing while the label is disabled.
    void Press();

signals:
    void Clicked();
    void MouseDown(Qt::MouseButton Button, const QPoint& Pos);
    void MouseUp(Qt::MouseButton Button, const QPoint& Pos);

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    bool FLeftPressed = false;
};
