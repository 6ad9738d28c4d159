#include "core/ShuffleCollection.h"

#include "platform/Random.h"

#include <utility>

namespace {

// Re-seeds, then hands Exchange count / 2 + 1 pairs of indices drawn in 0 .. count - 1.
template <class TExchange>
void Transpose(int Count, TExchange Exchange)
{
    Randomize();
    const int exchanges = Count / 2 + 1;
    for (int k = 0; k < exchanges; ++k) {
        const int i = Random(Count);
        const int j = Random(Count);
        Exchange(i, j);
    }
}

}  // namespace

void ShuffleCollection(TCollection& Collection)
{
    TCollectionItem* scratch = Collection.Add();
    // With an empty collection both draws are 0, which is the scratch item itself: harmless.
    Transpose(Collection.Count() - 1, [&](int i, int j) {
        TCollectionItem* a = Collection.Item(i);
        TCollectionItem* b = Collection.Item(j);
        scratch->Assign(*a);
        a->Assign(*b);
        b->Assign(*scratch);
    });
    Collection.Delete(Collection.Count() - 1);
}

void ShuffleCollection(std::vector<int>& Values)
{
    const int count = static_cast<int>(Values.size());
    Transpose(count, [&](int i, int j) {
        // Random(0) draws nothing and gives 0: an empty list has no index to exchange.
        if (count > 0) std::swap(Values[static_cast<size_t>(i)], Values[static_cast<size_t>(j)]);
    });
}
