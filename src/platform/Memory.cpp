#include "platform/Memory.h"

#include <malloc.h>

namespace memory {

void ReturnLargeBlocksToTheSystem()
{
    // A fixed threshold also stops glibc from raising it after each large free, which would move
    // the next pictures into the heap, where freeing them no longer shrinks the process.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

}  // namespace memory
