// Collections and their items.
#include "report/TqbxCollection.h"

#include "base/Exceptions.h"

namespace qbx {

int TqbxCollectionItem::Index() const
{
    return collection_ ? collection_->IndexOf(this) : -1;
}

TqbxCollectionItem* TqbxCollection::Add()
{
    std::unique_ptr<TqbxCollectionItem> item = CreateItem();
    item->collection_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TqbxCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError("Collection index " + std::to_string(index) + " is out of bounds");
    items_.erase(items_.begin() + index);
}

int TqbxCollection::IndexOf(const TqbxCollectionItem* item) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].get() == item)
            return i;
    return -1;
}

void TqbxCollection::Assign(const TqbxPersistent& source)
{
    const auto* other = dynamic_cast<const TqbxCollection*>(&source);
    if (!other || other == this)
        return;
    Clear();
    for (int i = 0; i < other->Count(); ++i)
        Add()->Assign(*other->Items(i));
}

} // namespace qbx
