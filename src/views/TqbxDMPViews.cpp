// Dot-matrix pages and objects: printer fonts and snapping to the character grid.
#include "views/TqbxDMPViews.h"

#include "base/Rounding.h"
#include "base/Units.h"
#include "formats/TqbxResources.h"
#include "formats/XmlEscape.h"
#include "report/ClassBuilder.h"
#include "report/ClassRegistry.h"

#include <cmath>

namespace qbx {
namespace {

using K = TPropKind;
constexpr long double X = qb1CharX, Y = qb1CharY;

long double RoundTo(long double v, long double step)
{
    return RoundHalfEven(v / step) * step;
}
long double TruncTo(long double v, long double step)
{
    return std::trunc(v / step) * step;
}

const TqbxDMPPage* DMPPageOf(const TqbxComponent& c)
{
    return dynamic_cast<const TqbxDMPPage*>(c.Page());
}

// An object that follows its parent's font on a dot-matrix page takes the page's printer styles.
void FollowPageStyles(DMPStyleHolder& styles, const TqbxComponent& object, bool parentFont)
{
    if (const TqbxDMPPage* page = parentFont ? DMPPageOf(object) : nullptr)
        styles.FontStyle = page->FontStyle();
}

// ` FontStyle="n"` when the reference has other printer styles (or none).
std::string FontStyleDiff(const DMPStyleHolder& mine, const TqbxComponent& reference)
{
    const auto* theirs = dynamic_cast<const DMPStyleHolder*>(&reference);
    return !theirs || theirs->FontStyle != mine.FontStyle ? XmlAttribute("FontStyle", std::to_string(mine.FontStyle))
                                                          : std::string();
}

} // namespace

TqbxFont DMPFont(TqbxDMPFontStyles styles)
{
    TqbxFont font;
    font.SetName("Courier New");
    font.SetSize(12);
    font.SetStyle(((styles & fsxBold) ? fsBold : 0) | ((styles & fsxItalic) ? fsItalic : 0)
        | ((styles & fsxUnderline) ? fsUnderline : 0));
    return font;
}

TqbxDMPPage::TqbxDMPPage(TqbxComponent* parent)
    : TqbxReportPage(parent)
{
    SetFont(DMPFont(0));
}

const ClassInfo& TqbxDMPPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxDMPPage", &TqbxReportPage::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDMPPage(parent); });
        ClassBuilder<TqbxDMPPage>(c)
            .Set("FontStyle", "TqbxDMPFontStyles", &TqbxDMPPage::FontStyle, &TqbxDMPPage::SetFontStyle)
            .Flags(9);
        return c;
    }();
    return info;
}

void TqbxDMPPage::SnapPaper(CellFit fit)
{
    auto cells = [fit](long double mm, long double cell) {
        long double n = mm * qb01cm / cell;
        return (fit == CellFit::Round ? RoundHalfEven(n) : std::trunc(n)) * cell / qb01cm;
    };
    int code = PaperSize();
    TqbxReportPage::SetPaperWidth(cells(PaperWidth(), qb1CharX));
    TqbxReportPage::SetPaperHeight(cells(PaperHeight(), qb1CharY));
    SetPaperSizeCode(code); // snapping keeps the paper's name
}

void TqbxDMPPage::SetPaperWidth(long double mm)
{
    TqbxReportPage::SetPaperWidth(mm);
    if (!settingDefaults_)
        SnapPaper(CellFit::Round);
}

void TqbxDMPPage::SetPaperHeight(long double mm)
{
    TqbxReportPage::SetPaperHeight(mm);
    if (!settingDefaults_)
        SnapPaper(CellFit::Round);
}

void TqbxDMPPage::SetPaperSize(int code)
{
    TqbxReportPage::SetPaperSize(code);
    if (!settingDefaults_)
        SnapPaper(CellFit::Round);
}

void TqbxDMPPage::SetDefaults()
{
    settingDefaults_ = true;
    try {
        TqbxReportPage::SetDefaults();
    } catch (...) {
        settingDefaults_ = false;
        throw;
    }
    settingDefaults_ = false;
    LeftMargin = RightMargin = qb1CharX / qb01cm;
    TopMargin = BottomMargin = qb1CharY / qb01cm;
    SnapPaper(CellFit::Trunc);
}

void TqbxDMPPage::SetFontStyle(TqbxDMPFontStyles styles)
{
    fontStyle_ = styles;
    SetFont(DMPFont(styles));
    for (TqbxComponent* c : AllObjects())
        if (c->ParentFont())
            c->SetParentFont(true);
}

TqbxDMPMemoView::TqbxDMPMemoView(TqbxComponent* parent)
    : TqbxCustomMemoView(parent)
{
    ApplyPrinterFont();
}

void TqbxDMPMemoView::ApplyPrinterFont()
{
    CharSpacing = 0;
    LineSpacing = 1;
    GapX = 0;
    GapY = 0;
}

void TqbxDMPMemoView::SetFontStyle(TqbxDMPFontStyles styles)
{
    FontStyle = styles;
    TqbxCustomMemoView::SetParentFont(false);
    SetFont(DMPFont(styles));
    ApplyPrinterFont();
}

void TqbxDMPMemoView::SetParentFont(bool value)
{
    TqbxCustomMemoView::SetParentFont(value);
    FollowPageStyles(*this, *this, value);
}

void TqbxDMPMemoView::SetLeft(long double v)
{
    TqbxCustomMemoView::SetLeft(Align == baRight ? TruncTo(v, X) : RoundTo(v, X));
}
void TqbxDMPMemoView::SetTop(long double v)
{
    TqbxCustomMemoView::SetTop(RoundTo(v, Y));
}
void TqbxDMPMemoView::SetWidth(long double v)
{
    TqbxCustomMemoView::SetWidth(RoundTo(v, X));
}
void TqbxDMPMemoView::SetHeight(long double v)
{
    TqbxCustomMemoView::SetHeight(RoundTo(v, Y));
}

std::string TqbxDMPMemoView::Diff(const TqbxComponent& reference) const
{
    return TqbxCustomMemoView::Diff(reference) + FontStyleDiff(*this, reference);
}

void TqbxDMPMemoView::DrawFrame()
{
    FX = RoundToInt((AbsLeft() - X / 2) * scaleX_ + offsetX_);
    FY = RoundToInt((AbsTop() - Y / 2) * scaleY_ + offsetY_);
    FX1 = RoundToInt((AbsLeft() + Width() + X / 2) * scaleX_ + offsetX_);
    FY1 = RoundToInt((AbsTop() + Height() + Y / 2) * scaleY_ + offsetY_);
    FDX = FX1 - FX;
    FDY = FY1 - FY;
    TqbxCustomMemoView::DrawFrame();
}

long double TqbxDMPMemoView::CalcHeight()
{
    return RoundTo(TqbxCustomMemoView::CalcHeight(), Y);
}

long double TqbxDMPMemoView::CalcWidth()
{
    return RoundTo(TqbxCustomMemoView::CalcWidth(), X);
}

const ClassInfo& TqbxDMPMemoView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxDMPMemoView;
        using M = TqbxCustomMemoView;
        ClassInfo c("TqbxDMPMemoView", &TqbxCustomMemoView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDMPMemoView(parent); });
        ClassBuilder<D>(c)
            .Field("AutoWidth", K::Boolean, "Boolean", &M::AutoWidth)
            .Default(Variant(false))
            .Field("AllowExpressions", K::Boolean, "Boolean", &M::AllowExpressions)
            .Default(Variant(true))
            .Field("DataField", K::String, "String", &M::DataField)
            .Reference("DataSet", "TqbxDataSet", &D::DataSet, &D::SetDataSet)
            .String("DataSetName", &D::DataSetName, &D::SetDataSetName)
            .Object("DisplayFormat", "TqbxFormat", &M::DisplayFormat)
            .Field("ExpressionDelimiters", K::String, "String", &M::ExpressionDelimiters)
            .StoredWhen([](const D& d) { return d.ExpressionDelimiters != "[,]"; })
            .Reference("FlowTo", "TqbxCustomMemoView", &D::FlowTo, &D::SetFlowTo)
            .Set("FontStyle", "TqbxDMPFontStyles", &D::GetFontStyle, &D::SetFontStyle)
            .Flags(9)
            .Stored([](const D& d) { return !d.ParentFont(); })
            .Object("Frame", "TqbxFrame", &M::Frame)
            .Field("HAlign", K::Enum, "TqbxHAlign", &M::HAlign)
            .Names({ "haLeft", "haRight", "haCenter", "haBlock" })
            .Default(Variant(0))
            .Field("HideZeros", K::Boolean, "Boolean", &M::HideZeros)
            .Default(Variant(false))
            .Boolean("ParentFont", &D::ParentFont, &D::SetParentFont)
            .Default(Variant(true))
            .Field("RTLReading", K::Boolean, "Boolean", &M::RTLReading)
            .Default(Variant(false))
            .Field("SuppressRepeated", K::Boolean, "Boolean", &M::SuppressRepeated)
            .Default(Variant(false))
            .Field("WordWrap", K::Boolean, "Boolean", &M::WordWrap)
            .Default(Variant(true))
            .Field("VAlign", K::Enum, "TqbxVAlign", &M::VAlign)
            .Names({ "vaTop", "vaBottom", "vaCenter" })
            .Default(Variant(0));
        return c;
    }();
    return info;
}

void TqbxDMPLineView::SetFontStyle(TqbxDMPFontStyles styles)
{
    FontStyle = styles;
    TqbxCustomLineView::SetParentFont(false);
}

void TqbxDMPLineView::SetParentFont(bool value)
{
    TqbxCustomLineView::SetParentFont(value);
    FollowPageStyles(*this, *this, value);
}

void TqbxDMPLineView::SetLeft(long double v)
{
    long double snapped = Align == baRight ? RoundTo(v, X) - X / 2
        : v < 0                            ? TruncTo(v, X) - X / 2
                                           : TruncTo(v, X) + X / 2;
    TqbxCustomLineView::SetLeft(snapped);
}

void TqbxDMPLineView::SetTop(long double v)
{
    TqbxCustomLineView::SetTop(TruncTo(v, Y) + Y / 2);
}
void TqbxDMPLineView::SetWidth(long double v)
{
    TqbxCustomLineView::SetWidth(Align == baWidth ? TruncTo(v, X) : RoundTo(v, X));
}

std::string TqbxDMPLineView::Diff(const TqbxComponent& reference) const
{
    return TqbxView::Diff(reference) + FontStyleDiff(*this, reference);
}

const ClassInfo& TqbxDMPLineView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxDMPLineView;
        ClassInfo c("TqbxDMPLineView", &TqbxCustomLineView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDMPLineView(parent); });
        ClassBuilder<D>(c)
            .Set("FontStyle", "TqbxDMPFontStyles", &D::GetFontStyle, &D::SetFontStyle)
            .Flags(9)
            .Stored([](const D& d) { return !d.ParentFont(); })
            .Boolean("ParentFont", &D::ParentFont, &D::SetParentFont)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

TqbxDMPCommand::TqbxDMPCommand(TqbxComponent* parent)
    : TqbxView(parent)
{
    SetStyleFlags(StyleFlags() & ~sfFullAttributes); // prepared pages record commands by their Diff
}

std::string TqbxDMPCommand::Diff(const TqbxComponent& reference) const
{
    std::string out = TqbxView::Diff(reference);
    const auto* r = dynamic_cast<const TqbxDMPCommand*>(&reference);
    if (!r || r->Command != Command)
        out += XmlAttribute("Command", XmlEscape(Command));
    return out;
}

void TqbxDMPCommand::SetLeft(long double v)
{
    TqbxView::SetLeft(RoundTo(v, X));
}
void TqbxDMPCommand::SetTop(long double v)
{
    TqbxView::SetTop(RoundTo(v, Y));
}

const ClassInfo& TqbxDMPCommand::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxDMPCommand", &TqbxView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDMPCommand(parent); });
        ClassBuilder<TqbxDMPCommand>(c).Field("Command", K::String, "String", &TqbxDMPCommand::Command);
        return c;
    }();
    return info;
}

void RegisterDotMatrixClasses()
{
    ClassRegistry::Instance().Register(TqbxDMPPage::StaticClassInfo());
    ObjectRegistry& kinds = ObjectRegistry::Instance();
    kinds.Register({ &TqbxDMPMemoView::StaticClassInfo(), "", 2, "Text", "", 8 });
    kinds.Register({ &TqbxDMPLineView::StaticClassInfo(), "", 5, "Line", "", 8 });
    kinds.Register({ &TqbxDMPCommand::StaticClassInfo(), "", 21, "Command", "", 8 });
}

std::string TqbxDMPMemoView::GetDescription() const
{
    return TqbxResources::Instance().Get("obDMPText");
}

std::string TqbxDMPLineView::GetDescription() const
{
    return TqbxResources::Instance().Get("obDMPLine");
}

std::string TqbxDMPCommand::GetDescription() const
{
    return TqbxResources::Instance().Get("obDMPCmd");
}

} // namespace qbx
