#pragma once
// How the process gets its memory from the system.

namespace memory {

// Large blocks (pictures, decoded sounds) are given back to the system as soon as they are freed,
// instead of staying in the allocator's heap: a program that runs for days rebuilding boards and
// reading colouring themes keeps a flat footprint.
void ReturnLargeBlocksToTheSystem();

// Gives back to the system what is free in every thread's heap: after a burst of work on other
// threads (the start-up loading, a picture reading) their heaps keep what they no longer use.
void ReturnFreedMemory();

}  // namespace memory
