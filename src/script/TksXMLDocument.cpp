// The script engine's XML documents, read and written through the template model's reader and writer.
#include "script/TksXMLDocument.h"

#include "base/Exceptions.h"
#include "base/OwnedList.h"
#include "base/Unicode.h"
#include "formats/TqbxXML.h"
#include "formats/XMLItemOps.h"
#include "platform/Files.h"

#include <sstream>

namespace qbx {
namespace {

// The template model's attribute rules, applied through a scratch item.
std::string ReadProp(const std::string& text, std::string_view name)
{
    TqbxXMLItem scratch;
    scratch.Text = text;
    return scratch.Prop(name);
}

void Convert(const TqbxXMLItem& from, TksXMLItem& to)
{
    to.Name = from.Name;
    to.Text = from.Text;
    for (int i = 0; i < from.Count(); ++i)
        Convert(*from.Items(i), *to.Add());
}

void Convert(const TksXMLItem& from, TqbxXMLItem& to)
{
    to.Name = from.Name;
    to.Text = from.Text;
    for (int i = 0; i < from.Count(); ++i)
        Convert(*from.Items(i), *to.Add());
}

} // namespace

TksXMLItem::~TksXMLItem()
{
    Clear();
    if (parent_)
        LeaveOwningList(parent_->items_, this);
}

TksXMLItem* TksXMLItem::Root()
{
    TksXMLItem* item = this;
    while (item->parent_)
        item = item->parent_;
    return item;
}

TksXMLItem* TksXMLItem::Add()
{
    items_.push_back(std::make_unique<TksXMLItem>());
    items_.back()->parent_ = this;
    return items_.back().get();
}

int TksXMLItem::Find(std::string_view name) const
{
    return FindChild(*this, name);
}

TksXMLItem* TksXMLItem::FindItem(std::string_view name)
{
    return FindOrAddChild(*this, name);
}

int TksXMLItem::IndexOf(const TksXMLItem* item) const
{
    return IndexOfChild(*this, item);
}

std::string TksXMLItem::Prop(std::string_view name) const
{
    return ReadProp(Text, name);
}

void TksXMLItem::SetProp(std::string_view name, std::string_view value)
{
    TqbxXMLItem scratch;
    scratch.Text = Text;
    scratch.SetProp(name, value);
    Text = scratch.Text;
}

void TksXMLItem::Clear()
{
    for (auto& child : items_)
        child->parent_ = nullptr;
    items_.clear();
}

void TksXMLItem::Assign(const TksXMLItem& source)
{
    if (&source == this)
        return;
    Clear();
    Name = source.Name;
    Text = source.Text;
    Data = source.Data;
    for (int i = 0; i < source.Count(); ++i)
        Add()->Assign(*source.Items(i));
}

void TksXMLDocument::LoadFromStream(std::istream& in)
{
    root_.Clear();
    root_.Name.clear();
    root_.Text.clear();
    TqbxXMLItem tree;
    try {
        TqbxXMLReader reader(in);
        reader.DeferredMarkers = false;
        reader.ReadHeader();
        reader.ReadItem(tree, false);
    } catch (const TqbxInvalidXMLException&) {
        Convert(tree, root_);
        throw Exception("Invalid file format");
    }
    Convert(tree, root_);
}

void TksXMLDocument::SaveToStream(std::ostream& out, bool header)
{
    TqbxXMLItem tree;
    Convert(root_, tree);
    TqbxXMLWriter writer(out, AutoIndent);
    if (header)
        writer.WriteHeader("<?xml version=\"1.0\"?>");
    writer.WriteItem(tree);
}

void TksXMLDocument::LoadFromFile(const std::string& fileName)
{
    std::istringstream in(ReadWholeFile(fileName));
    LoadFromStream(in);
}

void TksXMLDocument::SaveToFile(const std::string& fileName)
{
    std::ostringstream out;
    SaveToStream(out);
    WriteFileAtomically(fileName, out.str());
}

} // namespace qbx
