#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kvfuzz {

namespace {

QtMessageHandler QtDefaultHandler = nullptr;

// Qt's readers warn about much of what the fuzzer feeds them; printing that costs more than the
// decoding. Critical and fatal messages still go out.
void QuietMessages(QtMsgType Type, const QMessageLogContext& Context, const QString& Message)
{
    if (Type == QtCriticalMsg || Type == QtFatalMsg) QtDefaultHandler(Type, Context, Message);
}

}  // namespace

void StartQt(bool Gui)
{
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("KV_FUZZ_QT_MESSAGES")) QtDefaultHandler = qInstallMessageHandler(QuietMessages);
    // Qt keeps argc and argv for the life of the application object, so they live as long.
    static int argc = 1;
    static char name[] = "kvarnel-fuzz";
    static char* argv[] = {name, nullptr};
    // Held by a static pointer on purpose: never destroyed, never a leak.
    static QCoreApplication* app = Gui ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv);
    (void)app;
}

void LimitPictureSize()
{
    QImageReader::setAllocationLimit(16);
}

QByteArray InputBytes(const uint8_t* Data, size_t Size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
}

unsigned DrawAsThumbnail(const QImage& Picture)
{
    if (Picture.isNull()) return 0;
    // A little smaller than the picture, and never more than a tile's worth of pixels, so that a
    // huge picture costs one pass over its pixels and not a huge surface.
    QSize target = (Picture.size() * 3 / 4).boundedTo(QSize(64, 64));
    target = Picture.size().scaled(target.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));

    QImage surface(target, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::white);
    {
        QPainter p(&surface);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), target), Picture);
    }
    unsigned sum = 0;
    for (int y = 0; y < surface.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
        for (int x = 0; x < surface.width(); ++x) sum += line[x];
    }
    if (qint64(Picture.width()) * Picture.height() > kCheckedPixels) return sum;

    // The transparent picture of the main screen: a 32-bit copy, its key colour read from the
    // bottom-left pixel.
    const QImage argb = Picture.convertToFormat(QImage::Format_ARGB32);
    sum += argb.pixel(0, argb.height() - 1);
    const QImage small = Picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!small.isNull()) sum += small.pixel(small.width() - 1, small.height() - 1);
    return sum;
}

void CheckDrawable(const QImage& Picture)
{
    const QImage::Format format = Picture.format();
    if (format != QImage::Format_Indexed8 && format != QImage::Format_Mono && format != QImage::Format_MonoLSB) return;
    if (qint64(Picture.width()) * Picture.height() > kCheckedPixels) return;
    const int colours = Picture.colorCount();
    if (colours == 0) Fail("an indexed picture without a colour table was handed out");
    for (int y = 0; y < Picture.height(); ++y)
        for (int x = 0; x < Picture.width(); ++x)
            if (Picture.pixelIndex(x, y) >= colours)
                Fail("an indexed picture with a pixel outside its colour table was handed out");
}

void Fail(const char* What)
{
    std::fprintf(stderr, "kvarnel fuzz: %s\n", What);
    std::abort();
}

}  // namespace kvfuzz
