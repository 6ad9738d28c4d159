// A word picture's bytes through the JPEG reader the catalogue uses, and the decoded picture drawn
// as a tile draws it. Also where the picture ends: whatever follows a whole JPEG does not move its
// end, and one byte less is cut short.
#include "FuzzSupport.h"

#include "pictures/PictureCheck.h"
#include "pictures/PictureDecoding.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kvfuzz::StartQt(true);
    kvfuzz::LimitPictureSize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes = kvfuzz::InputBytes(Data, Size);
    const qsizetype end = JpegEnd(bytes);
    if (end >= 0) {
        KV_FUZZ_CHECK(end <= bytes.size());
        KV_FUZZ_CHECK(JpegEnd(bytes.left(end - 1)) == -1);  // one byte less is cut short
        KV_FUZZ_CHECK(JpegEnd(bytes.left(end) + QByteArray("\xFF\xDA\x00\x02\xFF", 5)) == end);
    }
    const TDecodedPicture picture = DecodeJpegBytes(bytes);
    if (!picture) return 0;
    KV_FUZZ_CHECK(!picture->isNull());
    KV_FUZZ_CHECK(picture->width() > 0 && picture->height() > 0);
    kvfuzz::CheckDrawable(*picture);
    kvfuzz::DrawAsThumbnail(*picture);
    return 0;
}
