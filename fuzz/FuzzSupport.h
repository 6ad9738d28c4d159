#pragma once
// What the fuzz targets share: Qt started once for the whole run, the input as Qt bytes, the way the
// program draws a picture, and a loud stop when a promise of the code under test is broken.
#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

namespace kvfuzz {

// Starts a QGuiApplication on the offscreen platform (Gui) or a QCoreApplication, once. It stays
// for the life of the process, as the program's own application object does. Qt's warnings are
// silenced unless KV_FUZZ_QT_MESSAGES is set.
void StartQt(bool Gui);

// For the picture targets: Qt's image allocation limit lowered from its default to 16 MB. A tiny
// bitmap can ask for a picture of a hundred megabytes; reading it is the same code either way, but
// under AddressSanitizer each such allocation costs a tenth of a second and the fuzzer slows to a
// crawl. Pictures over the limit are rejected as the program rejects those over Qt's own.
void LimitPictureSize();

// The fuzzer's input, not copied (valid during the call of LLVMFuzzerTestOneInput only).
QByteArray InputBytes(const uint8_t* Data, size_t Size);

// Draws Picture the way a picture tile does: scaled down a little (into at most 64 × 64 pixels,
// proportions kept) with smooth transformation onto a widget-like ARGB32 surface. Up to
// kCheckedPixels also the transparent variant of the big picture (a 32-bit copy keyed on its
// bottom-left pixel) and a smoothly scaled copy, which cost a full-size 32-bit copy each.
// Returns a value computed from the drawn pixels so that nothing is skipped.
unsigned DrawAsThumbnail(const QImage& Picture);

// Checks what every picture a reader hands out must hold before it is drawn: an indexed picture has
// a colour table, and each of its pixels names a colour of that table (the painting code looks the
// pixel up in the table without a bounds check). Uses QImage::pixelIndex, not the program's own
// check; pictures over kCheckedPixels are left to the drawing alone.
void CheckDrawable(const QImage& Picture);
inline constexpr qint64 kCheckedPixels = 2048 * 2048;

// Reports a broken promise and aborts (the fuzzer keeps the input as a crash).
[[noreturn]] void Fail(const char* What);

}  // namespace kvfuzz

// Stops the run with Fail when Condition does not hold.
#define KV_FUZZ_CHECK(Condition)                                       \
    do {                                                               \
        if (!(Condition)) ::kvfuzz::Fail("check failed: " #Condition); \
    } while (false)
