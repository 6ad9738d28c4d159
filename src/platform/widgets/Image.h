#pragma once
// A picture in a rectangle, drawn as classic Windows image widgets draw it: at its own size in the
// top-left corner or centred, stretched to the whole rectangle, or stretched keeping its
// proportions. A transparent image leaves out the pixels of its bottom-left pixel's colour.
// The background is never filled: the parent shows around and through the picture.
#include <QImage>
#include <QWidget>

#include <functional>

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* Parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& Picture);

    // Reads a picture to fit Bounds (device pixels); empty Bounds: the whole picture.
    using TPictureReader = std::function<QImage(QSize Bounds)>;
    // Shows a picture whose own size is FullSize, read with Read at the size this image draws it
    // (laid out as a FullSize picture would be), and read again when the image grows past what it
    // holds. A later SetPicture or SetPictureSource replaces it.
    void SetPictureSource(QSize FullSize, TPictureReader Read);
    // The picture at its own size: read anew when only a smaller copy is shown (for printing);
    // the shown one when it cannot be read.
    QImage FullPicture() const;

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
    void resizeEvent(QResizeEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    const QImage& Drawn() const;
    // The size the picture is laid out at: its own, also while a smaller copy is shown.
    QSize Shape() const;
    // Reads the source's picture again when the one held is smaller than it is drawn.
    void ReadToFit();

    QImage FPicture;
    QSize FFullSize;
    TPictureReader FRead;
    mutable QImage FMasked;  // the picture with its transparent colour left out, made when first drawn
    bool FStretch = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FTransparent = false;
    bool FLeftPressed = false;
};
