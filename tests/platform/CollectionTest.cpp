#include "platform/Collection.h"

#include <gtest/gtest.h>

namespace {

struct TNumber : TCollectionItem {
    using TCollectionItem::TCollectionItem;
    int Value = 0;
    void Assign(const TCollectionItem& Source) override { Value = AssignSource<TNumber>(Source).Value; }
};

struct TOther : TCollectionItem {
    using TCollectionItem::TCollectionItem;
};

struct TNumbers : TCollection {
    TNumbers() : TCollection(TItemClass::Of<TNumber>()) {}
    TNumber* At(unsigned short i) const { return ItemAs<TNumber>(i); }
};

}  // namespace

TEST(Collection, AddCreatesItemsOfTheItemClassThatKnowTheirPlace)
{
    TNumbers c;
    auto* a = c.Add();
    auto* b = c.Add();
    EXPECT_NE(dynamic_cast<TNumber*>(a), nullptr);
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(a->Collection(), &c);
    EXPECT_EQ(a->Index(), 0);
    EXPECT_EQ(b->Index(), 1);
}

TEST(Collection, FreeingAndDeletingMoveLaterItemsDown)
{
    TNumbers c;
    for (int i = 0; i < 4; ++i) static_cast<TNumber*>(c.Add())->Value = i;
    delete c.Item(1);  // freeing an item removes it
    ASSERT_EQ(c.Count(), 3);
    EXPECT_EQ(c.At(1)->Value, 2);
    EXPECT_EQ(c.At(1)->Index(), 1);
    c.Delete(0);
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c.At(0)->Value, 2);
    EXPECT_EQ(c.At(1)->Value, 3);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
}

TEST(Collection, IndexOutsideTheListIsAListError)
{
    TNumbers c;
    EXPECT_THROW(c.Item(0), EListError);
    c.Add();
    EXPECT_NO_THROW(c.Item(0));
    EXPECT_THROW(c.Item(1), EListError);
    EXPECT_THROW(c.Item(-1), EListError);
    EXPECT_THROW(c.Delete(5), EListError);
    EXPECT_THROW(c.At(65535), EListError);
}

TEST(Collection, AssignCopiesContentAndRefusesOtherClasses)
{
    TNumbers c;
    auto* a = static_cast<TNumber*>(c.Add());
    auto* b = static_cast<TNumber*>(c.Add());
    a->Value = 7;
    b->Assign(*a);
    EXPECT_EQ(b->Value, 7);
    TOther other(nullptr);
    EXPECT_THROW(b->Assign(other), EInvalidCast);
    EXPECT_THROW(other.Assign(*a), EInvalidCast);
    EXPECT_EQ(b->Value, 7);
}

TEST(Collection, AnItemOutlivingNoCollectionIsFreeStanding)
{
    TNumber loose(nullptr);
    EXPECT_EQ(loose.Collection(), nullptr);
    EXPECT_EQ(loose.Index(), -1);
}
