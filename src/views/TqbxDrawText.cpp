// Text layout on the measuring canvas: wrapping, hyphenation, heights and splitting.
#include "views/TqbxDrawText.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Ui.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qbx {
namespace {

char16_t UpperCyrillic(char16_t c)
{
    if (c >= 0x430 && c <= 0x44F)
        return static_cast<char16_t>(c - 0x20);
    return c == 0x451 ? char16_t(0x401) : c;
}

bool In(char16_t c, std::u16string_view set)
{
    return set.find(UpperCyrillic(c)) != std::u16string_view::npos;
}

const std::u16string_view kVowels = u"АЕЁИОУЫЭЮЯ";
const std::u16string_view kConsonants = u"БВГДЖЗЙКЛМНПРСТФХЦЧШЩЬЪ";
const std::u16string_view kSigns = u"ЬЪ";

bool HasVowel(std::u16string_view part)
{
    return std::any_of(part.begin(), part.end(), [](char16_t c) { return In(c, kVowels); });
}

// Cumulative extents of a whole line. A device that keeps extents in 16 bits reports 32767 from the
// character where a long line overflows; measuring restarts there and continues from the last good sum.
std::vector<int> RunningExtents(Canvas& canvas, std::u16string_view text)
{
    constexpr int kOverflow = 32767;
    std::vector<int> extents(text.size(), 0);
    std::size_t start = 0;
    int base = 0;
    while (start < text.size()) {
        std::vector<int> part = canvas.CumulativeExtents(text.substr(start));
        std::size_t j = 0;
        for (; j < part.size() && !(j > 0 && part[j] == kOverflow); ++j)
            extents[start + j] = base + part[j];
        if (j == part.size())
            break;
        base = extents[start + j - 1];
        start += j;
    }
    return extents;
}

} // namespace

std::size_t HyphenationPart(std::u16string_view word, std::size_t fits)
{
    std::size_t end = word.find_first_of(u" .,-;");
    word = word.substr(0, end);
    if (word.size() <= 3)
        return 0;
    std::size_t best = 0;
    for (std::size_t i = 0; i + 1 < word.size(); ++i) {
        char16_t c = word[i], next = word[i + 1];
        bool allowed = false;
        if (In(c, kConsonants))
            allowed = !In(next, kVowels) && !In(next, kSigns);
        else if (In(c, kVowels))
            allowed = UpperCyrillic(next) != u'Й'
                && !(i + 3 < word.size() && UpperCyrillic(word[i + 1]) == UpperCyrillic(word[i + 2])
                    && In(word[i + 1], kConsonants) && In(word[i + 3], kVowels));
        std::u16string_view before = word.substr(0, i + 1), after = word.substr(i + 1);
        if (allowed && before.size() > 1 && after.size() > 1 && HasVowel(before) && HasVowel(after) && i + 1 < fits)
            best = i + 1;
    }
    return best;
}

TqbxDrawText::TqbxDrawText()
    : charWidths_(32768, 0)
    , measured_(32768, 0)
    , sums_(32768, 0)
{
}

TqbxDrawText::~TqbxDrawText() = default;

void TqbxDrawText::Lock()
{
    // Another drawing in progress finishes first; pending window messages keep the program alive meanwhile.
    while (busy_ && HasPlatform())
        CurrentPlatform().GetUi().ProcessMessages();
    busy_ = true;
    if (!measure_)
        measure_ = CurrentPlatform().CreateMeasuringCanvas(MeasurePPI);
}

void TqbxDrawText::SetFont(const TqbxFont& font)
{
    FontSize = font.Size();
    measureFont_ = font.ToDesc(MeasurePPI);
    measureFont_.Height = FontHeightForSize(FontSize, MeasurePPI);
}

void TqbxDrawText::SetOptions(
    bool wordWrap, bool allowTags, int rotation, bool wysiwyg, bool clipped, bool wordBreak, bool rtlReading)
{
    WordWrap = wordWrap;
    Tags.AllowTags = allowTags;
    Rotation = ((rotation % 360) + 360) % 360;
    Wysiwyg = wysiwyg;
    Clipped = clipped;
    WordBreak = wordBreak;
    RTLReading = rtlReading;
}

void TqbxDrawText::SetDimensions(
    const TRectF& originalRect, const TRect& scaledRect, long double printScale, long double scaleY, long double scaleX)
{
    OriginalRect = originalRect;
    ScaledRect = scaledRect;
    PrintScale = printScale;
    ScaleY = scaleY;
    ScaleX = scaleX;
}

void TqbxDrawText::SetGaps(long double paragraphGap, long double charSpacing, long double lineSpacing)
{
    ParagraphGap = paragraphGap;
    CharSpacing = charSpacing;
    LineSpacing = lineSpacing;
}

int TqbxDrawText::MeasureLine(Canvas& canvas, TFontDesc font, const std::u16string& text, const TqbxHTMLTags& tags,
    int spacing, std::vector<int>& advances)
{
    advances.assign(text.size(), 0);
    if (!tags.empty())
        font.Style = tags[0].FontStyle;
    canvas.Font = font;
    std::vector<int> extents = RunningExtents(canvas, text);
    int total = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && i < tags.size() && !tags[i].Unchanged && tags[i].FontStyle != canvas.Font.Style) {
            canvas.Font.Style = tags[i].FontStyle; // the rest of the line is measured in the new style
            extents = RunningExtents(canvas, text);
        }
        int advance = extents[i] - (i > 0 ? extents[i - 1] : 0) + spacing;
        if (i < tags.size() && tags[i].Reduced)
            advance = RoundToInt(advance / 1.5L);
        advances[i] = advance;
        total += advance;
    }
    return total;
}

void TqbxDrawText::AddLine(const std::u16string& text, TqbxHTMLTags tags)
{
    Lines.Add(text);
    Tags.Lines.push_back(std::move(tags));
}

void TqbxDrawText::WrapLine(const std::u16string& paragraph, int nextWidth, int spacing, int firstWidth)
{
    TqbxHTMLTags tags;
    std::u16string text = Tags.Parse(paragraph, tags);
    if (!WordWrap || text.size() == 1) {
        AddLine(text, tags);
        return;
    }
    std::vector<int>& advances = measured_;
    int total = MeasureLine(text, tags, spacing, advances);
    if (total < firstWidth) {
        AddLine(text, tags);
        return;
    }
    std::vector<long long>& sums = sums_;
    sums.resize(text.size());
    long long running = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        sums[i] = running += advances[i];
    auto cut = [&](std::size_t from, std::size_t to) { // [from, to)
        return TqbxHTMLTags(tags.begin() + static_cast<long>(from), tags.begin() + static_cast<long>(to));
    };
    std::size_t lineStart = 0, lastSpace = 0;
    long long consumed = 0, limit = firstWidth;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u' ')
            lastSpace = i;
        if (sums[i] - consumed <= limit)
            continue;
        std::size_t next = 0;
        if (lastSpace != lineStart) {
            std::size_t wordStart = lastSpace + 1, part = 0;
            if (WordBreak && wordStart < text.size()) {
                std::size_t fits = 0;
                while (wordStart + fits < text.size() && sums[wordStart + fits] - consumed <= limit)
                    ++fits;
                part = HyphenationPart(std::u16string_view(text).substr(wordStart), fits);
            }
            if (part > 0) {
                TqbxHTMLTags lineTags = cut(lineStart, wordStart + part);
                lineTags.push_back(lineTags.back());
                AddLine(text.substr(lineStart, wordStart + part - lineStart) + u"-", lineTags);
                next = wordStart + part;
            } else {
                AddLine(text.substr(lineStart, lastSpace - lineStart), cut(lineStart, lastSpace));
                next = lastSpace + 1; // the space itself is consumed
            }
        } else if (i == lineStart) {
            AddLine(text.substr(i, 1), cut(i, i + 1)); // a character wider than the line stands alone
            next = i + 1;
        } else {
            std::size_t part
                = WordBreak ? HyphenationPart(std::u16string_view(text).substr(lineStart), i - lineStart) : 0;
            if (part > 0) {
                TqbxHTMLTags lineTags = cut(lineStart, lineStart + part);
                lineTags.push_back(lineTags.back());
                AddLine(text.substr(lineStart, part) + u"-", lineTags);
                next = lineStart + part;
            } else {
                AddLine(text.substr(lineStart, i - lineStart), cut(lineStart, i));
                next = i;
            }
        }
        consumed = next > 0 ? sums[next - 1] : 0;
        lineStart = lastSpace = next;
        limit = nextWidth;
        if (next >= text.size())
            return;
        i = next - 1; // the walk resumes with the character after the break
    }
    if (lineStart < text.size())
        AddLine(text.substr(lineStart), cut(lineStart, text.size()));
}

void TqbxDrawText::SetText(const TWideStrings& lines)
{
    Lines.Clear();
    plainText_.clear();
    Tags.Reset(Tags.AllowTags, measureFont_.Color, static_cast<int>(FontSize), measureFont_.Style);
    bool sideways = (Rotation >= 90 && Rotation <= 179) || (Rotation >= 270 && Rotation <= 359);
    long double width = sideways ? OriginalRect.Bottom - OriginalRect.Top : OriginalRect.Right - OriginalRect.Left;
    for (int i = 0; i < lines.Count(); ++i) {
        std::u16string line = lines.Strings(i).empty() ? u" " : lines.Strings(i);
        plainText_ += line + u"\r\n";
        int before = Lines.Count();
        WrapLine(line, RoundToInt(width * kUnit), RoundToInt(CharSpacing * kUnit),
            RoundToInt((width - ParagraphGap) * kUnit));
        int made = Lines.Count() - before;
        if (made == 1)
            Lines.SetObjects(before, 3);
        else if (made > 1) {
            Lines.SetObjects(before, 1);
            Lines.SetObjects(Lines.Count() - 1, 2);
        }
    }
}

void TqbxDrawText::SetParaBreaks(bool firstParaBreak, bool lastParaBreak)
{
    if (Lines.Count() == 0)
        return;
    if (firstParaBreak)
        Lines.SetObjects(0, Lines.Objects(0) & ~1);
    if (lastParaBreak)
        Lines.SetObjects(Lines.Count() - 1, Lines.Objects(Lines.Count() - 1) & ~2);
}

long double TqbxDrawText::LineHeight() const
{
    if (Lines.Count() == 0 || !measure_)
        return 0;
    // Lines are placed by the font's nominal pixel height, not by its ascent and descent, which vary
    // between font files of one family: the same template gives the same pages with any of them.
    return std::abs(measureFont_.Height) / kUnit + LineSpacing;
}

long double TqbxDrawText::TextHeight() const
{
    return Lines.Count() * LineHeight();
}

long double TqbxDrawText::TextWidth()
{
    long double widest = 0;
    for (int i = 0; i < Lines.Count(); ++i) {
        const TqbxHTMLTags& tags = Tags.Lines[static_cast<std::size_t>(i)];
        long double w = MeasureLine(Lines.Strings(i), tags, 0, measured_)
            + RoundToInt(Lines.Strings(i).size() * CharSpacing * kUnit)
            + ((Lines.Objects(i) & 1) ? RoundToInt(ParagraphGap * kUnit) : 0);
        widest = std::max(widest, w / kUnit);
    }
    return widest;
}

long double TqbxDrawText::UnusedSpace() const
{
    long double h = Height(), lh = LineHeight();
    if (lh <= 0)
        return 0;
    long double n = std::trunc(h / lh);
    if (n <= 0)
        return 0; // not one whole line fits (the text rectangle may even lie below zero)
    long double rest = h - n * lh;
    return rest == 0 ? 0.0001L : rest;
}

std::u16string TqbxDrawText::GetOutBoundsText(bool& paragraphBreak)
{
    paragraphBreak = false;
    long double lh = LineHeight();
    // A text rectangle lower than one line, or of negative height, holds no line at all.
    long double fits = lh > 0 ? std::clamp<long double>(std::trunc(Height() / lh), 0, Lines.Count()) : 0;
    int n = static_cast<int>(fits);
    if (n >= Lines.Count())
        return {};
    paragraphBreak = n == 0 || (Lines.Objects(n - 1) & 2) == 0;
    const TqbxHTMLTag first = Tags.Lines[static_cast<std::size_t>(n)].front(); // a copy: the lines go below
    std::size_t at = static_cast<std::size_t>(first.TextPos - 1);
    std::u16string rest = plainText_.substr(std::min(at, plainText_.size()));
    plainText_.resize(std::min(at, plainText_.size()));
    while (Lines.Count() > n) {
        Lines.Delete(Lines.Count() - 1);
        Tags.Lines.pop_back();
    }
    if (paragraphBreak && !rest.empty() && rest.front() == u' ')
        rest.erase(0, 1);
    if (Tags.AllowTags) {
        // The continuation keeps the look in effect at the split.
        std::u16string prefix;
        if (first.FontColor != Tags.DefColor) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "#%02X%02X%02X", RedOf(first.FontColor), GreenOf(first.FontColor),
                BlueOf(first.FontColor));
            prefix += u"<font color=\"" + std::u16string(hex, hex + 7) + u"\">";
        }
        if (first.FontStyle & fsUnderline)
            prefix += u"<u>";
        if (first.FontStyle & fsItalic)
            prefix += u"<i>";
        if (first.FontStyle & fsBold)
            prefix += u"<b>";
        rest = prefix + rest;
    }
    return rest;
}

TqbxDrawText& GlobalDrawText()
{
    static TqbxDrawText instance;
    return instance;
}

} // namespace qbx
