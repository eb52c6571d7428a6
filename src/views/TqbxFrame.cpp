// Frames and their side lines.
#include "views/TqbxFrame.h"

#include "base/Rounding.h"
#include "report/ClassBuilder.h"

namespace qbx {

const ClassInfo& TqbxFrameLine::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using L = TqbxFrameLine;
        ClassInfo c("TqbxFrameLine", nullptr, nullptr);
        ClassBuilder<L>(c)
            .Field("Color", TPropKind::Integer, "TColor", &L::Color)
            .StoredWhen([](const L& l) { return l.Color != l.Frame().Color(); })
            .Field("Style", TPropKind::Enum, "TqbxFrameStyle", &L::Style)
            .Names({ "fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble" })
            .StoredWhen([](const L& l) { return l.Style != l.Frame().Style(); })
            .Field("Width", TPropKind::Float, "Extended", &L::Width)
            .StoredWhen([](const L& l) { return Differ(l.Width, l.Frame().Width(), kStoredTolerance); });
        return c;
    }();
    return info;
}

TqbxFrame::TqbxFrame()
    : LeftLine(*this)
    , TopLine(*this)
    , RightLine(*this)
    , BottomLine(*this)
{
}

TqbxFrame::TqbxFrame(const TqbxFrame& other)
    : TqbxFrame()
{
    Assign(other);
}

TqbxFrame& TqbxFrame::operator=(const TqbxFrame& other)
{
    Assign(other);
    return *this;
}

const ClassInfo& TqbxFrame::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using F = TqbxFrame;
        ClassInfo c("TqbxFrame", nullptr, nullptr);
        ClassBuilder<F>(c)
            .Integer("Color", &F::Color, &F::SetColor)
            .Default(Variant(0))
            .Field("DropShadow", TPropKind::Boolean, "Boolean", &F::DropShadow)
            .Default(Variant(false))
            .Field("ShadowColor", TPropKind::Integer, "TColor", &F::ShadowColor)
            .Default(Variant(0))
            .Field("ShadowWidth", TPropKind::Float, "Extended", &F::ShadowWidth)
            .StoredWhen([](const F& f) { return Differ(f.ShadowWidth, 4, kStoredTolerance); })
            .Enum("Style", "TqbxFrameStyle", { "fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble" },
                &F::Style, &F::SetStyle)
            .Default(Variant(0))
            .Field("Typ", TPropKind::Set, "TqbxFrameTypes", &F::Typ)
            .Flags(4)
            .Default(Variant(0))
            .Float("Width", &F::Width, &F::SetWidth)
            .StoredWhen([](const F& f) { return Differ(f.Width(), 1, kStoredTolerance); })
            // The lines come after the frame's own values, which they are compared with.
            .Object("LeftLine", "TqbxFrameLine", &F::LeftLine)
            .Object("TopLine", "TqbxFrameLine", &F::TopLine)
            .Object("RightLine", "TqbxFrameLine", &F::RightLine)
            .Object("BottomLine", "TqbxFrameLine", &F::BottomLine);
        return c;
    }();
    return info;
}

void TqbxFrame::Assign(const TqbxPersistent& source)
{
    const auto* f = dynamic_cast<const TqbxFrame*>(&source);
    if (!f) {
        TqbxPersistent::Assign(source);
        return;
    }
    if (f == this)
        return;
    color_ = f->color_;
    style_ = f->style_;
    width_ = f->width_;
    DropShadow = f->DropShadow;
    ShadowColor = f->ShadowColor;
    ShadowWidth = f->ShadowWidth;
    Typ = f->Typ;
    for (auto [mine, theirs] : { std::pair { &LeftLine, &f->LeftLine }, std::pair { &TopLine, &f->TopLine },
             std::pair { &RightLine, &f->RightLine }, std::pair { &BottomLine, &f->BottomLine } }) {
        mine->Color = theirs->Color;
        mine->Style = theirs->Style;
        mine->Width = theirs->Width;
    }
}

void TqbxFrame::SetColor(TColor color)
{
    color_ = color;
    for (TqbxFrameLine* l : { &LeftLine, &TopLine, &RightLine, &BottomLine })
        l->Color = color;
}

void TqbxFrame::SetStyle(TqbxFrameStyle style)
{
    style_ = style;
    for (TqbxFrameLine* l : { &LeftLine, &TopLine, &RightLine, &BottomLine })
        l->Style = style;
}

void TqbxFrame::SetWidth(long double width)
{
    width_ = width;
    for (TqbxFrameLine* l : { &LeftLine, &TopLine, &RightLine, &BottomLine })
        l->Width = width;
}

} // namespace qbx
