#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator()
{
    static std::mt19937 gen{std::random_device{}()};
    return gen;
}
}  // namespace

void Randomize()
{
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Mix in a counter so two re-seeds within one clock tick still give different sequences.
    static unsigned long long calls = 0;
    ++calls;
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32),
                      static_cast<unsigned>(calls)};
    Generator().seed(seq);
}

int Random(int n)
{
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}
