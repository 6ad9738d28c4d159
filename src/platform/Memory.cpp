#include "platform/Memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace memory {

void ReturnLargeBlocksToTheSystem()
{
#if defined(__GLIBC__)
    // A fixed threshold also stops glibc from raising it after each large free, which would move
    // the next pictures into the heap, where freeing them no longer shrinks the process.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace memory
