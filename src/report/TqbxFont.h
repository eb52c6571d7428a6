// The font object of components: name, size, colour, style, character set, with a change notification.
#pragma once

#include "platform/Fonts.h"
#include "report/TqbxPersistent.h"

#include <functional>

namespace qbx {

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Owned by the object whose font it is; OnChange (set by the owner) runs after every change.
class TqbxFont : public TqbxPersistent
{
public:
    TqbxFont() = default;
    TqbxFont(const TqbxFont& other);
    TqbxFont& operator=(const TqbxFont& other);

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Assign(const TqbxPersistent& source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const; // points
    void SetSize(int points);
    int Height() const { return height_; } // pixels at PixelsPerInch; negative = character height
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    int PixelsPerInch() const { return 96; }

    bool SameAs(const TqbxFont& other) const;
    // The font as a canvas selects it at `dpi`.
    TFontDesc ToDesc(int dpi = 96) const;

    std::function<void()> OnChange;

private:
    void Changed();
    // Stores a new value and notifies, unless the value is the same.
    template <class V> void Update(V& field, const V& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    std::string name_ = "Arial";
    int height_ = -13; // 10 points at 96 pixels per inch
    TColor color_ = clBlack;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
};

} // namespace qbx
