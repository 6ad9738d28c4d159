#include "pictures/PageWriting.h"

#include "pictures/ScrambledBitmap.h"

#include <QBuffer>

QByteArray ColouringPageFileBytes(const QImage& Page)
{
    if (Page.isNull()) return {};
    // Threshold by hand: Qt's conversion to one bit dithers grey into a pattern of dots.
    const QImage grey = Page.convertToFormat(QImage::Format_Grayscale8);
    QImage mono(grey.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) mono.setPixel(x, y, in[x] >= 128 ? 1 : 0);
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!mono.save(&buffer, "BMP")) return {};
    return ScrambleBitmapBytes(bmp);
}
