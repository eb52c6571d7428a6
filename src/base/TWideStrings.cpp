// The wide-string list and its text splitting rules.
#include "base/TWideStrings.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "platform/Files.h"

#include <fstream>
#include <iterator>

namespace qbx {
namespace {

const std::u16string kEmpty;

[[noreturn]] void OutOfBounds()
{
    throw EListError("Wide String Out of Bounds");
}

} // namespace

const std::u16string& TWideStrings::Strings(int index) const
{
    return index >= 0 && index < Count() ? lines_[static_cast<std::size_t>(index)].Text : kEmpty;
}

std::int32_t TWideStrings::Objects(int index) const
{
    return index >= 0 && index < Count() ? lines_[static_cast<std::size_t>(index)].Tag : 0;
}

void TWideStrings::SetStrings(int index, std::u16string text)
{
    if (index == Count())
        Add(std::move(text));
    else if (index < 0 || index > Count())
        OutOfBounds();
    else
        lines_[static_cast<std::size_t>(index)].Text = std::move(text);
}

void TWideStrings::SetObjects(int index, std::int32_t tag)
{
    if (index < 0 || index >= Count())
        OutOfBounds();
    lines_[static_cast<std::size_t>(index)].Tag = tag;
}

int TWideStrings::Add(std::u16string text)
{
    return AddObject(std::move(text), 0);
}

int TWideStrings::AddObject(std::u16string text, std::int32_t tag)
{
    lines_.push_back({ std::move(text), tag });
    return Count() - 1;
}

void TWideStrings::Insert(int index, std::u16string text)
{
    if (index < 0 || index > Count())
        OutOfBounds();
    lines_.insert(lines_.begin() + index, Line { std::move(text), 0 });
}

void TWideStrings::Delete(int index)
{
    if (index >= 0 && index < Count())
        lines_.erase(lines_.begin() + index);
}

int TWideStrings::IndexOf(const std::u16string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (lines_[static_cast<std::size_t>(i)].Text == text)
            return i;
    return -1;
}

std::u16string TWideStrings::Text() const
{
    std::u16string out;
    for (const Line& line : lines_) {
        out += line.Text;
        out += u"\r\n";
    }
    return out;
}

std::string TWideStrings::JoinedUtf8() const
{
    std::string text = Utf16ToUtf8(Text());
    if (!text.empty())
        text.resize(text.size() - 2);
    return text;
}

void TWideStrings::SetText(const std::u16string& text)
{
    lines_.clear();
    std::u16string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n' || c == u'\u2028') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            Add(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        Add(std::move(current));
}

void TWideStrings::SetTextFromUtf8(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    SetText(Utf8ToUtf16(bytes));
}

void TWideStrings::LoadFromStream(std::istream& in)
{
    SetTextFromUtf8(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

void TWideStrings::SaveToStream(std::ostream& out) const
{
    out << Utf16ToUtf8(Text());
}

void TWideStrings::LoadFromFile(const std::string& fileName)
{
    SetTextFromUtf8(ReadWholeFile(fileName));
}

void TWideStrings::SaveToFile(const std::string& fileName) const
{
    WriteFileAtomically(fileName, Utf16ToUtf8(Text()));
}

} // namespace qbx
