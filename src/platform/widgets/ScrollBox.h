#pragma once
// A scrolling box for boards and picture strips. Its children live on Content(): placed freely
// (a letter board sets each tile's bounds) or docked to the top, where they stack downward in the
// order they were docked, as wide as the visible area, hidden ones taking no space (the picture
// strips). The content always covers its children, so the box scrolls over all of them.
// Disabling the box disables its children.
#include <QPointer>
#include <QScrollArea>
#include <vector>

class TScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget* Parent = nullptr);

    // The widget that holds the box's children.
    QWidget* Content() const { return FContent; }
    // Makes Child a child of the box (when it is not) and docks it to the top, below those
    // docked before.
    void DockTop(QWidget* Child);

    void SetColor(const QColor& Color);
    // A sunken 2-px edge (the default) or none.
    void SetBorder(bool On);

    int VertScrollPos() const;
    // Limited to the scrollable range (0 when everything fits).
    void SetVertScrollPos(int Pos);

    // Stacks the docked children and sizes the content to cover every child.
    void Rearrange();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    QWidget* FContent;
    std::vector<QPointer<QWidget>> FDocked;
    bool FArranging = false;
};
