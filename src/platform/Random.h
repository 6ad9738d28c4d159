#pragma once
// The program's one pseudo-random generator. Every routine that draws re-seeds it from the clock first.

// Re-seeds the generator from a high-resolution clock.
void Randomize();
// A uniform integer in 0 .. n - 1; 0 when n is 0 or less.
int Random(int n);
