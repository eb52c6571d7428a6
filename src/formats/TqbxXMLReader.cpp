// Reading tags and elements from a stream.
#include "base/Unicode.h"
#include "formats/TqbxXML.h"

#include <istream>

namespace qbx {

TqbxXMLReader::TqbxXMLReader(std::istream& in)
    : in_(in)
{
    std::streamoff start = in_.tellg();
    position_ = start < 0 ? 0 : start;
}

bool TqbxXMLReader::NextByte(char& c)
{
    if (index_ == fill_) {
        in_.read(buffer_, sizeof buffer_);
        fill_ = static_cast<std::size_t>(in_.gcount());
        index_ = 0;
        if (fill_ == 0)
            return false;
    }
    c = buffer_[index_++];
    ++position_;
    return true;
}

// A tag: bytes outside tags are skipped up to '<'; the tag runs to '>'. "<!--" starts a comment that ends
// at a '>' right after exactly two hyphens. One trailing space is dropped; the first space splits the
// name from the attribute text, which keeps that space.
void TqbxXMLReader::ReadTag(std::string& name, std::string& text)
{
    name.clear();
    text.clear();
    for (;;) {
        char c = 0;
        do {
            if (!NextByte(c))
                return; // the end of the stream outside a tag: an empty token
        } while (c != '<');
        tagStart_ = position_ - 1;
        std::string tag;
        tag.reserve(64);
        bool comment = false;
        int hyphens = 0;
        for (;;) {
            if (!NextByte(c))
                throw TqbxInvalidXMLException();
            if (comment) {
                if (c == '-')
                    hyphens = hyphens == 2 ? 1 : hyphens + 1;
                else if (c == '>' && hyphens == 2)
                    break;
                else
                    hyphens = 0;
                continue;
            }
            if (c == '>')
                break;
            if (c == '<')
                throw TqbxInvalidXMLException();
            tag += c;
            if (tag.size() == 3 && tag == "!--")
                comment = true;
        }
        if (comment)
            continue;
        if (!tag.empty() && tag.back() == ' ')
            tag.pop_back();
        std::size_t space = tag.find(' ');
        name = tag.substr(0, space);
        if (space != std::string::npos)
            text = tag.substr(space);
        return;
    }
}

void TqbxXMLReader::ReadHeader()
{
    std::string name, text;
    ReadTag(name, text);
    if (name.compare(0, 4, "?xml") != 0)
        throw TqbxInvalidXMLException();
}

bool TqbxXMLReader::ReadItem(TqbxXMLItem& item, bool allowPartial)
{
    ReadTag(item.Name, item.Text);
    std::int64_t start = tagStart_;
    lastTagName_ = item.Name;
    if (item.Name.empty() || item.Name.front() == '/') {
        truncated_ = truncated_ || (item.Name.empty() && depth_ > 0);
        return true;
    }
    bool hasChildren = true;
    if (item.Name.back() == '/') {
        item.Name.pop_back();
        hasChildren = false;
    } else if (!item.Text.empty() && item.Text.back() == '/') {
        item.Text.pop_back();
        hasChildren = false;
    }
    if (hasChildren) {
        if (++depth_ > kMaxDepth)
            throw TqbxInvalidXMLException("elements are nested deeper than " + std::to_string(kMaxDepth) + " levels");
        for (;;) {
            auto child = std::make_unique<TqbxXMLItem>();
            if (ReadItem(*child, allowPartial))
                break;
            item.AddItem(std::move(child));
        }
        --depth_;
        if (!lastTagName_.empty() && !SameText(lastTagName_, "/" + item.Name))
            throw TqbxInvalidXMLException();
    }
    std::size_t marker = DeferredMarkers ? AsciiLower(item.Text).find(" ld=\"0\"") : std::string::npos;
    if (marker != std::string::npos) {
        item.Text.erase(marker, 7);
        if (allowPartial || KeepDeferredMarkers)
            item.Unloadable = true;
        if (allowPartial) {
            item.Clear();
            item.Offset = start;
            item.Source = &in_;
        }
    }
    return false;
}

} // namespace qbx
