// TqbxCustomOutline and TqbxOutline: the outline tree of prepared pages, as scripts and the engine build it.
#pragma once

#include <string>

namespace qbx {

class TqbxPreviewPages;
class TqbxXMLItem;

// An outline item or an anchor (text, page, top) moved to the next page, `dy` lower: a kept block moves.
void MoveToNextPage(TqbxXMLItem& item, int dy);

// The outline as scripts see it (the Outline object).
class TqbxCustomOutline
{
public:
    virtual ~TqbxCustomOutline() = default;
    virtual int Count() const = 0; // children of the current item
    // Appends a child to the current item (page := the store's current page) and makes it current.
    virtual void AddItem(const std::string& text, int top) = 0;
    virtual void LevelDown(int index) = 0;
    virtual void LevelRoot() = 0;
    virtual void LevelUp() = 0;
    // The text, page and top of the current item's child `index`; page and top stay as they are when
    // the item has none.
    virtual void GetItem(int index, std::string& text, int& page, int& top) const = 0;
    // Moves the sibling after `item`, with all its descendants, to the next page at `top`.
    virtual void ShiftItems(TqbxXMLItem* item, int top) = 0;
    virtual TqbxXMLItem* GetCurPosition() const = 0; // the last child of the current item, or none
};

// Owned by the store; works on the store's "outline" element, which it never owns.
class TqbxOutline : public TqbxCustomOutline
{
public:
    explicit TqbxOutline(TqbxPreviewPages& pages)
        : pages_(pages)
    {
    }
    int Count() const override;
    void AddItem(const std::string& text, int top) override;
    void LevelDown(int index) override;
    void LevelRoot() override;
    void LevelUp() override;
    void GetItem(int index, std::string& text, int& page, int& top) const override;
    void ShiftItems(TqbxXMLItem* item, int top) override;
    TqbxXMLItem* GetCurPosition() const override;
    // Forgets the current item: the document it lay in was cleared or read anew.
    void Reset() { current_ = nullptr; }

private:
    TqbxXMLItem& Current() const;

    TqbxPreviewPages& pages_;
    mutable TqbxXMLItem* current_ = nullptr; // an item of the "outline" tree; nullptr: its root
};

} // namespace qbx
