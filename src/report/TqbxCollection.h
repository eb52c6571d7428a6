// Collections of persistent items (data-set items, variables, styles), streamed inside a report's PropData.
#pragma once

#include "report/TqbxPersistent.h"

#include <memory>
#include <vector>

namespace qbx {

class TqbxCollection;

// An item belongs to exactly one collection, which owns it.
class TqbxCollectionItem : public TqbxPersistent
{
public:
    TqbxCollection* Collection() const { return collection_; }
    int Index() const;

private:
    friend class TqbxCollection;
    TqbxCollection* collection_ = nullptr;
};

class TqbxCollection : public TqbxPersistent
{
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TqbxCollectionItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TqbxCollectionItem* Add(); // a new item of the collection's kind at the end
    void Delete(int index);
    void Clear() { items_.clear(); }
    int IndexOf(const TqbxCollectionItem* item) const;
    // Copies the items of another collection of the same kind.
    void Assign(const TqbxPersistent& source) override;

protected:
    virtual std::unique_ptr<TqbxCollectionItem> CreateItem() = 0;

private:
    std::vector<std::unique_ptr<TqbxCollectionItem>> items_;
};

} // namespace qbx
