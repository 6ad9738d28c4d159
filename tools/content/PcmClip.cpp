#include "content/PcmClip.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace content {

double TPcmClip::Peak() const
{
    double peak = 0;
    for (float s : Samples) peak = std::max(peak, double(std::fabs(s)));
    return peak;
}

double TPcmClip::Rms() const
{
    if (Samples.empty()) return 0;
    double sum = 0;
    for (float s : Samples) sum += double(s) * s;
    return std::sqrt(sum / Samples.size());
}

std::optional<TPcmClip> ReadWav(const QByteArray& Bytes)
{
    // Fields read past the end come out as 0, which no valid header has.
    const auto u16 = [&](qsizetype at) -> quint16 {
        return at >= 0 && at + 2 <= Bytes.size() ? qFromLittleEndian<quint16>(Bytes.constData() + at) : 0;
    };
    const auto u32 = [&](qsizetype at) -> quint32 {
        return at >= 0 && at + 4 <= Bytes.size() ? qFromLittleEndian<quint32>(Bytes.constData() + at) : 0;
    };
    if (Bytes.size() < 12 || !Bytes.startsWith("RIFF") || Bytes.mid(8, 4) != "WAVE") return std::nullopt;

    int channels = 0, bits = 0, rate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= Bytes.size()) {
        const QByteArray id = Bytes.mid(pos, 4);
        const qsizetype size = u32(pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && body + 16 <= Bytes.size()) {
            if (u16(body) != 1) return std::nullopt;  // PCM only
            channels = u16(body + 2);
            rate = int(u32(body + 4));
            bits = u16(body + 14);
        } else if (id == "data") {
            if (channels < 1 || bits != 16 || rate <= 0) return std::nullopt;
            // A streamed file may announce more data than it holds: take what is there.
            const qsizetype end = std::min<qsizetype>(Bytes.size(), body + size);
            const qsizetype frame = 2 * channels;
            TPcmClip clip;
            clip.SampleRate = rate;
            for (qsizetype at = body; at + frame <= end; at += frame)
                clip.Samples.push_back(qFromLittleEndian<qint16>(Bytes.constData() + at) / 32768.0f);
            return clip;
        }
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

QByteArray WriteWav(const TPcmClip& Clip)
{
    const quint32 dataBytes = quint32(Clip.Samples.size() * 2);
    QByteArray out;
    out.reserve(44 + dataBytes);
    const auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    const auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    out.append("RIFF");
    put32(36 + dataBytes);
    out.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(quint32(Clip.SampleRate));
    put32(quint32(Clip.SampleRate * 2));
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    for (float s : Clip.Samples) put16(quint16(qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
    return out;
}

TPcmClip TrimSilence(const TPcmClip& Clip, double Threshold)
{
    TPcmClip out{Clip.SampleRate, {}};
    const double level = Threshold * Clip.Peak();
    if (level <= 0) return out;
    const auto loud = [&](float s) { return std::fabs(s) > level; };
    const auto first = std::find_if(Clip.Samples.begin(), Clip.Samples.end(), loud);
    const auto last = std::find_if(Clip.Samples.rbegin(), Clip.Samples.rend(), loud);
    out.Samples.assign(first, last.base());
    return out;
}

TPcmClip Pad(const TPcmClip& Clip, double Lead, double Tail)
{
    TPcmClip out{Clip.SampleRate, {}};
    out.Samples.assign(size_t(std::lround(Lead * Clip.SampleRate)), 0.0f);
    out.Samples.insert(out.Samples.end(), Clip.Samples.begin(), Clip.Samples.end());
    out.Samples.resize(out.Samples.size() + size_t(std::lround(Tail * Clip.SampleRate)), 0.0f);
    return out;
}

TPcmClip EvenLoudness(const TPcmClip& Clip, double TargetRms, double PeakCeiling)
{
    TPcmClip out = Clip;
    const double rms = Clip.Rms(), peak = Clip.Peak();
    if (rms <= 0) return out;
    const double gain = std::min(TargetRms / rms, PeakCeiling / peak);
    for (float& s : out.Samples) s = float(s * gain);
    return out;
}

}  // namespace content
