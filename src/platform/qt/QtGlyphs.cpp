// Font tables cached per font description; glyph lookup with Qt's fallback fonts.
#include "platform/qt/QtGlyphs.h"

#include "platform/qt/QtConvert_p.h"

#include <map>
#include <memory>
#include <tuple>

#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>

namespace qbx {

QtGlyphs& QtGlyphs::Of(const TFontDesc& font)
{
    using Key = std::tuple<std::string, int, int, int>;
    static std::map<Key, std::unique_ptr<QtGlyphs>> tables;
    Key key { font.Name, font.Height, font.Style, font.Charset };
    auto found = tables.find(key);
    if (found == tables.end())
        found = tables.emplace(key, std::unique_ptr<QtGlyphs>(new QtGlyphs(font))).first;
    return *found->second;
}

QtGlyphs::QtGlyphs(const TFontDesc& font)
    : font_(ToQFont(font))
{
    QFontMetrics m(font_);
    int height = m.ascent() + m.descent();
    metrics_ = { height, m.ascent(), m.descent(), std::max(0, height - font_.pixelSize()), m.averageCharWidth() };
    fonts_.push_back(QRawFont::fromFont(font_));
}

int QtGlyphs::Advance(char32_t codePoint)
{
    auto found = advances_.find(codePoint);
    if (found != advances_.end())
        return found->second;
    QFontMetrics m(font_);
    int advance = m.horizontalAdvance(QString::fromUcs4(&codePoint, 1));
    advances_.emplace(codePoint, advance);
    return advance;
}

QtGlyph QtGlyphs::Glyph(char32_t codePoint)
{
    auto found = glyphs_.find(codePoint);
    if (found != glyphs_.end())
        return found->second;
    QtGlyph glyph;
    if (fonts_[0].supportsCharacter(codePoint)) {
        QList<quint32> indexes = fonts_[0].glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
        glyph.Index = indexes.isEmpty() ? 0 : indexes.first();
    } else {
        glyph = Fallback(codePoint);
    }
    glyphs_.emplace(codePoint, glyph);
    return glyph;
}

// Lays the character out alone and takes the font Qt's text layout chose for it.
QtGlyph QtGlyphs::Fallback(char32_t codePoint)
{
    QTextLayout layout(QString::fromUcs4(&codePoint, 1), font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty() || runs.first().glyphIndexes().isEmpty())
        return {};
    QRawFont raw = runs.first().rawFont();
    QtGlyph glyph { 0, runs.first().glyphIndexes().first() };
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i] == raw)
            glyph.Font = static_cast<int>(i);
    if (glyph.Font == 0 && !(fonts_[0] == raw)) {
        fonts_.push_back(raw);
        glyph.Font = static_cast<int>(fonts_.size() - 1);
    }
    return glyph;
}

} // namespace qbx
