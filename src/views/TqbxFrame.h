// The frame of a view or page: four side lines, a style, a width and a drop shadow.
#pragma once

#include "base/Colors.h"
#include "report/TqbxPersistent.h"

namespace qbx {

enum TqbxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble };
enum TqbxFrameType : int { ftLeft = 1, ftRight = 2, ftTop = 4, ftBottom = 8 };
using TqbxFrameTypes = int;

class TqbxFrame;

// One side of a frame; it is stored only where it differs from its frame.
class TqbxFrameLine : public TqbxPersistent
{
public:
    explicit TqbxFrameLine(const TqbxFrame& frame)
        : frame_(&frame)
    {
    }
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TColor Color = clBlack;
    TqbxFrameStyle Style = fsSolid;
    long double Width = 1;
    const TqbxFrame& Frame() const { return *frame_; }

private:
    friend class TqbxFrame;
    const TqbxFrame* frame_;
};

// A value object owned by its view or page; assigning copies every field and the four lines.
class TqbxFrame : public TqbxPersistent
{
public:
    TqbxFrame();
    TqbxFrame(const TqbxFrame& other);
    TqbxFrame& operator=(const TqbxFrame& other);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Assign(const TqbxPersistent& source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor color); // also every line's colour
    TqbxFrameStyle Style() const { return style_; }
    void SetStyle(TqbxFrameStyle style); // also every line's style
    long double Width() const { return width_; }
    void SetWidth(long double width); // also every line's width
    bool DropShadow = false;
    TColor ShadowColor = clBlack;
    long double ShadowWidth = 4;
    TqbxFrameTypes Typ = 0;

    TqbxFrameLine LeftLine, TopLine, RightLine, BottomLine;

private:
    TColor color_ = clBlack;
    TqbxFrameStyle style_ = fsSolid;
    long double width_ = 1;
};

} // namespace qbx
