#pragma once
// JPEG pictures decoded by libjpeg-turbo through its TurboJPEG interface. Its decoder scales a
// picture down by 1/8, 2/8 … 7/8 within the inverse DCT, so a photo shown small is never decoded
// whole, and it writes Qt's 32-bit pixel layout directly, with no conversion afterwards.
#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace turbo_jpeg {

// The picture's size as its header gives it; an invalid size when the header cannot be read.
QSize HeaderSize(QByteArrayView Jpeg);

// The size a picture of Full is decoded at to be shown at Target: the smallest of the decoder's
// scaled sizes that covers Target on both sides; Full itself when Target is empty or none smaller
// does.
QSize ScaledSize(QSize Full, QSize Target);

// Jpeg decoded at ScaledSize(HeaderSize(Jpeg), Target), as Format_RGB32. A null picture when the
// decoder cannot make RGB of it: a damaged file, or CMYK colour, which it does not convert; another
// reader may still read the latter. Damage the decoder works past (a warning) is no failure, as
// with Qt's own reader.
QImage Decode(QByteArrayView Jpeg, QSize Target);

}  // namespace turbo_jpeg
