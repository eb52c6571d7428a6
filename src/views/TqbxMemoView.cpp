// The memo classes' published properties and the setters with side effects.
#include "views/TqbxMemoView.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "formats/TqbxResources.h"
#include "report/ClassBuilder.h"
#include "report/TqbxReport.h"

namespace qbx {
namespace {

using K = TPropKind;
using M = TqbxCustomMemoView;

// The memo properties a class publishes after the text-view prefix, in the order it lists them.
void Publish(ClassBuilder<M>& b, std::initializer_list<std::string_view> names)
{
    for (std::string_view n : names) {
        if (n == "AutoWidth")
            b.Field("AutoWidth", K::Boolean, "Boolean", &M::AutoWidth).Default(Variant(false));
        else if (n == "AllowExpressions")
            b.Field("AllowExpressions", K::Boolean, "Boolean", &M::AllowExpressions).Default(Variant(true));
        else if (n == "AllowHTMLTags")
            b.Field("AllowHTMLTags", K::Boolean, "Boolean", &M::AllowHTMLTags).Default(Variant(false));
        else if (n == "BrushStyle")
            b.Field("BrushStyle", K::Enum, "TBrushStyle", &M::BrushStyle)
                .Names({ "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                    "bsDiagCross" })
                .Default(Variant(0));
        else if (n == "CharSpacing")
            b.Field("CharSpacing", K::Float, "Extended", &M::CharSpacing).StoredWhen([](const M& m) {
                return Differ(m.CharSpacing, 0, kStoredTolerance);
            });
        else if (n == "Clipped")
            b.Field("Clipped", K::Boolean, "Boolean", &M::Clipped).Default(Variant(true));
        else if (n == "Color")
            b.Field("Color", K::Integer, "TColor", &M::Color).Default(Variant(clNone));
        else if (n == "DataField")
            b.Field("DataField", K::String, "String", &M::DataField);
        else if (n == "DataSet")
            b.Reference("DataSet", "TqbxDataSet", &M::DataSet, &M::SetDataSet);
        else if (n == "DataSetName")
            b.String("DataSetName", &M::DataSetName, &M::SetDataSetName);
        else if (n == "DisplayFormat")
            b.Object("DisplayFormat", "TqbxFormat", &M::DisplayFormat);
        else if (n == "ExpressionDelimiters")
            b.Field("ExpressionDelimiters", K::String, "String", &M::ExpressionDelimiters).StoredWhen([](const M& m) {
                return m.ExpressionDelimiters != "[,]";
            });
        else if (n == "FlowTo")
            b.Reference("FlowTo", "TqbxCustomMemoView", &M::FlowTo, &M::SetFlowTo);
        else if (n == "Font")
            b.Object("Font", "TFont", static_cast<TqbxFont& (TqbxComponent::*)()>(&TqbxComponent::Font))
                .Stored([](const M& m) { return !m.ParentFont(); });
        else if (n == "Frame")
            b.Object("Frame", "TqbxFrame", &M::Frame);
        else if (n == "GapX")
            b.Field("GapX", K::Float, "Extended", &M::GapX).StoredWhen([](const M& m) {
                return Differ(m.GapX, 2, kStoredTolerance);
            });
        else if (n == "GapY")
            b.Field("GapY", K::Float, "Extended", &M::GapY).StoredWhen([](const M& m) {
                return Differ(m.GapY, 1, kStoredTolerance);
            });
        else if (n == "HAlign")
            b.Field("HAlign", K::Enum, "TqbxHAlign", &M::HAlign)
                .Names({ "haLeft", "haRight", "haCenter", "haBlock" })
                .Default(Variant(0));
        else if (n == "HideZeros")
            b.Field("HideZeros", K::Boolean, "Boolean", &M::HideZeros).Default(Variant(false));
        else if (n == "Highlight")
            b.Object("Highlight", "TqbxHighlight", &M::Highlight).StoredWhen([](const M& m) {
                return !TrimBlanks(m.Highlight.Condition).empty();
            });
        else if (n == "LineSpacing")
            b.Field("LineSpacing", K::Float, "Extended", &M::LineSpacing).StoredWhen([](const M& m) {
                return Differ(m.LineSpacing, 2, kStoredTolerance);
            });
        else if (n == "ParagraphGap")
            b.Field("ParagraphGap", K::Float, "Extended", &M::ParagraphGap).StoredWhen([](const M& m) {
                return Differ(m.ParagraphGap, 0, kStoredTolerance);
            });
        else if (n == "ParentFont")
            b.Boolean("ParentFont", &M::ParentFont, &M::SetParentFont).Default(Variant(true));
        else if (n == "Rotation")
            b.Integer("Rotation", &M::Rotation, &M::SetRotation).Default(Variant(0));
        else if (n == "RTLReading")
            b.Field("RTLReading", K::Boolean, "Boolean", &M::RTLReading).Default(Variant(false));
        else if (n == "Style")
            b.String("Style", &M::Style, &M::SetStyle);
        else if (n == "SuppressRepeated")
            b.Field("SuppressRepeated", K::Boolean, "Boolean", &M::SuppressRepeated).Default(Variant(false));
        else if (n == "Underlines")
            b.Field("Underlines", K::Boolean, "Boolean", &M::Underlines).Default(Variant(false));
        else if (n == "WordBreak")
            b.Field("WordBreak", K::Boolean, "Boolean", &M::WordBreak).Default(Variant(false));
        else if (n == "WordWrap")
            b.Field("WordWrap", K::Boolean, "Boolean", &M::WordWrap).Default(Variant(true));
        else if (n == "Wysiwyg")
            b.Field("Wysiwyg", K::Boolean, "Boolean", &M::Wysiwyg).Default(Variant(true));
        else if (n == "VAlign")
            b.Field("VAlign", K::Enum, "TqbxVAlign", &M::VAlign)
                .Names({ "vaTop", "vaBottom", "vaCenter" })
                .Default(Variant(0));
        else
            throw EConvertError("No memo property " + std::string(n));
    }
}

ClassInfo MemoClass(
    const char* name, const ClassInfo& base, ClassInfo::Factory factory, std::initializer_list<std::string_view> names)
{
    ClassInfo c(name, &base, std::move(factory));
    ClassBuilder<M> b(c);
    Publish(b, names);
    return c;
}

} // namespace

TqbxCustomMemoView::TqbxCustomMemoView(TqbxComponent* parent)
    : TqbxStretcheable(parent)
{
    SetStyleFlags(StyleFlags() & ~sfFullAttributes); // prepared pages record memos by their Diff
}

const ClassInfo& TqbxCustomMemoView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxCustomMemoView", &TqbxStretcheable::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxCustomMemoView(parent); });
        ClassBuilder<M>(c)
            .Field("FirstParaBreak", K::Boolean, "Boolean", &M::FirstParaBreak)
            .Default(Variant(false))
            .Field("LastParaBreak", K::Boolean, "Boolean", &M::LastParaBreak)
            .Default(Variant(false))
            .Field("Cursor", K::Integer, "Integer", &M::Cursor)
            .Default(Variant(0))
            .Field("TagStr", K::String, "String", &M::TagStr)
            .Field("URL", K::String, "String", &M::URL);
        return c;
    }();
    return info;
}

void TqbxCustomMemoView::SetTextAttribute(const std::string& text)
{
    Memo.SetText(Utf8ToUtf16(text));
}

void TqbxCustomMemoView::SetRotation(int degrees)
{
    rotation_ = ((degrees % 360) + 360) % 360;
}

void TqbxCustomMemoView::SetStyle(const std::string& name)
{
    style_ = name;
    const TqbxReport* report = Report();
    const TqbxStyleItem* style = report ? report->Styles.Find(name) : nullptr;
    if (!style)
        return;
    Color = style->Color();
    SetFont(style->Font());
    Frame.Assign(style->Frame());
}

void TqbxCustomMemoView::ReferenceRemoved(TqbxComponent* removed)
{
    TqbxStretcheable::ReferenceRemoved(removed);
    if (flowTo_ == removed)
        flowTo_ = nullptr;
}

const ClassInfo& TqbxMemoView::StaticClassInfo()
{
    static const ClassInfo info = MemoClass("TqbxMemoView", TqbxCustomMemoView::StaticClassInfo(),
        [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxMemoView(parent); },
        { "AutoWidth", "AllowExpressions", "AllowHTMLTags", "BrushStyle", "CharSpacing", "Clipped", "Color",
            "DataField", "DataSet", "DataSetName", "DisplayFormat", "ExpressionDelimiters", "FlowTo", "Font", "Frame",
            "GapX", "GapY", "HAlign", "HideZeros", "Highlight", "LineSpacing", "ParagraphGap", "ParentFont", "Rotation",
            "RTLReading", "Style", "SuppressRepeated", "Underlines", "WordBreak", "WordWrap", "Wysiwyg", "VAlign" });
    return info;
}

const ClassInfo& TqbxSysMemoView::StaticClassInfo()
{
    static const ClassInfo info = MemoClass("TqbxSysMemoView", TqbxCustomMemoView::StaticClassInfo(),
        [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxSysMemoView(parent); },
        { "AutoWidth", "BrushStyle", "CharSpacing", "Color", "DisplayFormat", "Font", "Frame", "GapX", "GapY", "HAlign",
            "HideZeros", "Highlight", "ParentFont", "Rotation", "RTLReading", "Style", "SuppressRepeated", "VAlign",
            "WordWrap" });
    return info;
}

std::string TqbxMemoView::GetDescription() const
{
    return TqbxResources::Instance().Get("obText");
}

std::string TqbxSysMemoView::GetDescription() const
{
    return TqbxResources::Instance().Get("obSysText");
}

} // namespace qbx
