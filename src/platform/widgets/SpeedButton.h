#pragma once
// A flat button with an optional glyph to the left of its caption and the hand-point cursor on
// request. It shows its edge only under the mouse and while pressed; its background is the
// parent's. Bound to an action it takes the action's caption and enabled state.
#include <QImage>
#include <QToolButton>

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* Parent = nullptr);

    void SetCaption(const QString& Caption) { setText(Caption); }
    QString Caption() const { return text(); }
    // The glyph at its own size; a null image removes it.
    void SetGlyph(const QImage& Glyph);
    void SetHandCursor(bool On);
    QImage Glyph() const { return FGlyph; }

protected:
    // Drawn by hand, not by the style: the caption is centred and never cut short by the
    // style's padding, and the edge is the classic 1-px bevel.
    void paintEvent(QPaintEvent* Event) override;

private:
    QImage FGlyph;
};
