// The script engine's XML documents (grammars, intermediate programs): the template model's reading,
// writing and escaping rules without deferred loading.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// One element; a parent owns its children, and destroying an item removes it from its parent.
class TksXMLItem
{
public:
    TksXMLItem() = default;
    ~TksXMLItem();
    TksXMLItem(const TksXMLItem&) = delete;
    TksXMLItem& operator=(const TksXMLItem&) = delete;

    std::string Name;
    std::string Text;
    void* Data = nullptr;

    int Count() const { return static_cast<int>(items_.size()); }
    TksXMLItem* Items(int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    TksXMLItem* Parent() const { return parent_; }
    TksXMLItem* Root(); // the topmost ancestor
    TksXMLItem* Add();
    int Find(std::string_view name) const;
    TksXMLItem* FindItem(std::string_view name);
    int IndexOf(const TksXMLItem* item) const;
    std::string Prop(std::string_view name) const;
    void SetProp(std::string_view name, std::string_view value);
    void Clear();
    // Clears this item, then copies name, text, data pointer and every child of `source`.
    void Assign(const TksXMLItem& source);

private:
    std::vector<std::unique_ptr<TksXMLItem>> items_;
    TksXMLItem* parent_ = nullptr;
};

class TksXMLDocument
{
public:
    bool AutoIndent = false;
    TksXMLItem& Root() { return root_; }

    // Reading errors raise a plain Exception "Invalid file format".
    void LoadFromStream(std::istream& in);
    void SaveToStream(std::ostream& out, bool header = true); // header <?xml version="1.0"?>
    void LoadFromFile(const std::string& fileName); // raises EFileError naming the file
    void SaveToFile(const std::string& fileName);

private:
    TksXMLItem root_;
};

} // namespace qbx
