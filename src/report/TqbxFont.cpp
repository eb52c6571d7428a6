// The component font.
#include "report/TqbxFont.h"

#include "base/Rounding.h"
#include "report/ClassBuilder.h"

namespace qbx {

const ClassInfo& TqbxFont::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TFont", nullptr, nullptr);
        ClassBuilder<TqbxFont>(c)
            .Integer("Charset", &TqbxFont::Charset, &TqbxFont::SetCharset)
            .Integer("Color", &TqbxFont::Color, &TqbxFont::SetColor)
            .Integer("Height", &TqbxFont::Height, &TqbxFont::SetHeight)
            .String("Name", &TqbxFont::Name, &TqbxFont::SetName)
            .Enum(
                "Pitch", "TFontPitch", { "fpDefault", "fpVariable", "fpFixed" }, &TqbxFont::Pitch, &TqbxFont::SetPitch)
            .Default(Variant(0))
            // The point size follows from Height and is not written; scripts still read and set it.
            .Integer("Size", &TqbxFont::Size, &TqbxFont::SetSize)
            .Stored([](const TqbxFont&) { return false; })
            .Set("Style", "TFontStyles", &TqbxFont::Style, &TqbxFont::SetStyle)
            .Flags(4);
        return c;
    }();
    return info;
}

TqbxFont::TqbxFont(const TqbxFont& other)
    : TqbxPersistent(other)
    , name_(other.name_)
    , height_(other.height_)
    , color_(other.color_)
    , style_(other.style_)
    , charset_(other.charset_)
    , pitch_(other.pitch_)
{
}

TqbxFont& TqbxFont::operator=(const TqbxFont& other)
{
    Assign(other);
    return *this;
}

void TqbxFont::Assign(const TqbxPersistent& source)
{
    const auto* font = dynamic_cast<const TqbxFont*>(&source);
    if (!font) {
        TqbxPersistent::Assign(source);
        return;
    }
    if (font == this)
        return;
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    Changed(); // one notification for the whole copy
}

void TqbxFont::Changed()
{
    if (OnChange)
        OnChange();
}

void TqbxFont::SetName(const std::string& name)
{
    if (!name.empty())
        Update(name_, name);
}

int TqbxFont::Size() const
{
    return RoundToInt(-height_ * 72.0L / PixelsPerInch());
}

void TqbxFont::SetSize(int points)
{
    SetHeight(FontHeightForSize(points, PixelsPerInch()));
}

void TqbxFont::SetHeight(int height)
{
    Update(height_, height);
}

void TqbxFont::SetColor(TColor color)
{
    Update(color_, color);
}

void TqbxFont::SetStyle(TFontStyles style)
{
    Update(style_, style & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
}

void TqbxFont::SetCharset(int charset)
{
    Update(charset_, charset);
}

void TqbxFont::SetPitch(TFontPitch pitch)
{
    Update(pitch_, pitch);
}

bool TqbxFont::SameAs(const TqbxFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ && style_ == other.style_
        && charset_ == other.charset_ && pitch_ == other.pitch_;
}

TFontDesc TqbxFont::ToDesc(int dpi) const
{
    TFontDesc d;
    d.Name = name_;
    d.Height = height_ < 0 ? FontHeightForSize(-height_ * 72.0L / PixelsPerInch(), dpi)
                           : RoundToInt(static_cast<long double>(height_) * dpi / PixelsPerInch());
    d.Style = style_;
    d.Charset = charset_;
    d.Color = color_;
    return d;
}

} // namespace qbx
