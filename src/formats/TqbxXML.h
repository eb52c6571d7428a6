// The XML document model of templates and prepared reports: items with a name and a raw attribute text,
// a buffered reader, an indenting writer, and deferred loading of large items through a temporary file.
#pragma once

#include "base/Exceptions.h"

#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// Raised by the reader for text that is not a document of this model.
class TqbxInvalidXMLException : public Exception
{
public:
    TqbxInvalidXMLException()
        : Exception("Invalid file format")
    {
    }
    explicit TqbxInvalidXMLException(const std::string& detail)
        : Exception("Invalid file format: " + detail)
    {
    }
};

// One element. A parent owns its children; destroying an item removes it from its parent.
class TqbxXMLItem
{
public:
    TqbxXMLItem() = default;
    ~TqbxXMLItem();
    TqbxXMLItem(const TqbxXMLItem&) = delete;
    TqbxXMLItem& operator=(const TqbxXMLItem&) = delete;

    std::string Name;
    std::string Text; // the attributes as written, values escaped; normally begins with a space
    void* Data = nullptr; // free for the caller
    std::int64_t Offset = 0; // where the item's tag starts in the stream that holds it while unloaded
    bool Loaded = true;
    bool Unloadable = false;

    int Count() const { return static_cast<int>(items_.size()); }
    TqbxXMLItem* Items(int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    TqbxXMLItem* Parent() const { return parent_; }
    TqbxXMLItem* Add();
    // Appends a new item, owned from now on by this one.
    TqbxXMLItem* AddItem(std::unique_ptr<TqbxXMLItem> item);
    // Moves an item of another parent (or of this one) to the end of this item's children.
    void AddItem(TqbxXMLItem& item);
    TqbxXMLItem* InsertItem(int index, std::unique_ptr<TqbxXMLItem> item);
    int Find(std::string_view name) const; // without regard to case; -1 when absent
    TqbxXMLItem* FindItem(std::string_view name); // adds a child of that name when absent
    int IndexOf(const TqbxXMLItem* item) const;
    std::string Prop(std::string_view name) const; // unescaped; empty when absent
    // A number attribute; `absent` when the attribute is missing or is no number.
    int IntProp(std::string_view name, int absent = 0) const;
    long double FloatProp(std::string_view name, long double absent = 0) const;
    void SetProp(std::string_view name, std::string_view value);
    // Frees the children; an Unloadable item is then no longer Loaded.
    void Clear();

    // Which stream holds the children of an unloaded item (set by the document).
    std::istream* Source = nullptr;

private:
    std::unique_ptr<TqbxXMLItem> Release(TqbxXMLItem* child);
    void FreeChildren();

    std::vector<std::unique_ptr<TqbxXMLItem>> items_;
    TqbxXMLItem* parent_ = nullptr;
};

// Reads tags from a stream through a 4096-byte buffer; positions are 64-bit.
class TqbxXMLReader
{
public:
    explicit TqbxXMLReader(std::istream& in);

    // The next tag: its name (empty at the end of the stream) and attribute text; comments are skipped.
    // Raises TqbxInvalidXMLException for '<' inside a tag and for a stream that ends inside one.
    void ReadTag(std::string& name, std::string& text);
    // Elements nested deeper than this are refused, so hostile input cannot exhaust the stack.
    static constexpr int kMaxDepth = 500;
    // Reads one element with its children into `item`; true when the tag read closes the parent.
    // With `allowPartial`, items marked ld="0" are left unloaded and get the stream as their source.
    bool ReadItem(TqbxXMLItem& item, bool allowPartial);
    void ReadHeader(); // the first tag must begin with "?xml"
    // When false, ld="0" is an attribute like any other (the script engine's documents).
    bool DeferredMarkers = true;
    // Read whole, a marked item still stays Unloadable, so that it is written with its marker again.
    bool KeepDeferredMarkers = false;
    std::int64_t Position() const { return position_; }
    // The stream ended while an element was still open (what was read is kept).
    bool Truncated() const { return truncated_; }

private:
    bool NextByte(char& c);

    std::istream& in_;
    char buffer_[4096];
    std::size_t fill_ = 0, index_ = 0;
    std::int64_t position_ = 0; // of the next byte
    std::int64_t tagStart_ = 0;
    std::string lastTagName_;
    int depth_ = 0;
    bool truncated_ = false;
};

// Writes items as lines into a buffer flushed to the stream in blocks of about 4096 bytes.
class TqbxXMLWriter
{
public:
    TqbxXMLWriter(std::ostream& out, bool autoIndent);
    ~TqbxXMLWriter(); // flushes
    void WriteHeader(const std::string& header = "<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    // Writes the item and its subtree; an unloaded item is read back from its source first and
    // cleared again afterwards.
    void WriteItem(TqbxXMLItem& item, int level = 0);
    void Flush();

private:
    void WriteLine(int level, const std::string& line);

    std::ostream& out_;
    bool autoIndent_;
    std::string buffer_;
};

// A document: the root item, reading and writing, and deferred loading.
class TqbxXMLDocument
{
public:
    TqbxXMLDocument();
    ~TqbxXMLDocument();

    bool AutoIndent = false;
    std::string TempDir; // folder of the temporary file; empty = the system temporary folder
    // Items read whole keep their deferred-loading mark (prepared reports save back byte for byte).
    bool KeepDeferredMarkers = false;
    TqbxXMLItem& Root() { return *root_; }

    // Reads a document from a stream the caller keeps; nothing is left unloaded.
    void LoadFromStream(std::istream& in);
    // Reads a document and keeps the stream (now owned) to reload items that partial loading left out.
    void LoadFromStream(std::unique_ptr<std::istream> in, bool allowPartialLoading);
    void SaveToStream(std::ostream& out);
    void LoadItem(TqbxXMLItem& item);
    void UnloadItem(TqbxXMLItem& item);
    void Clear();
    const std::string& TempFileName() const { return tempName_; }
    // The last read reached the end of every element it opened (a cut file does not).
    bool Complete() const { return complete_; }

private:
    void DeleteTempFile();

    std::unique_ptr<TqbxXMLItem> root_;
    std::unique_ptr<std::istream> source_;
    std::unique_ptr<std::fstream> temp_;
    std::string tempName_;
    bool complete_ = true;
};

// Reads an unloaded item back from its source stream (shared by the document and the writer).
void ReloadXMLItem(TqbxXMLItem& item);

} // namespace qbx
