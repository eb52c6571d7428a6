// The outline tree of prepared pages.
#include "engine/TqbxOutline.h"

#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxXML.h"

namespace qbx {
namespace {

// Moves an item and all its descendants to the next page, `dy` lower.
void ShiftTree(TqbxXMLItem& item, int dy)
{
    MoveToNextPage(item, dy);
    for (int i = 0; i < item.Count(); ++i)
        ShiftTree(*item.Items(i), dy);
}

} // namespace

void MoveToNextPage(TqbxXMLItem& item, int dy)
{
    item.SetProp("page", std::to_string(item.IntProp("page") + 1));
    item.SetProp("top", std::to_string(item.IntProp("top") + dy));
}

TqbxXMLItem& TqbxOutline::Current() const
{
    if (!current_)
        current_ = &pages_.OutlineItem();
    return *current_;
}

int TqbxOutline::Count() const
{
    return Current().Count();
}

void TqbxOutline::AddItem(const std::string& text, int top)
{
    TqbxXMLItem* item = Current().Add();
    item->Name = "item";
    item->SetProp("text", text);
    item->SetProp("page", std::to_string(pages_.CurPage));
    item->SetProp("top", std::to_string(top));
    current_ = item;
}

void TqbxOutline::LevelDown(int index)
{
    if (index >= 0 && index < Current().Count())
        current_ = Current().Items(index);
}

void TqbxOutline::LevelRoot()
{
    current_ = &pages_.OutlineItem();
}

void TqbxOutline::LevelUp()
{
    TqbxXMLItem& root = pages_.OutlineItem();
    if (&Current() != &root && Current().Parent())
        current_ = Current().Parent();
}

void TqbxOutline::GetItem(int index, std::string& text, int& page, int& top) const
{
    if (index < 0 || index >= Current().Count())
        return;
    const TqbxXMLItem& item = *Current().Items(index);
    text = item.Prop("text");
    page = item.IntProp("page", page);
    top = item.IntProp("top", top);
}

void TqbxOutline::ShiftItems(TqbxXMLItem* item, int top)
{
    if (!item || !item->Parent())
        return;
    TqbxXMLItem& parent = *item->Parent();
    int next = parent.IndexOf(item) + 1;
    if (next <= 0 || next >= parent.Count())
        return;
    TqbxXMLItem& sibling = *parent.Items(next);
    ShiftTree(sibling, top - sibling.IntProp("top"));
}

TqbxXMLItem* TqbxOutline::GetCurPosition() const
{
    return Current().Count() > 0 ? Current().Items(Current().Count() - 1) : nullptr;
}

} // namespace qbx
