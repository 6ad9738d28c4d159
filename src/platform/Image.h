#pragma once
// A picture in a rectangle, drawn as the design's image widgets draw it: at its own size in the
// top-left corner or centred, stretched to the whole rectangle, or stretched keeping its
// proportions. A transparent image leaves out the pixels of its bottom-left pixel's colour.
// The background is never filled: the parent shows around and through the picture.
#include <QImage>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* Parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& Picture);

    bool Stretch() const { return FStretch; }
    void SetStretch(bool On);
    bool Center() const { return FCenter; }
    void SetCenter(bool On);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool On);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool On);

    // Where the picture is drawn, in the image's own coordinates.
    QRect DestRect() const;

    // A left click from the keyboard or assistive technology: MouseDown and Clicked as a click
    // sends them, MouseUp a moment later. Nothing while the image is disabled.
    void Press();

signals:
    void Clicked();
    void MouseDown(Qt::MouseButton Button, const QPoint& Pos);
    void MouseUp(Qt::MouseButton Button, const QPoint& Pos);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    const QImage& Drawn() const;

    QImage FPicture;
    mutable QImage FMasked;  // the picture with its transparent colour left out, made when first drawn
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FLeftPressed = false;
};
