// A colouring page as stored on disk (a bitmap with its head scrambled) through the page reader, and
// the decoded page drawn as a thumbnail: whatever the reader accepts must be safe to draw.
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
    const TDecodedPicture page = DecodeScrambledBytes(kvfuzz::InputBytes(Data, Size));
    if (!page) return 0;
    KV_FUZZ_CHECK(!page->isNull());
    KV_FUZZ_CHECK(page->width() > 0 && page->height() > 0);
    kvfuzz::CheckDrawable(*page);
    kvfuzz::DrawAsThumbnail(*page);
    return 0;
}
