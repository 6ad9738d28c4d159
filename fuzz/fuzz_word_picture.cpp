// A word picture's bytes through the JPEG reader the catalogue uses, and the decoded picture drawn
// as a tile draws it.
#include "FuzzSupport.h"

#include "pictures/PictureDecoding.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kvfuzz::StartQt(true);
    kvfuzz::LimitPictureSize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const TDecodedPicture picture = DecodeJpegBytes(kvfuzz::InputBytes(Data, Size));
    if (!picture) return 0;
    KV_FUZZ_CHECK(!picture->isNull());
    KV_FUZZ_CHECK(picture->width() > 0 && picture->height() > 0);
    kvfuzz::CheckDrawable(*picture);
    kvfuzz::DrawAsThumbnail(*picture);
    return 0;
}
