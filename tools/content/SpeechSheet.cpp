#include "content/SpeechSheet.h"

#include "core/ContentLayout.h"
#include "core/Loudness.h"
#include "platform/audio/Mp3Decoder.h"
#include "platform/widgets/Fonts.h"

#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

namespace content {

namespace {

constexpr int kColumns = 6;
constexpr int kCellWidth = 440;
constexpr double kPixelsPerSecond = 220;  // one scale for every clip; a longer clip is squeezed
constexpr int kCaptionHeight = 22, kWaveHeight = 64, kSpectrumHeight = 96, kGap = 14;
constexpr double kTopHz = 8000;
constexpr int kFftSize = 512;

void Fft(std::vector<std::complex<double>>& A)
{
    const std::size_t n = A.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(A[i], A[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * M_PI / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1;
            for (std::size_t k = 0; k < len / 2; ++k, wk *= w) {
                const std::complex<double> u = A[i + k], v = A[i + k + len / 2] * wk;
                A[i + k] = u + v;
                A[i + k + len / 2] = u - v;
            }
        }
    }
}

// Dark blue for −100 dB through red and yellow to white at −10 dB.
QRgb Heat(double Db)
{
    const double t = std::clamp((Db + 100) / 90, 0.0, 1.0);
    return qRgb(int(255 * std::clamp(t * 2.0, 0.0, 1.0)), int(255 * std::clamp(t * 2.0 - 0.8, 0.0, 1.0)),
                int(255 * std::clamp(t * 3.0 - 2.0, 0.0, 1.0) + 60 * (1 - t)));
}

void DrawClip(QPainter& P, QPoint At, const QString& Caption, const TMp3Result& Decoded)
{
    P.setPen(Qt::black);
    if (!Decoded.Ok()) {
        P.drawText(At + QPoint(0, 16), Caption + QStringLiteral(": ") + Decoded.Describe());
        return;
    }
    const std::vector<float> x = loudness::ToMonoFloat(Decoded.Sound.Samples, Decoded.Sound.Channels);
    const int rate = Decoded.Sound.SampleRate;
    const loudness::TClipMeasure m = loudness::Measure(x, rate);
    const double seconds = double(x.size()) / rate;
    const int width = std::max(1, std::min(kCellWidth, int(seconds * kPixelsPerSecond)));
    P.drawText(At + QPoint(0, 16), QStringLiteral("%1  %2 s  %3 dB  peak %4")
                                       .arg(Caption)
                                       .arg(m.SoundingSeconds, 0, 'f', 2)
                                       .arg(m.LoudnessDb, 0, 'f', 1)
                                       .arg(m.PeakDb, 0, 'f', 1));

    // The waveform: the sounding part on a pale ground, the −1 dBFS ceiling as two lines.
    const int waveTop = At.y() + kCaptionHeight, mid = waveTop + kWaveHeight / 2;
    P.fillRect(At.x(), waveTop, kCellWidth, kWaveHeight, QColor(235, 235, 235));
    P.fillRect(At.x() + int(m.LeadingSilence / seconds * width), waveTop,
               std::max(1, int(m.SoundingSeconds / seconds * width)), kWaveHeight, QColor(215, 235, 215));
    const double ceiling = loudness::FromDb(-1.0) * kWaveHeight / 2;
    P.setPen(QColor(200, 80, 80));
    P.drawLine(At.x(), int(mid - ceiling), At.x() + width, int(mid - ceiling));
    P.drawLine(At.x(), int(mid + ceiling), At.x() + width, int(mid + ceiling));
    P.setPen(QColor(30, 60, 140));
    for (int c = 0; c < width; ++c) {
        const std::size_t from = std::size_t(double(c) / width * double(x.size()));
        const std::size_t to = std::max(from + 1, std::size_t(double(c + 1) / width * double(x.size())));
        const auto [lo, hi] =
            std::minmax_element(x.begin() + std::ptrdiff_t(from), x.begin() + std::ptrdiff_t(std::min(to, x.size())));
        P.drawLine(At.x() + c, int(mid - *hi * kWaveHeight / 2), At.x() + c, int(mid - *lo * kWaveHeight / 2));
    }

    // The spectrogram up to 8 kHz, one Hann-windowed FFT per pixel column.
    QImage spectrum(width, kSpectrumHeight, QImage::Format_RGB32);
    std::vector<std::complex<double>> a(kFftSize);
    const int topBin = std::min(kFftSize / 2, int(kTopHz * kFftSize / rate));
    for (int c = 0; c < width; ++c) {
        const std::ptrdiff_t centre = std::ptrdiff_t(double(c) / width * double(x.size()));
        for (int i = 0; i < kFftSize; ++i) {
            const std::ptrdiff_t at = centre - kFftSize / 2 + i;
            const double s = at >= 0 && at < std::ptrdiff_t(x.size()) ? x[std::size_t(at)] : 0.0;
            a[std::size_t(i)] = s * (0.5 - 0.5 * std::cos(2 * M_PI * i / (kFftSize - 1)));
        }
        Fft(a);
        for (int y = 0; y < kSpectrumHeight; ++y) {
            const int bin = std::max(1, (kSpectrumHeight - 1 - y) * topBin / kSpectrumHeight);
            spectrum.setPixel(c, y, Heat(loudness::ToDb(std::abs(a[std::size_t(bin)]) * 4 / kFftSize)));
        }
    }
    P.drawImage(At.x(), waveTop + kWaveHeight, spectrum);
}

}  // namespace

const QList<TSpeechSheetPart>& SpeechSheetParts()
{
    using namespace layout;
    const auto folder = [](const QString& F) { return F.chopped(1); };
    static const QList<TSpeechSheetPart> parts = {
        {QString(), {folder(kLetterNames), folder(kLetterSounds), folder(kPhrases), folder(kPraise), folder(kTryAgain)}},
        {u'-' + folder(kSyllables), {folder(kSyllables)}},
        {u'-' + folder(kDrawnOutSyllables).section(u'/', -1), {folder(kDrawnOutSyllables)}},
        {u'-' + folder(kWords), {folder(kWords)}}};
    return parts;
}

QImage SpeechSheet(const QString& VoiceFolder, const QStringList& Folders)
{
    const QDir folder(VoiceFolder);
    QStringList clips;
    QDirIterator it(folder.absolutePath(), {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString clip = folder.relativeFilePath(it.next());
        if (Folders.isEmpty() || Folders.contains(clip.section(u'/', 0, -2))) clips << clip;
    }
    clips.sort();

    const int cellHeight = kCaptionHeight + kWaveHeight + kSpectrumHeight + kGap;
    const int rows = int((clips.size() + kColumns - 1) / kColumns);
    QImage sheet(20 + kColumns * (kCellWidth + 16), 60 + std::max(1, rows) * cellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setFont(fonts::StandIn(QStringLiteral("Arial"), 24, true));
    p.drawText(20, 36,
               folder.dirName() + QStringLiteral(": %1 clips, %2 px a second").arg(clips.size()).arg(kPixelsPerSecond));
    p.setFont(fonts::StandIn(QStringLiteral("Arial"), 13));
    for (qsizetype i = 0; i < clips.size(); ++i) {
        const QPoint at(20 + int(i % kColumns) * (kCellWidth + 16), 56 + int(i / kColumns) * cellHeight);
        QString caption = clips[i];
        caption.chop(4);
        DrawClip(p, at, caption, Mp3DecodeFile(folder.filePath(clips[i])));
    }
    return sheet;
}

}  // namespace content
