#include "platform/images/TurboJpeg.h"

#include <QSysInfo>

#include <turbojpeg.h>

#include <memory>

namespace turbo_jpeg {

namespace {

struct TFreeHandle {
    void operator()(void* Handle) const { tjDestroy(Handle); }
};
using THandle = std::unique_ptr<void, TFreeHandle>;

const unsigned char* Bytes(QByteArrayView Jpeg)
{
    return reinterpret_cast<const unsigned char*>(Jpeg.data());
}

// The header's size read with Handle; invalid when it cannot be read.
QSize ReadHeader(tjhandle Handle, QByteArrayView Jpeg)
{
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (Handle == nullptr || Jpeg.isEmpty() ||
        tjDecompressHeader3(Handle, Bytes(Jpeg), static_cast<unsigned long>(Jpeg.size()), &width, &height, &subsampling,
                            &colourSpace) != 0)
        return QSize();
    return QSize(width, height);
}

// Qt's RGB32 pixel is the 32-bit number 0xFFRRGGBB, so its bytes in memory depend on the byte order.
constexpr int kRgb32Layout = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;

}  // namespace

QSize HeaderSize(QByteArrayView Jpeg)
{
    const THandle handle(tjInitDecompress());
    return ReadHeader(handle.get(), Jpeg);
}

QSize ScaledSize(QSize Full, QSize Target)
{
    if (Target.isEmpty() || Full.isEmpty()) return Full;
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    QSize best = Full;
    for (int i = 0; i < count; ++i) {
        const QSize scaled(TJSCALED(Full.width(), factors[i]), TJSCALED(Full.height(), factors[i]));
        const bool covers = scaled.width() >= Target.width() && scaled.height() >= Target.height();
        if (covers && scaled.width() < best.width()) best = scaled;
    }
    return best;
}

QImage Decode(QByteArrayView Jpeg, QSize Target)
{
    const THandle handle(tjInitDecompress());
    const QSize full = ReadHeader(handle.get(), Jpeg);
    if (full.isEmpty()) return QImage();
    const QSize size = ScaledSize(full, Target);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return QImage();  // more than Qt's allocation limit
    // The X byte is written as FF, as Format_RGB32 wants it.
    const int status =
        tjDecompress2(handle.get(), Bytes(Jpeg), static_cast<unsigned long>(Jpeg.size()), image.bits(), size.width(),
                      int(image.bytesPerLine()), size.height(), kRgb32Layout, TJFLAG_ACCURATEDCT);
    if (status != 0 && tjGetErrorCode(handle.get()) != TJERR_WARNING) return QImage();
    return image;
}

}  // namespace turbo_jpeg
