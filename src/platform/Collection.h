#pragma once
// Ordered, owning collections of items. Nearly every class of the program is one or the other:
// an item knows its collection and its index; adding creates an item of the collection's item
// class; destroying an item takes it out of its collection.
#include <functional>
#include <stdexcept>
#include <typeinfo>
#include <vector>

class TCollection;

// Copying between items of different classes: a programming error.
class EInvalidCast : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// An index outside the list: a programming error.
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TCollectionItem {
public:
    // Appends the new item to Collection (when given).
    explicit TCollectionItem(TCollection* Collection);
    virtual ~TCollectionItem();
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return FCollection; }
    int Index() const;

    // Copies Source's content into this item. The base has no content; classes override it.
    virtual void Assign(const TCollectionItem& Source);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
};

// The class of a collection's items: how to make one, and which C++ type it is.
struct TItemClass {
    const std::type_info* Type = nullptr;
    std::function<TCollectionItem*(TCollection*)> Create;

    template <class T>
    static TItemClass Of()
    {
        return {&typeid(T), [](TCollection* c) -> TCollectionItem* { return new T(c); }};
    }
};

class TCollection {
public:
    explicit TCollection(TItemClass ItemClass);
    virtual ~TCollection();
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    const TItemClass& ItemClass() const { return FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }

    // A new item of the item class, appended.
    TCollectionItem* Add();
    // The item at Index; raises EListError outside 0 .. Count - 1.
    TCollectionItem* Item(int Index) const;
    // Frees the item at Index; later items move down by one.
    void Delete(int Index);
    // Frees every item.
    void Clear();
    int IndexOf(const TCollectionItem* Item) const;

protected:
    // Typed access for derived collections; the index is 16-bit unsigned as the program's accessors take it.
    template <class T>
    T* ItemAs(unsigned short Index) const
    {
        return static_cast<T*>(Item(Index));
    }

private:
    friend class TCollectionItem;
    void Attach(TCollectionItem* Item);
    void Detach(TCollectionItem* Item);

    TItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
};

// The checked cast that Assign implementations use on their Source.
template <class T>
const T& AssignSource(const TCollectionItem& Source)
{
    const T* s = dynamic_cast<const T*>(&Source);
    if (!s) throw EInvalidCast("Invalid class typecast");
    return *s;
}
