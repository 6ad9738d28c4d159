#pragma once
// How the program's heap treats large blocks.

namespace mem {

// Blocks of a mebibyte and more (decoded pictures, their scaled and converted copies) go back to
// the system when they are freed, instead of staying in the heap for reuse: a program that decodes
// a big picture now and then should not stay as large as its largest moment. Call once, early.
void ReturnLargeBlocksToTheSystem();

}  // namespace mem
