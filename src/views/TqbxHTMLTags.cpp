// The inline tag parser.
#include "views/TqbxHTMLTags.h"

#include "base/Rounding.h"
#include "base/Unicode.h"

namespace qbx {

void TqbxHTMLTagsList::Reset(bool allowTags, TColor color, int size, TFontStyles style)
{
    AllowTags = allowTags;
    DefColor = Color = color;
    DefSize = Size = size;
    DefStyle = Style = style;
    Lowered = 0;
    CurPos = 1;
    Lines.clear();
    haveLast_ = false;
}

bool TqbxHTMLTagsList::ApplyTag(const std::u16string& tag)
{
    std::string t = AsciiLower(Utf16ToUtf8(tag));
    struct Simple
    {
        const char* text;
        TFontStyles add, remove;
    } simple[] = { { "<b>", fsBold, 0 }, { "</b>", 0, fsBold }, { "<i>", fsItalic, 0 }, { "</i>", 0, fsItalic },
        { "<u>", fsUnderline, 0 }, { "</u>", 0, fsUnderline }, { "<strike>", fsStrikeOut, 0 },
        { "</strike>", 0, fsStrikeOut } };
    for (const Simple& s : simple) {
        if (t == s.text) {
            Style = (Style | s.add) & ~s.remove;
            return true;
        }
    }
    if (t == "<sub>" || t == "<sup>") {
        Size = RoundToInt(DefSize / 1.5L);
        Lowered = t == "<sub>" ? 1 : 0;
        return true;
    }
    if (t == "</sub>" || t == "</sup>") {
        Size = DefSize;
        Lowered = 0;
        return true;
    }
    if (t == "</font>") {
        Color = DefColor;
        return true;
    }
    if (t.rfind("<font color", 0) == 0) {
        std::size_t eq = t.find('=');
        if (eq == std::string::npos)
            return false;
        std::string value(TrimBlanks(std::string_view(t).substr(eq + 1, t.size() - eq - 2)));
        TColor color = 0;
        if (value.size() == 9 && value.front() == '"' && value.back() == '"' && value[1] == '#') {
            unsigned rgb = 0;
            for (char c : value.substr(2, 6)) {
                int d = std::isxdigit(static_cast<unsigned char>(c)) ? (c <= '9' ? c - '0' : std::tolower(c) - 'a' + 10)
                                                                     : -1;
                if (d < 0)
                    return false;
                rgb = rgb * 16 + static_cast<unsigned>(d);
            }
            Color = RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); // RRGGBB into the colour format
            return true;
        }
        if (!value.empty() && value.front() != '"' && IdentToColor("cl" + value, color)) {
            Color = color;
            return true;
        }
        return false;
    }
    return t.size() == 5; // any other tag of exactly five characters is dropped without effect
}

std::u16string TqbxHTMLTagsList::Parse(const std::u16string& paragraph, TqbxHTMLTags& tags)
{
    std::u16string visible;
    for (std::size_t i = 0; i < paragraph.size();) {
        if (AllowTags && paragraph[i] == u'<') {
            std::size_t close = paragraph.find(u'>', i);
            if (close != std::u16string::npos && ApplyTag(paragraph.substr(i, close - i + 1))) {
                CurPos += static_cast<int>(close - i + 1);
                i = close + 1;
                continue;
            }
        }
        TqbxHTMLTag tag { CurPos, Size, Lowered, Style, Color, true, Size != DefSize };
        if (AllowTags) {
            const TqbxHTMLTag reference = haveLast_ ? last_ : TqbxHTMLTag { 0, DefSize, 0, DefStyle, DefColor };
            tag.Unchanged = tag.FontStyle == reference.FontStyle && tag.FontColor == reference.FontColor
                && tag.PointSize == reference.PointSize;
        }
        last_ = tag;
        haveLast_ = true;
        tags.push_back(tag);
        visible += paragraph[i];
        ++CurPos;
        ++i;
    }
    CurPos += 2;
    if (visible.empty()) {
        // A paragraph empty after tag removal holds one space.
        TqbxHTMLTag tag { CurPos - 2, Size, Lowered, Style, Color, true, Size != DefSize };
        tags.push_back(tag);
        visible = u" ";
    }
    return visible;
}

} // namespace qbx
