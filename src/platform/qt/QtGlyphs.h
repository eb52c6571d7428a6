// What the Qt canvas knows of a font, asked of the toolkit once per font and character: the QFont, its
// metrics, each character's whole-pixel advance and glyph (from the font itself, or from the fallback
// font Qt's own text layout picks for a character the font lacks).
#pragma once

#include "platform/Fonts.h"

#include <unordered_map>
#include <vector>

#include <QFont>
#include <QRawFont>

namespace qbx {

struct QtGlyph
{
    int Font = 0; // index into QtGlyphs::Font(); 0 is the requested font itself
    quint32 Index = 0;
};

class QtGlyphs
{
public:
    // The table of a font description (colour and escapement aside), shared by every canvas for the
    // life of the process.
    static QtGlyphs& Of(const TFontDesc& font);

    const QFont& Font() const { return font_; }
    const TFontMetrics& Metrics() const { return metrics_; }
    // The advance of a character (a code point; one above U+FFFF advances as its surrogate pair).
    int Advance(char32_t codePoint);
    QtGlyph Glyph(char32_t codePoint);
    const QRawFont& Font(int index) const { return fonts_[static_cast<std::size_t>(index)]; }

private:
    explicit QtGlyphs(const TFontDesc& font);
    QtGlyph Fallback(char32_t codePoint);

    QFont font_;
    TFontMetrics metrics_;
    std::vector<QRawFont> fonts_;
    std::unordered_map<char32_t, QtGlyph> glyphs_;
    std::unordered_map<char32_t, int> advances_;
};

} // namespace qbx
