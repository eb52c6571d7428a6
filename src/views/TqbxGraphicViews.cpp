// Published properties of lines, shapes and pictures.
#include "views/TqbxGraphicViews.h"

#include "base/Exceptions.h"
#include "formats/TqbxResources.h"
#include "formats/XmlEscape.h"
#include "platform/Pictures.h"
#include "report/ClassBuilder.h"

namespace qbx {
namespace {

using K = TPropKind;

} // namespace

TqbxCustomLineView::TqbxCustomLineView(TqbxComponent* parent)
    : TqbxStretcheable(parent)
{
    SetStyleFlags(StyleFlags() & ~sfFullAttributes);
}

const ClassInfo& TqbxCustomLineView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxCustomLineView", &TqbxStretcheable::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxCustomLineView(parent); });
        ClassBuilder<TqbxCustomLineView>(c).Field("TagStr", K::String, "String", &TqbxCustomLineView::TagStr);
        return c;
    }();
    return info;
}

const ClassInfo& TqbxLineView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using L = TqbxLineView;
        ClassInfo c("TqbxLineView", &TqbxCustomLineView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxLineView(parent); });
        ClassBuilder<L>(c)
            .Field("ArrowEnd", K::Boolean, "Boolean", &L::ArrowEnd)
            .Default(Variant(false))
            .Field("ArrowLength", K::Integer, "Integer", &L::ArrowLength)
            .Default(Variant(20))
            .Field("ArrowSolid", K::Boolean, "Boolean", &L::ArrowSolid)
            .Default(Variant(false))
            .Field("ArrowStart", K::Boolean, "Boolean", &L::ArrowStart)
            .Default(Variant(false))
            .Field("ArrowWidth", K::Integer, "Integer", &L::ArrowWidth)
            .Default(Variant(5))
            .Object("Frame", "TqbxFrame", &L::Frame)
            .Field("Diagonal", K::Boolean, "Boolean", &L::Diagonal)
            .Default(Variant(false));
        return c;
    }();
    return info;
}

TqbxShapeView::TqbxShapeView(TqbxComponent* parent)
    : TqbxView(parent)
{
    SetStyleFlags(StyleFlags() & ~sfFullAttributes);
}

const ClassInfo& TqbxShapeView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using S = TqbxShapeView;
        ClassInfo c("TqbxShapeView", &TqbxView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxShapeView(parent); });
        ClassBuilder<S>(c)
            .Field("BrushStyle", K::Enum, "TBrushStyle", &S::BrushStyle)
            .Names({ "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                "bsDiagCross" })
            .Default(Variant(0))
            .Field("Color", K::Integer, "TColor", &S::Color)
            .Default(Variant(clNone))
            .Field("Cursor", K::Integer, "Integer", &S::Cursor)
            .Default(Variant(0))
            .Field("Curve", K::Integer, "Integer", &S::Curve)
            .Default(Variant(0))
            .Object("Frame", "TqbxFrame", &S::Frame)
            .Field("Shape", K::Enum, "TqbxShapeKind", &S::Shape)
            .Names({ "skRectangle", "skRoundRectangle", "skEllipse", "skTriangle", "skDiamond", "skDiagonal1",
                "skDiagonal2" })
            .Default(Variant(0))
            .Field("TagStr", K::String, "String", &S::TagStr)
            .Field("URL", K::String, "String", &S::URL);
        return c;
    }();
    return info;
}

TqbxPictureView::TqbxPictureView(TqbxComponent* parent)
    : TqbxView(parent)
{
    Color = clWhite; // a picture always has a white background
    SetStyleFlags(StyleFlags() & ~sfFullAttributes);
}

void TqbxPictureView::SetPicture(const std::string& bytes)
{
    picture_ = bytes;
    PictureChanged = true;
    if (AutoSize && !bytes.empty()) {
        RasterImage image = DecodePicture(bytes);
        SetWidth(image.Width());
        SetHeight(image.Height());
    }
}

const ClassInfo& TqbxPictureView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxPictureView;
        ClassInfo c("TqbxPictureView", &TqbxView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxPictureView(parent); });
        ClassBuilder<P>(c)
            .Field("Cursor", K::Integer, "Integer", &P::Cursor)
            .Default(Variant(0))
            .Field("AutoSize", K::Boolean, "Boolean", &P::AutoSize)
            .Default(Variant(false))
            .Field("Center", K::Boolean, "Boolean", &P::Center)
            .Default(Variant(false))
            .Field("DataField", K::String, "String", &P::DataField)
            .Reference("DataSet", "TqbxDataSet", &P::DataSet, &P::SetDataSet)
            .String("DataSetName", &P::DataSetName, &P::SetDataSetName)
            .Object("Frame", "TqbxFrame", &P::Frame)
            .Field("FileLink", K::String, "String", &P::FileLink)
            .Field("ImageIndex", K::Integer, "Integer", &P::ImageIndex)
            .StoredWhen([](const P& p) { return p.ImageIndex >= 0; })
            .Field("KeepAspectRatio", K::Boolean, "Boolean", &P::KeepAspectRatio)
            .Default(Variant(true))
            .Property("Picture", K::Picture, "TPicture", &P::Picture, &P::SetPicture)
            .Stored([](const P& p) { return !p.Picture().empty(); })
            .Field("Stretched", K::Boolean, "Boolean", &P::Stretched)
            .Default(Variant(true))
            .Field("TagStr", K::String, "String", &P::TagStr)
            .Field("URL", K::String, "String", &P::URL);
        return c;
    }();
    return info;
}

std::string TqbxShapeView::Diff(const TqbxComponent& reference) const
{
    std::string out = TqbxView::Diff(reference);
    const auto* r = dynamic_cast<const TqbxShapeView*>(&reference);
    if (r && Shape != r->Shape)
        out += XmlAttribute("Shape", std::to_string(Shape));
    return out;
}

std::string TqbxPictureView::Diff(const TqbxComponent& reference) const
{
    return TqbxView::Diff(reference) + XmlAttribute("ImageIndex", std::to_string(ImageIndex));
}

std::string TqbxCustomLineView::GetDescription() const
{
    return TqbxResources::Instance().Get("obLine");
}

std::string TqbxShapeView::GetDescription() const
{
    return TqbxResources::Instance().Get("obShape");
}

std::string TqbxPictureView::GetDescription() const
{
    return TqbxResources::Instance().Get("obPicture");
}

} // namespace qbx
