// Glyph lookup with Qt's fallback fonts, cached per font key and character.
#include "platform/qt/QtGlyphs.h"

#include <map>
#include <memory>

#include <QGlyphRun>
#include <QTextLayout>

namespace qbx {

QtGlyphs& QtGlyphs::Of(const QFont& font)
{
    static std::map<QString, std::unique_ptr<QtGlyphs>> tables;
    QString key = font.key();
    auto found = tables.find(key);
    if (found == tables.end())
        found = tables.emplace(key, std::unique_ptr<QtGlyphs>(new QtGlyphs(font))).first;
    return *found->second;
}

QtGlyphs::QtGlyphs(const QFont& font)
    : font_(font)
{
    fonts_.push_back(QRawFont::fromFont(font));
}

QtGlyph QtGlyphs::Glyph(char32_t codePoint)
{
    auto found = glyphs_.find(codePoint);
    if (found != glyphs_.end())
        return found->second;
    QtGlyph glyph;
    if (fonts_[0].supportsCharacter(codePoint)) {
        QString text = QString::fromUcs4(&codePoint, 1);
        QList<quint32> indexes = fonts_[0].glyphIndexesForString(text);
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
