// MP3 bytes through the program's decoder (the same reading loop as for a file), and the promises
// of its result: a decoded sound has a rate and whole frames; a failure says why and has no sound.
#include "FuzzSupport.h"

#include "platform/audio/Mp3Decoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kvfuzz::StartQt(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const TMp3Result r = Mp3DecodeBytes(kvfuzz::InputBytes(Data, Size));
    if (r.Ok()) {
        KV_FUZZ_CHECK(r.Message.isEmpty());
        KV_FUZZ_CHECK(r.Sound.SampleRate >= 8000 && r.Sound.SampleRate <= 48000);
        KV_FUZZ_CHECK(r.Sound.Channels == 1 || r.Sound.Channels == 2);
        KV_FUZZ_CHECK(r.Sound.Samples.size() % std::size_t(r.Sound.Channels) == 0);
        KV_FUZZ_CHECK(r.Describe().isEmpty());
    } else {
        // Bytes are always there to read: "missing" and "no access" are for paths only, and
        // "empty" is exactly no bytes at all.
        KV_FUZZ_CHECK(r.Failure == TMp3Failure::NotMp3 || r.Failure == TMp3Failure::Corrupt ||
                      r.Failure == TMp3Failure::Empty || r.Failure == TMp3Failure::Truncated);
        KV_FUZZ_CHECK((r.Failure == TMp3Failure::Empty) == (Size == 0));
        KV_FUZZ_CHECK(!r.Message.isEmpty());
        // Only a file cut short keeps the sound of its beginning.
        KV_FUZZ_CHECK(r.Sound.Samples.empty() || r.Failure == TMp3Failure::Truncated);
        KV_FUZZ_CHECK(r.Playable() == !r.Sound.Samples.empty());
        KV_FUZZ_CHECK(r.Describe().startsWith(QString::fromUtf8(Mp3FailureName(r.Failure))));
    }
    return 0;
}
