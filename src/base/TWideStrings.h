// TWideStrings: an ordered list of UTF-16 lines, each with a 32-bit tag; memo text and laid-out lines.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

class TWideStrings
{
public:
    int Count() const { return static_cast<int>(lines_.size()); }

    // Reading outside the list gives an empty line and the tag 0.
    const std::u16string& Strings(int index) const;
    std::int32_t Objects(int index) const;
    // Writing at Count appends; below 0 or beyond Count raises "Wide String Out of Bounds".
    void SetStrings(int index, std::u16string text);
    void SetObjects(int index, std::int32_t tag);

    int Add(std::u16string text);
    int AddObject(std::u16string text, std::int32_t tag);
    void Insert(int index, std::u16string text); // 0..Count, else "Wide String Out of Bounds"
    void Delete(int index); // an index outside the list is ignored
    void Clear() { lines_.clear(); }
    int IndexOf(const std::u16string& text) const; // exact match, -1 when absent

    // Every line followed by CR LF.
    std::u16string Text() const;
    // The lines joined by CR LF without a final one: how templates store a list in one attribute.
    std::string JoinedUtf8() const;
    // Splits at CR LF, CR, LF and U+2028; a final line break adds no empty line.
    void SetText(const std::u16string& text);

    // Files and streams hold the text as UTF-8 (a leading byte-order mark is skipped on reading).
    void LoadFromStream(std::istream& in);
    void SaveToStream(std::ostream& out) const;
    void LoadFromFile(const std::string& fileName); // raises EFileError naming the file
    void SaveToFile(const std::string& fileName) const;

    bool operator==(const TWideStrings& other) const = default;

private:
    void SetTextFromUtf8(std::string_view bytes);

    struct Line
    {
        std::u16string Text;
        std::int32_t Tag = 0;
        bool operator==(const Line&) const = default;
    };
    std::vector<Line> lines_;
};

} // namespace qbx
