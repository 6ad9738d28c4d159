#include "platform/Collection.h"

#include <algorithm>
#include <string>

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection) Collection->Attach(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection) FCollection->Detach(this);
}

int TCollectionItem::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::Assign(const TCollectionItem& Source)
{
    // The base item has no content; copying is allowed only between items of one class.
    if (typeid(Source) != typeid(*this)) throw EInvalidCast("Invalid class typecast");
}

TCollection::TCollection(TItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection()
{
    Clear();
}

TCollectionItem* TCollection::Add()
{
    return FItemClass.Create(this);
}

TCollectionItem* TCollection::Item(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<size_t>(Index)];
}

void TCollection::Delete(int Index)
{
    delete Item(Index);
}

void TCollection::Clear()
{
    while (!FItems.empty()) delete FItems.back();
}

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TCollection::Attach(TCollectionItem* Item)
{
    Item->FCollection = this;
    FItems.push_back(Item);
}

void TCollection::Detach(TCollectionItem* Item)
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it != FItems.end()) FItems.erase(it);
    Item->FCollection = nullptr;
}
