#include "platform/Memory.h"

#include <cstdlib>  // defines __GLIBC__ on the GNU C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace mem {

void ReturnLargeBlocksToTheSystem()
{
#if defined(__GLIBC__)
    // A fixed threshold also stops glibc from raising it after each large block freed, which is
    // what otherwise keeps such blocks in the heap.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

}  // namespace mem
