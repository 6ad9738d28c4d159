#include "platform/modules/corner/Mp3Encoder.h"

#include <lame/lame.h>

#include <cstring>
#include <memory>
#include <vector>

namespace modules::corner {

namespace {
constexpr int kOutputRate = 44100;
constexpr int kKbps = 64;

struct TLameDeleter {
    void operator()(lame_global_flags* Flags) const { lame_close(Flags); }
};
}  // namespace

QByteArray Mp3EncodeMono(std::span<const int16_t> Samples, int SampleRate)
{
    std::unique_ptr<lame_global_flags, TLameDeleter> lame(lame_init());
    if (!lame || SampleRate <= 0) return {};
    lame_set_num_channels(lame.get(), 1);
    lame_set_in_samplerate(lame.get(), SampleRate);
    lame_set_out_samplerate(lame.get(), kOutputRate);
    lame_set_mode(lame.get(), MONO);
    lame_set_brate(lame.get(), kKbps);
    lame_set_quality(lame.get(), 5);
    lame_set_bWriteVbrTag(lame.get(), 1);            // the LAME header: gapless decoding
    lame_set_write_id3tag_automatic(lame.get(), 0);  // so the header frame stands at offset 0
    if (lame_init_params(lame.get()) < 0) return {};

    // LAME's own bound for its output: 1.25 × samples + 7200 bytes (more with resampling, so with margin).
    const std::size_t chunk = 8192;
    std::vector<unsigned char> out(chunk * 2 + 7200);
    QByteArray mp3;
    for (std::size_t at = 0; at < Samples.size(); at += chunk) {
        const int n = int(std::min(chunk, Samples.size() - at));
        // LAME reads but does not change the input; its signature takes non-const pointers.
        short* in = const_cast<short*>(reinterpret_cast<const short*>(Samples.data() + at));
        const int written = lame_encode_buffer(lame.get(), in, in, n, out.data(), int(out.size()));
        if (written < 0) return {};
        mp3.append(reinterpret_cast<const char*>(out.data()), written);
    }
    const int flushed = lame_encode_flush(lame.get(), out.data(), int(out.size()));
    if (flushed < 0) return {};
    mp3.append(reinterpret_cast<const char*>(out.data()), flushed);

    // The LAME header frame stands at the start, as a placeholder until now.
    std::vector<unsigned char> tag(2880);
    const std::size_t tagBytes = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
    if (tagBytes > 0 && tagBytes <= std::size_t(mp3.size())) std::memcpy(mp3.data(), tag.data(), tagBytes);
    return mp3;
}

}  // namespace modules::corner
