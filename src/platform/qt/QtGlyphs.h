// The glyph of every character in a font, looked up once per font and character: from the font
// itself, or from the fallback font Qt's own text layout picks for a character the font lacks.
#pragma once

#include <unordered_map>
#include <vector>

#include <QFont>
#include <QRawFont>

namespace qbx {

struct QtGlyph
{
    int Font = 0; // index into QtGlyphs::Fonts(); 0 is the requested font itself
    quint32 Index = 0;
};

class QtGlyphs
{
public:
    // The glyph table of a font (shared by every canvas for the life of the process).
    static QtGlyphs& Of(const QFont& font);

    QtGlyph Glyph(char32_t codePoint);
    const QRawFont& Font(int index) const { return fonts_[static_cast<std::size_t>(index)]; }

private:
    explicit QtGlyphs(const QFont& font);
    QtGlyph Fallback(char32_t codePoint);

    QFont font_;
    std::vector<QRawFont> fonts_;
    std::unordered_map<char32_t, QtGlyph> glyphs_;
};

} // namespace qbx
