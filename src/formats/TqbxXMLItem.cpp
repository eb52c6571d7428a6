// XML items: children and attribute access on the raw attribute text.
#include "base/FloatText.h"
#include "base/OwnedList.h"
#include "base/Unicode.h"
#include "formats/TqbxXML.h"
#include "formats/XMLItemOps.h"
#include "formats/XmlEscape.h"

namespace qbx {

TqbxXMLItem::~TqbxXMLItem()
{
    FreeChildren();
    if (parent_)
        LeaveOwningList(parent_->items_, this);
}

TqbxXMLItem* TqbxXMLItem::Add()
{
    return AddItem(std::make_unique<TqbxXMLItem>());
}

TqbxXMLItem* TqbxXMLItem::AddItem(std::unique_ptr<TqbxXMLItem> item)
{
    item->parent_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

std::unique_ptr<TqbxXMLItem> TqbxXMLItem::Release(TqbxXMLItem* child)
{
    std::unique_ptr<TqbxXMLItem> owned = TakeFromList(items_, child);
    if (owned)
        owned->parent_ = nullptr;
    return owned;
}

void TqbxXMLItem::AddItem(TqbxXMLItem& item)
{
    if (!item.parent_)
        throw EListError("An XML item without a parent must be added with its ownership");
    AddItem(item.parent_->Release(&item));
}

TqbxXMLItem* TqbxXMLItem::InsertItem(int index, std::unique_ptr<TqbxXMLItem> item)
{
    TqbxXMLItem* added = AddItem(std::move(item));
    index = std::clamp(index, 0, Count() - 1);
    std::rotate(items_.begin() + index, items_.end() - 1, items_.end());
    return added;
}

int TqbxXMLItem::Find(std::string_view name) const
{
    return FindChild(*this, name);
}

TqbxXMLItem* TqbxXMLItem::FindItem(std::string_view name)
{
    return FindOrAddChild(*this, name);
}

int TqbxXMLItem::IndexOf(const TqbxXMLItem* item) const
{
    return IndexOfChild(*this, item);
}

namespace {

// Where the value of attribute `name` starts in Text (after its opening quote), or npos; also the start of
// the attribute's name: the first place where the name (letters compared without case), at the start or
// after a blank, is followed by =".
std::size_t FindAttribute(const std::string& text, std::string_view name, std::size_t& nameStart)
{
    std::string_view all(text);
    for (std::size_t at = 0; at + name.size() + 2 <= all.size(); ++at) {
        if ((at > 0 && all[at - 1] != ' ') || all.compare(at + name.size(), 2, "=\"") != 0
            || !SameText(all.substr(at, name.size()), name))
            continue;
        nameStart = at;
        return at + name.size() + 2;
    }
    return std::string::npos;
}

} // namespace

std::string TqbxXMLItem::Prop(std::string_view name) const
{
    std::size_t nameStart = 0;
    std::size_t value = FindAttribute(Text, name, nameStart);
    if (value == std::string::npos)
        return {};
    std::size_t end = Text.find('"', value);
    return XmlUnescape(
        std::string_view(Text).substr(value, end == std::string::npos ? std::string::npos : end - value));
}

int TqbxXMLItem::IntProp(std::string_view name, int absent) const
{
    long long value = 0;
    std::string text = Prop(name);
    return !text.empty() && TryTextToInt64(text, value) ? static_cast<int>(value) : absent;
}

long double TqbxXMLItem::FloatProp(std::string_view name, long double absent) const
{
    long double value = 0;
    std::string text = Prop(name);
    return !text.empty() && TryTextToFloat(text, value) ? value : absent;
}

void TqbxXMLItem::SetProp(std::string_view name, std::string_view value)
{
    std::string attribute = std::string(name) + "=\"" + XmlEscape(value) + "\"";
    std::size_t nameStart = 0;
    std::size_t valueStart = FindAttribute(Text, name, nameStart);
    std::size_t at = Text.size();
    if (valueStart != std::string::npos) {
        std::size_t close = Text.find('"', valueStart);
        std::size_t end = close == std::string::npos ? Text.size() : close + 1;
        Text.erase(nameStart, end - nameStart);
        at = nameStart;
    }
    if (at != 0 && Text[at - 1] != ' ')
        attribute.insert(0, " ");
    Text.insert(at, attribute);
}

void TqbxXMLItem::FreeChildren()
{
    // Children must not look for themselves in a list that is being emptied.
    for (auto& child : items_)
        child->parent_ = nullptr;
    items_.clear();
}

void TqbxXMLItem::Clear()
{
    FreeChildren();
    if (Unloadable)
        Loaded = false;
}

} // namespace qbx
