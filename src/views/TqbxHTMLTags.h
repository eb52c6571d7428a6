// Inline tags of text objects: b, i, u, strike, sub, sup and font color, one tag record per character.
#pragma once

#include "base/Colors.h"
#include "platform/Fonts.h"

#include <string>
#include <vector>

namespace qbx {

// The look of one visible character of laid-out text.
struct TqbxHTMLTag
{
    int TextPos = 0; // 1-based index of the character in PlainText
    int PointSize = 10;
    int Lowered = 0; // 1 for subscript
    TFontStyles FontStyle = 0;
    TColor FontColor = clBlack;
    bool Unchanged = true; // style, colour and size equal the previous character's
    bool Reduced = false; // PointSize differs from the default size
};

using TqbxHTMLTags = std::vector<TqbxHTMLTag>; // the tags of one laid-out line

// The tag lists of all lines and the parser state.
class TqbxHTMLTagsList
{
public:
    void Reset(bool allowTags, TColor color, int size, TFontStyles style);
    // Removes the tags of one paragraph, returning its visible characters with one tag each;
    // CurPos advances over everything, tags included, and by 2 more for the paragraph's CR LF.
    std::u16string Parse(const std::u16string& paragraph, TqbxHTMLTags& tags);

    bool AllowTags = false;
    TColor DefColor = clBlack;
    int DefSize = 10;
    TFontStyles DefStyle = 0;
    TColor Color = clBlack;
    int Size = 10;
    TFontStyles Style = 0;
    int Lowered = 0;
    int CurPos = 1;
    std::vector<TqbxHTMLTags> Lines;

private:
    bool ApplyTag(const std::u16string& tag); // false when the text is no tag
    TqbxHTMLTag last_;
    bool haveLast_ = false;
};

} // namespace qbx
