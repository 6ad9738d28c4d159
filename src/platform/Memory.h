#pragma once
// How the process gets its memory from the system.

namespace memory {

// Large blocks (pictures, decoded sounds) are given back to the system as soon as they are freed,
// instead of staying in the allocator's heap: a program that runs for days rebuilding boards and
// reading colouring themes keeps a flat footprint.
void ReturnLargeBlocksToTheSystem();

}  // namespace memory
