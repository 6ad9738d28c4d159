#include "core/ShuffleCollection.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace {

int gAssigns = 0;

struct TValue : TCollectionItem {
    using TCollectionItem::TCollectionItem;
    int Value = 0;
    void Assign(const TCollectionItem& Source) override
    {
        ++gAssigns;
        Value = AssignSource<TValue>(Source).Value;
    }
};

struct TValues : TCollection {
    explicit TValues(int n) : TCollection(TItemClass::Of<TValue>())
    {
        for (int i = 0; i < n; ++i) static_cast<TValue*>(Add())->Value = i;
    }
    std::vector<int> Values() const
    {
        std::vector<int> v;
        for (int i = 0; i < Count(); ++i) v.push_back(static_cast<TValue*>(Item(i))->Value);
        return v;
    }
    std::vector<TCollectionItem*> Objects() const
    {
        std::vector<TCollectionItem*> v;
        for (int i = 0; i < Count(); ++i) v.push_back(Item(i));
        return v;
    }
};

}  // namespace

TEST(ShuffleCollection, MakesCountHalfPlusOneExchangesAndKeepsTheItemObjects)
{
    for (int n : {33, 31, 2}) {
        TValues c(n);
        const auto objects = c.Objects();
        gAssigns = 0;
        ShuffleCollection(c);
        EXPECT_EQ(gAssigns, 3 * (n / 2 + 1)) << n;  // three Assigns per exchange
        EXPECT_EQ(c.Count(), n);
        EXPECT_EQ(c.Objects(), objects);
        auto values = c.Values();
        std::sort(values.begin(), values.end());
        std::vector<int> all(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) all[static_cast<size_t>(i)] = i;
        EXPECT_EQ(values, all) << "a shuffle is a permutation";
    }
}

TEST(ShuffleCollection, OneItemStaysAndAnEmptyCollectionStaysEmpty)
{
    TValues one(1);
    static_cast<TValue*>(one.Item(0))->Value = 42;
    ShuffleCollection(one);
    ASSERT_EQ(one.Count(), 1);
    EXPECT_EQ(one.Values(), std::vector<int>{42});

    TValues none(0);
    ShuffleCollection(none);
    EXPECT_EQ(none.Count(), 0);
}

TEST(ShuffleCollection, ActuallyMovesContentsAcrossRuns)
{
    TValues c(33);
    const auto before = c.Values();
    bool changed = false;
    for (int run = 0; run < 5 && !changed; ++run) {
        ShuffleCollection(c);
        changed = c.Values() != before;
    }
    EXPECT_TRUE(changed);
}

TEST(ShuffleCollection, AListOfValuesBecomesAPermutationOfItself)
{
    for (int n : {33, 2, 1, 0}) {
        std::vector<int> values(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) values[static_cast<size_t>(i)] = i;
        const auto sorted = values;
        bool changed = n < 3;  // two values may well stay put five times running
        for (int run = 0; run < 5; ++run) {
            ShuffleCollection(values);
            changed = changed || values != sorted;
            auto check = values;
            std::sort(check.begin(), check.end());
            ASSERT_EQ(check, sorted) << n;
        }
        EXPECT_TRUE(changed) << n;
    }
}
