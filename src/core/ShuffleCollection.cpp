#include "core/ShuffleCollection.h"

#include "platform/Random.h"

void ShuffleCollection(TCollection& Collection)
{
    Randomize();
    const int count = Collection.Count();
    const int exchanges = count / 2 + 1;
    TCollectionItem* scratch = Collection.Add();
    for (int k = 0; k < exchanges; ++k) {
        const int i = Random(count);
        const int j = Random(count);
        // With an empty collection both draws are 0, which is the scratch item itself: harmless.
        TCollectionItem* a = Collection.Item(i);
        TCollectionItem* b = Collection.Item(j);
        scratch->Assign(*a);
        a->Assign(*b);
        b->Assign(*scratch);
    }
    Collection.Delete(Collection.Count() - 1);
}
