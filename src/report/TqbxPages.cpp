// Pages: the data page and the report page with its paper geometry.
#include "report/TqbxPages.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "formats/TqbxResources.h"
#include "report/ClassBuilder.h"
#include "report/PaperSizes.h"
#include "report/TqbxReport.h"

#include <algorithm>

namespace qbx {

const ClassInfo& TqbxPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxPage", &TqbxComponent::StaticClassInfo(), nullptr);
        ClassBuilder<TqbxPage>(c)
            .Object("Font", "TFont", static_cast<TqbxFont& (TqbxComponent::*)()>(&TqbxComponent::Font))
            .Stored([](const TqbxPage& p) { return !p.ParentFont(); })
            .Boolean("Visible", &TqbxPage::Visible, &TqbxPage::SetVisible)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

TqbxDataPage::TqbxDataPage(TqbxComponent* parent)
    : TqbxPage(parent)
{
    SetBounds(0, 0, 1000, 1000);
}

const ClassInfo& TqbxDataPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxDataPage", &TqbxPage::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDataPage(parent); });
        using P = TqbxDataPage;
        ClassBuilder<P>(c)
            .Float("Height", &P::Height, &P::SetHeight)
            .Float("Left", &P::Left, &P::SetLeft)
            .Float("Top", &P::Top, &P::SetTop)
            .Float("Width", &P::Width, &P::SetWidth);
        return c;
    }();
    return info;
}

std::string TqbxDataPage::GetDescription() const
{
    return TqbxResources::Instance().Get("obDataPage");
}

TqbxReportPage::TqbxReportPage(TqbxComponent* parent)
    : TqbxPage(parent)
{
    UpdateDimensions();
}

TqbxReportPage::~TqbxReportPage()
{
    // No subreport may keep pointing at this page, even while a whole report is being cleared and
    // references are not cleared one by one.
    std::vector<TqbxComponent*> linked;
    linked.swap(subreports_);
    for (TqbxComponent* subreport : linked)
        subreport->ReferenceRemoved(this);
}

void TqbxReportPage::LinkSubreport(TqbxComponent* subreport)
{
    UnlinkSubreport(subreport);
    subreports_.push_back(subreport);
    Subreport = subreport;
}

void TqbxReportPage::UnlinkSubreport(TqbxComponent* subreport)
{
    subreports_.erase(std::remove(subreports_.begin(), subreports_.end(), subreport), subreports_.end());
    Subreport = subreports_.empty() ? nullptr : subreports_.back();
}

std::string TqbxReportPage::GetDescription() const
{
    return TqbxResources::Instance().Get("obRepPage");
}

namespace {

long double RoundTo8Places(long double mm)
{
    return RoundHalfEven(mm * 1e8L) / 1e8L;
}

} // namespace

void TqbxReportPage::SetPaperWidth(long double mm)
{
    paperWidth_ = RoundTo8Places(mm);
    paperSize_ = kCustomPaperSize;
    UpdateDimensions();
}

void TqbxReportPage::SetPaperHeight(long double mm)
{
    paperHeight_ = RoundTo8Places(mm);
    paperSize_ = kCustomPaperSize;
    UpdateDimensions();
}

void TqbxReportPage::SetPaperSize(int code)
{
    paperSize_ = code;
    long double w = 0, h = 0;
    if (code >= kCustomPaperSize || !PaperDimensions(code, w, h))
        return;
    paperWidth_ = orientation_ == poLandscape ? h : w;
    paperHeight_ = orientation_ == poLandscape ? w : h;
    UpdateDimensions();
}

void TqbxReportPage::SetOrientation(TqbxPageOrientation orientation)
{
    if (orientation == orientation_)
        return;
    std::swap(paperWidth_, paperHeight_);
    long double left = LeftMargin, right = RightMargin, top = TopMargin, bottom = BottomMargin;
    if (orientation == poLandscape) {
        LeftMargin = top;
        RightMargin = bottom;
        TopMargin = right;
        BottomMargin = left;
    } else {
        LeftMargin = bottom;
        RightMargin = top;
        TopMargin = left;
        BottomMargin = right;
    }
    UpdateDimensions();
    orientation_ = orientation;
}

void TqbxReportPage::SetDefaults()
{
    LeftMargin = RightMargin = TopMargin = BottomMargin = 10;
    // The printer layer's defaults arrive with printing; until then A4 portrait.
    SetOrientation(poPortrait);
    SetPaperSize(9);
    UpdateDimensions();
}

void TqbxReportPage::SetColumns(int count)
{
    if (count < 0 || count > kMaxColumns)
        throw EConvertError(
            "Invalid number of columns " + std::to_string(count) + " (0.." + std::to_string(kMaxColumns) + ")");
    columns_ = count;
    ColumnPositions.Clear();
    if (count <= 0)
        return;
    ColumnWidth = (paperWidth_ - LeftMargin - RightMargin) / count;
    for (int i = 0; i < count; ++i)
        ColumnPositions.Add(Utf8ToUtf16(FloatToText(i * ColumnWidth)));
}

void TqbxReportPage::SetColumnPositionsText(const std::string& text)
{
    ColumnPositions.SetText(Utf8ToUtf16(text));
}

void TqbxReportPage::UpdateDimensions()
{
    TqbxComponent::SetWidth(RoundHalfEven(paperWidth_ * qb01cm));
    TqbxComponent::SetHeight(RoundHalfEven(paperHeight_ * qb01cm));
}

void TqbxReportPage::AlignChildren()
{
    long double width = (paperWidth_ - LeftMargin - RightMargin) * qb01cm;
    long double height = (paperHeight_ - TopMargin - BottomMargin) * qb01cm;
    TqbxComponent::SetWidth(width);
    TqbxComponent::SetHeight(height);
    TqbxComponent::AlignChildren(); // the views' own alignment
    for (TqbxComponent* child : Objects()) {
        if (!child->IsBand())
            continue;
        if (child->IsVerticalBand())
            child->SetHeight(height - child->Top());
        else
            child->SetWidth(width - child->Left());
        child->AlignChildren();
    }
    UpdateDimensions();
}

TqbxComponent* TqbxReportPage::FindBand(const ClassInfo& bandClass) const
{
    for (TqbxComponent* child : Objects())
        if (child->GetClassInfo().InheritsFrom(bandClass))
            return child;
    return nullptr;
}

void TqbxReportPage::SetDataSetName(const std::string& name)
{
    dataSet_.SetName(name, Report());
}

void TqbxReportPage::ReferenceRemoved(TqbxComponent* removed)
{
    dataSet_.Forget(removed);
    UnlinkSubreport(removed);
}

const ClassInfo& TqbxReportPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxReportPage;
        using K = TPropKind;
        ClassInfo c("TqbxReportPage", &TqbxPage::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxReportPage(parent); });
        ClassBuilder<P>(c)
            .Enum("Orientation", "TPrinterOrientation", { "poPortrait", "poLandscape" }, &P::Orientation,
                &P::SetOrientation)
            .Default(Variant(0))
            .Float("PaperWidth", &P::PaperWidth, &P::SetPaperWidth)
            .Float("PaperHeight", &P::PaperHeight, &P::SetPaperHeight)
            .Integer("PaperSize", &P::PaperSize, &P::SetPaperSize)
            .Field("LeftMargin", K::Float, "Extended", &P::LeftMargin)
            .Field("RightMargin", K::Float, "Extended", &P::RightMargin)
            .Field("TopMargin", K::Float, "Extended", &P::TopMargin)
            .Field("BottomMargin", K::Float, "Extended", &P::BottomMargin)
            .Field("MirrorMargins", K::Boolean, "Boolean", &P::MirrorMargins)
            .Default(Variant(false))
            .Integer("Columns", &P::Columns, &P::SetColumns)
            .Range(0, kMaxColumns)
            .Default(Variant(0))
            .Field("ColumnWidth", K::Float, "Extended", &P::ColumnWidth)
            .Property("ColumnPositions", K::Lines, "TStrings", &P::ColumnPositionsText, &P::SetColumnPositionsText)
            .Field("Bin", K::Integer, "Integer", &P::Bin)
            .Default(Variant(7))
            .Field("BinOtherPages", K::Integer, "Integer", &P::BinOtherPages)
            .Default(Variant(7))
            .Field("BackPicture", K::Picture, "TPicture", &P::BackPicture)
            .Field("Color", K::Integer, "TColor", &P::Color)
            .Default(Variant(clNone))
            .Reference("DataSet", "TqbxDataSet", &P::DataSet, &P::SetDataSet)
            .String("DataSetName", &P::DataSetName, &P::SetDataSetName)
            .Field("Duplex", K::Enum, "TqbxDuplexMode", &P::Duplex)
            .Names({ "dmNone", "dmVertical", "dmHorizontal", "dmSimplex" })
            .Default(Variant(0))
            .Object("Frame", "TqbxFrame", &P::Frame)
            .Field("EndlessHeight", K::Boolean, "Boolean", &P::EndlessHeight)
            .Default(Variant(false))
            .Field("EndlessWidth", K::Boolean, "Boolean", &P::EndlessWidth)
            .Default(Variant(false))
            .Field("LargeDesignHeight", K::Boolean, "Boolean", &P::LargeDesignHeight)
            .Default(Variant(false))
            .Field("OutlineText", K::String, "String", &P::OutlineText)
            .Field("PrintIfEmpty", K::Boolean, "Boolean", &P::PrintIfEmpty)
            .Default(Variant(true))
            .Field("PrintOnPreviousPage", K::Boolean, "Boolean", &P::PrintOnPreviousPage)
            .Default(Variant(false))
            .Field("ResetPageNumbers", K::Boolean, "Boolean", &P::ResetPageNumbers)
            .Default(Variant(false))
            .Field("TitleBeforeHeader", K::Boolean, "Boolean", &P::TitleBeforeHeader)
            .Default(Variant(true))
            .Property(
                "HGuides", K::Lines, "TStrings", [](const P& p) { return p.HGuides.JoinedUtf8(); },
                [](P& p, const std::string& t) { p.HGuides.SetText(Utf8ToUtf16(t)); })
            .Property(
                "VGuides", K::Lines, "TStrings", [](const P& p) { return p.VGuides.JoinedUtf8(); },
                [](P& p, const std::string& t) { p.VGuides.SetText(Utf8ToUtf16(t)); })
            .Field("OnAfterPrint", K::Event, "TNotifyEvent", &P::OnAfterPrint)
            .Field("OnBeforePrint", K::Event, "TNotifyEvent", &P::OnBeforePrint)
            .Field("OnManualBuild", K::Event, "TNotifyEvent", &P::OnManualBuild);
        return c;
    }();
    return info;
}

} // namespace qbx
