#include "content/SpeechFinish.h"

#include "content/SpeechSynthesizer.h"
#include "core/Loudness.h"
#include "platform/audio/Mp3Decoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <deque>

namespace content {

namespace {

// Gain never above what each sample allows (a running minimum over ±Radius), then smoothed by a
// running mean of the same width: every mean covers only minima whose windows hold the sample, so
// the smoothed gain still keeps it under the ceiling, and it changes without clicks.
void Limit(std::vector<float>& Samples, double Ceiling, std::size_t Radius)
{
    const std::size_t n = Samples.size();
    std::vector<double> allowed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double a = std::fabs(Samples[i]);
        allowed[i] = a > Ceiling ? Ceiling / a : 1.0;
    }
    std::vector<double> minimum(n);
    std::deque<std::size_t> window;  // indices of ascending allowed values
    for (std::size_t i = 0; i < n + Radius; ++i) {
        if (i < n) {
            while (!window.empty() && allowed[window.back()] >= allowed[i]) window.pop_back();
            window.push_back(i);
        }
        if (i < Radius) continue;
        const std::size_t centre = i - Radius;
        while (window.front() + 2 * Radius < i) window.pop_front();
        minimum[centre] = allowed[window.front()];
    }
    double sum = 0;
    std::vector<double> prefix(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) prefix[i + 1] = sum += minimum[i];
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = i >= Radius ? i - Radius : 0, to = std::min(n, i + Radius + 1);
        Samples[i] = float(Samples[i] * (prefix[to] - prefix[from]) / double(to - from));
    }
}

void Scale(std::vector<float>& Samples, double Gain)
{
    for (float& s : Samples) s = float(s * Gain);
}

}  // namespace

TPcmClip LevelAndTrim(const TPcmClip& Clip, double LoudnessDb, double PeakCeilingDb, double TailSeconds)
{
    TPcmClip out = Clip;
    const std::size_t radius = std::size_t(std::max(1L, std::lround(0.003 * Clip.SampleRate)));
    // Limiting lowers the loudness a little, so level again (three rounds settle within 0.05 dB).
    for (int round = 0; round < 3; ++round) {
        const loudness::TClipMeasure m = loudness::Measure(out.Samples, out.SampleRate);
        if (m.Silent) return {Clip.SampleRate, {}};
        Scale(out.Samples, loudness::FromDb(LoudnessDb - m.LoudnessDb));
        Limit(out.Samples, loudness::FromDb(PeakCeilingDb), radius);
    }
    const loudness::TClipMeasure m = loudness::Measure(out.Samples, out.SampleRate);
    const auto at = [&](double Seconds) { return std::size_t(std::max(0.0, std::round(Seconds * out.SampleRate))); };
    const std::size_t from = at(m.LeadingSilence - TSpeechLevels::kLeadSeconds);
    const std::size_t to = std::min(out.Samples.size(), at(m.LeadingSilence + m.SoundingSeconds + TailSeconds));
    out.Samples = std::vector<float>(out.Samples.begin() + std::ptrdiff_t(from), out.Samples.begin() + std::ptrdiff_t(to));
    // A short fade in over the lead-in, so a cut inside a sound does not click.
    const std::size_t fade = std::min(out.Samples.size(), at(TSpeechLevels::kLeadSeconds));
    for (std::size_t i = 0; i < fade; ++i) out.Samples[i] = float(out.Samples[i] * double(i) / double(fade));
    return out;
}

bool EncodeSpeech(const TPcmClip& Clip, const QString& Mp3Path, QString& Error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        Error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString wav = work.filePath(QStringLiteral("finished.wav"));
    double loudnessDb = TSpeechLevels::kLoudnessDb, ceilingDb = TSpeechLevels::kPeakCeilingDb;
    double tailSeconds = TSpeechLevels::kTailSeconds;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const TPcmClip finished = LevelAndTrim(Clip, loudnessDb, ceilingDb, tailSeconds);
        if (finished.Samples.empty()) {
            Error = QStringLiteral("the clip is silent");
            return false;
        }
        QFile f(wav);
        const QByteArray bytes = WriteWav(finished);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
            Error = QStringLiteral("cannot write ") + wav;
            return false;
        }
        f.close();
        // 44.1 kHz whatever the source's rate: "Буква" and the letter are played as one stream.
        if (!RunTool(QStringLiteral("lame"),
                     {QStringLiteral("--quiet"), QStringLiteral("-m"), QStringLiteral("m"), QStringLiteral("-b"),
                      QStringLiteral("64"), QStringLiteral("--resample"), QStringLiteral("44.1"), wav, Mp3Path},
                     Error))
            return false;
        const TMp3Result decoded = Mp3DecodeFile(Mp3Path);
        if (!decoded.Ok()) {
            Error = decoded.Describe();
            return false;
        }
        const std::vector<float> mono = loudness::ToMonoFloat(decoded.Sound.Samples, decoded.Sound.Channels);
        const loudness::TClipMeasure m = loudness::Measure(mono, decoded.Sound.SampleRate);
        const double peakOver = m.PeakDb - (TSpeechLevels::kMaxPeakDb - 0.1);
        const double loudnessOff = TSpeechLevels::kLoudnessDb - m.LoudnessDb;
        if (peakOver <= 0 && std::fabs(loudnessOff) <= 0.25 && m.LeadingSilence <= TSpeechLevels::kMaxLeadSeconds &&
            m.TrailingSilence <= TSpeechLevels::kMaxTailSeconds)
            return true;
        if (peakOver > 0) ceilingDb -= peakOver;
        // Half steps after the first: in a clip of a few frames the trim moves with the gain, and
        // whole steps can swing either side of the target for ever.
        loudnessDb += attempt == 0 ? loudnessOff : loudnessOff / 2;
        const double tailOver = m.TrailingSilence - (TSpeechLevels::kMaxTailSeconds - 0.01);
        if (tailOver > 0) tailSeconds = std::max(0.0, tailSeconds - tailOver);
    }
    Error = QStringLiteral("lame's output stays off the loudness, peak or trim targets");
    return false;
}

}  // namespace content
