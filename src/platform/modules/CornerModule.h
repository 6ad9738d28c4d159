#pragma once
// What the grown-ups' corner asks of its module: colouring-page outlines from a picture (OpenCV)
// and recordings encoded to MP3 (LAME). The module is a Qt plugin the program loads when the corner
// first needs it (platform/modules/ModuleLoader.h), so that neither library, nor what OpenCV pulls
// in (LAPACK, BLAS, TBB...), is mapped by a program that only plays. It links Qt Gui and those two
// libraries, never the program's own libraries, whose state it would duplicate; what crosses
// between them is Qt's and the standard library's types only.
//
// A change to this interface changes the version at the end of the IID: a module of another
// version is refused as it loads, not called wrongly.
#include <QByteArray>
#include <QImage>
#include <QtPlugin>

#include <cstdint>
#include <span>

namespace modules {

struct TLineDrawingOptions {
    int Detail = 50;       // 0 (only the strongest outlines) to 100 (fine detail too)
    int LineWidth = 3;     // the lines' width in pixels of the result
    int SmallestLine = 0;  // an edge shorter than this many pixels (before thickening) is a speck; 0: by Detail
};

class ICornerModule {
public:
    virtual ~ICornerModule() = default;

    // Black outlines on white from any picture, as a colouring page needs them: the picture's
    // edges found (Canny's detector on a smoothed grey copy), specks too small to colour dropped,
    // and the lines drawn thick enough for a child's crayon. At the picture's own size, Grayscale8,
    // black (0) on white (255); a null picture gives a null picture.
    virtual QImage LineDrawing(const QImage& Picture, const TLineDrawingOptions& Options) const = 0;

    // The MP3 file's bytes for mono samples at SampleRate, as the installed clips are made: 64 kbit/s,
    // mono, 44.1 kHz (resampled). Empty when the encoder fails. The file carries LAME's header, so
    // decoding drops its delay and padding again.
    virtual QByteArray Mp3EncodeMono(std::span<const int16_t> Samples, int SampleRate) const = 0;
};

}  // namespace modules

#define KV_CORNER_MODULE_IID "org.example.kvarnel.CornerModule/1"
Q_DECLARE_INTERFACE(modules::ICornerModule, KV_CORNER_MODULE_IID)
