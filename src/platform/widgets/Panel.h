#pragma once
// A flat coloured panel with the classic 3-D edges: an outer and an inner bevel (none, raised or
// lowered, 1 px each), a border of the panel's colour between them, and an optional caption
// centred in the panel. Aligned children share what the bevels and the border leave.
#include "platform/widgets/Align.h"

#include <QColor>
#include <QString>
#include <QWidget>

enum class TBevel { None, Raised, Lowered };

class TPanel : public QWidget, public IAlignClient {
    Q_OBJECT
public:
    // A new panel has the toolkit's defaults: button-face colour, raised outer bevel, no inner
    // bevel, no border, no caption.
    explicit TPanel(QWidget* Parent = nullptr);

    QColor Color() const { return FColor; }
    void SetColor(const QColor& Color);
    TBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevel Bevel);
    TBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevel Bevel);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Width);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Caption);

    // Qt paints every widget off screen first, so painting is always double-buffered; the flag
    // only keeps the setting where code sets and reads it.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool On) { FDoubleBuffered = On; }

    QRect AlignClientRect() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int Inset() const;

    QColor FColor;
    TBevel FBevelOuter = TBevel::Raised;
    TBevel FBevelInner = TBevel::None;
    int FBorderWidth = 0;
    QString FCaption;
    bool FDoubleBuffered = false;
};

namespace ui {
// The system greys of the classic 3-D look.
QColor ButtonFace();
QColor ButtonHighlight();
QColor ButtonShadow();
}  // namespace ui
