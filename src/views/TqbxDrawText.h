// TqbxDrawText: lays text out on a 600 dpi measuring canvas so that line breaks are the same on every
// device. It wraps paragraphs (with inline tags and Russian syllable hyphenation), measures them, splits
// them at a height and draws the lines on any device at their measured widths.
#pragma once

#include "base/TWideStrings.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "report/TqbxFont.h"
#include "views/TqbxHTMLTags.h"

#include <memory>
#include <string>
#include <vector>

namespace qbx {

// One per report, and one global instance (GlobalDrawText); callers bracket every use with Lock/Unlock.
class TqbxDrawText
{
public:
    static constexpr int MeasurePPI = 600, ScreenPPI = 96;
    static constexpr long double kUnit = 6.25L; // measuring pixels per page unit

    TqbxDrawText();
    ~TqbxDrawText();

    void Lock();
    void Unlock() { busy_ = false; }
    bool Busy() const { return busy_; }

    void SetFont(const TqbxFont& font);
    void SetOptions(
        bool wordWrap, bool allowTags, int rotation, bool wysiwyg, bool clipped, bool wordBreak, bool rtlReading);
    void SetDimensions(const TRectF& originalRect, const TRect& scaledRect, long double printScale, long double scaleY,
        long double scaleX);
    void SetGaps(long double paragraphGap, long double charSpacing, long double lineSpacing);
    void SetText(const TWideStrings& lines);
    void SetParaBreaks(bool firstParaBreak, bool lastParaBreak);
    // Draws the laid-out lines into ScaledRect; hAlign and vAlign are the memo's ordinals (haLeft, haRight,
    // haCenter, haBlock; vaTop, vaBottom, vaCenter). Rounding differences between the device and the
    // measuring canvas are spread over lines and characters, so lines keep their measured widths.
    void DrawText(Canvas& canvas, int hAlign, int vAlign);

    long double LineHeight() const;
    long double TextHeight() const;
    long double TextWidth();
    long double UnusedSpace() const;
    // Cuts PlainText at the first line that does not fit and returns the rest; `paragraphBreak` tells
    // whether the cut falls inside a paragraph.
    std::u16string GetOutBoundsText(bool& paragraphBreak);
    const std::u16string& GetInBoundsText() const { return plainText_; }

    // Laid-out lines; each line's tag holds 1 for the first line of a paragraph, 2 for the last.
    TWideStrings Lines;
    TqbxHTMLTagsList Tags;
    long double CharSpacing = 0, LineSpacing = 0, ParagraphGap = 0;
    int Rotation = 0;
    bool WordWrap = true, WordBreak = false, Wysiwyg = true, RTLReading = false, Clipped = true;
    TRectF OriginalRect;
    TRect ScaledRect;
    long double ScaleX = 1, ScaleY = 1, PrintScale = 1;
    long double FontSize = 10;

private:
    long double Height() const { return OriginalRect.Bottom - OriginalRect.Top + 1; }
    // Per-character advances of a line on a canvas in `font` (spacing included); returns their total.
    int MeasureLine(Canvas& canvas, TFontDesc font, const std::u16string& text, const TqbxHTMLTags& tags, int spacing,
        std::vector<int>& advances);
    int MeasureLine(const std::u16string& text, const TqbxHTMLTags& tags, int spacing, std::vector<int>& advances)
    {
        return MeasureLine(*measure_, measureFont_, text, tags, spacing, advances);
    }
    int TargetHeight(Canvas& canvas, long double points) const;
    void DrawTextLine(Canvas& canvas, int line, int hAlign, int width, int y, int x);
    void WrapLine(const std::u16string& paragraph, int nextWidth, int spacing, int firstWidth);
    void AddLine(const std::u16string& text, TqbxHTMLTags tags);

    std::unique_ptr<Canvas> measure_;
    TFontDesc measureFont_;
    std::u16string plainText_;
    // Room for 32768 characters, kept across lines: the advances of the line being drawn, the advances
    // and running sums of the line being measured.
    std::vector<int> charWidths_, measured_;
    std::vector<long long> sums_;
    bool busy_ = false;
};

// The instance for memos that belong to no report.
TqbxDrawText& GlobalDrawText();

// The length of the part of a Russian word after which it may be hyphenated, the part being shorter
// than `fits` characters; 0 when there is none (words of three letters or fewer never break).
std::size_t HyphenationPart(std::u16string_view word, std::size_t fits);

} // namespace qbx
