// Band kinds: their published properties, the child chain, snapping and the classification.
#include "report/TqbxBands.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Units.h"
#include "formats/TqbxResources.h"
#include "formats/XmlEscape.h"
#include "report/ClassBuilder.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <string_view>

namespace qbx {
namespace {

using K = TPropKind;

// The band fields several kinds publish, added in the order a kind lists them.
template <class T> void Publish(ClassBuilder<T>& b, std::initializer_list<std::string_view> names)
{
    for (std::string_view name : names) {
        if (name == "AllowSplit")
            b.Field("AllowSplit", K::Boolean, "Boolean", &T::AllowSplit).Default(Variant(false));
        else if (name == "Child")
            b.Reference("Child", "TqbxChild", &T::Child, &T::SetChild);
        else if (name == "KeepChild")
            b.Field("KeepChild", K::Boolean, "Boolean", &T::KeepChild).Default(Variant(false));
        else if (name == "PrintChildIfInvisible")
            b.Field("PrintChildIfInvisible", K::Boolean, "Boolean", &T::PrintChildIfInvisible).Default(Variant(false));
        else if (name == "StartNewPage")
            b.Field("StartNewPage", K::Boolean, "Boolean", &T::StartNewPage).Default(Variant(false));
        else if (name == "Stretched")
            b.Field("Stretched", K::Boolean, "Boolean", &T::Stretched).Default(Variant(false));
        else if (name == "OutlineText")
            b.Field("OutlineText", K::String, "String", &T::OutlineText);
        else
            throw EConvertError("No band field " + std::string(name));
    }
}

// A kind that publishes only common fields.
template <class T>
ClassInfo Kind(const char* name, const ClassInfo& base, std::initializer_list<std::string_view> fields)
{
    ClassInfo c(name, &base, [](TqbxComponent* parent) -> TqbxComponent* { return new T(parent); });
    ClassBuilder<T> b(c);
    Publish(b, fields);
    return c;
}

const std::initializer_list<std::string_view> kTitleFields
    = { "AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "StartNewPage", "Stretched" };

} // namespace

const ClassInfo& TqbxBand::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using B = TqbxBand;
        ClassInfo c("TqbxBand", &TqbxReportComponent::StaticClassInfo(), nullptr);
        ClassBuilder<B>(c)
            .Object("Font", "TFont", static_cast<TqbxFont& (TqbxComponent::*)()>(&TqbxComponent::Font))
            .Stored([](const B& b) { return !b.ParentFont(); })
            .Float("Height", &B::Height, &B::SetHeight)
            .Float("Left", &B::Left, &B::SetLeft)
            .Boolean("ParentFont", &B::ParentFont, &B::SetParentFont)
            .Default(Variant(true))
            .Set("Restrictions", "TqbxRestrictions", &B::Restrictions, &B::SetRestrictions)
            .Flags(5)
            .Default(Variant(0))
            .Float("Top", &B::Top, &B::SetTop)
            .Field("Vertical", K::Boolean, "Boolean", &B::Vertical)
            .Default(Variant(false))
            .Boolean("Visible", &B::Visible, &B::SetVisible)
            .Default(Variant(true))
            .Float("Width", &B::Width, &B::SetWidth)
            .Field("OnAfterCalcHeight", K::Event, "TNotifyEvent", &B::OnAfterCalcHeight)
            .Event("OnAfterPrint", &B::OnAfterPrint, &B::SetOnAfterPrint)
            .Event("OnBeforePrint", &B::OnBeforePrint, &B::SetOnBeforePrint);
        return c;
    }();
    return info;
}

std::string TqbxBand::GetDescription() const
{
    return TqbxResources::Instance().Get("obBand");
}

bool TqbxBand::SnapsToCharacterGrid() const
{
    const auto* page = dynamic_cast<const TqbxPage*>(Page());
    return page && page->IsDotMatrixPage();
}

void TqbxBand::SetLeft(long double value)
{
    TqbxComponent::SetLeft(SnapsToCharacterGrid() ? RoundHalfEven(value / qb1CharX) * qb1CharX : value);
}

void TqbxBand::SetTop(long double value)
{
    TqbxComponent::SetTop(SnapsToCharacterGrid() ? RoundHalfEven(value / qb1CharY) * qb1CharY : value);
}

void TqbxBand::SetHeight(long double value)
{
    TqbxComponent::SetHeight(SnapsToCharacterGrid() ? RoundHalfEven(value / qb1CharY) * qb1CharY : value);
}

void TqbxBand::SetChild(TqbxBand* child)
{
    for (const TqbxBand* b = child; b; b = b->child_)
        if (b == this)
            throw EConvertError("Circular child reference is not allowed");
    child_ = child;
}

void TqbxBand::ReferenceRemoved(TqbxComponent* removed)
{
    if (child_ == removed)
        child_ = nullptr;
}

const std::vector<const ClassInfo*>& BandKinds()
{
    static const std::vector<const ClassInfo*> kinds = {
        &TqbxReportTitle::StaticClassInfo(),
        &TqbxReportSummary::StaticClassInfo(),
        &TqbxPageHeader::StaticClassInfo(),
        &TqbxPageFooter::StaticClassInfo(),
        &TqbxHeader::StaticClassInfo(),
        &TqbxFooter::StaticClassInfo(),
        &TqbxMasterData::StaticClassInfo(),
        &TqbxDetailData::StaticClassInfo(),
        &TqbxSubdetailData::StaticClassInfo(),
        &TqbxDataBand4::StaticClassInfo(),
        &TqbxDataBand5::StaticClassInfo(),
        &TqbxDataBand6::StaticClassInfo(),
        &TqbxGroupHeader::StaticClassInfo(),
        &TqbxGroupFooter::StaticClassInfo(),
        &TqbxChild::StaticClassInfo(),
        &TqbxColumnHeader::StaticClassInfo(),
        &TqbxColumnFooter::StaticClassInfo(),
        &TqbxOverlay::StaticClassInfo(),
    };
    return kinds;
}

int TqbxBand::BandNumber() const
{
    int number = 0;
    const std::vector<const ClassInfo*>& kinds = BandKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (GetClassInfo().InheritsFrom(*kinds[i]))
            number = static_cast<int>(i);
    return number;
}

const ClassInfo& TqbxNullBand::StaticClassInfo()
{
    static const ClassInfo info = Kind<TqbxNullBand>("TqbxNullBand", TqbxBand::StaticClassInfo(), {});
    return info;
}

const ClassInfo& TqbxReportTitle::StaticClassInfo()
{
    static const ClassInfo info = Kind<TqbxReportTitle>("TqbxReportTitle", TqbxBand::StaticClassInfo(), kTitleFields);
    return info;
}

const ClassInfo& TqbxReportSummary::StaticClassInfo()
{
    static const ClassInfo info
        = Kind<TqbxReportSummary>("TqbxReportSummary", TqbxBand::StaticClassInfo(), kTitleFields);
    return info;
}

const ClassInfo& TqbxChild::StaticClassInfo()
{
    static const ClassInfo info = Kind<TqbxChild>("TqbxChild", TqbxBand::StaticClassInfo(), kTitleFields);
    return info;
}

const ClassInfo& TqbxHeader::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c = Kind<TqbxHeader>(
            "TqbxHeader", TqbxBand::StaticClassInfo(), { "AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible" });
        ClassBuilder<TqbxHeader> b(c);
        b.Property(
            "ReprintOnNewPage", K::Boolean, "Boolean", [](const TqbxHeader& h) { return h.ReprintOnNewPage; },
            [](TqbxHeader& h, bool v) { h.ReprintOnNewPage = v; });
        b.Default(Variant(false));
        Publish(b, { "StartNewPage", "Stretched" });
        return c;
    }();
    return info;
}

const ClassInfo& TqbxFooter::StaticClassInfo()
{
    static const ClassInfo info = Kind<TqbxFooter>("TqbxFooter", TqbxBand::StaticClassInfo(),
        { "AllowSplit", "Child", "KeepChild", "PrintChildIfInvisible", "Stretched" });
    return info;
}

const ClassInfo& TqbxColumnHeader::StaticClassInfo()
{
    static const ClassInfo info
        = Kind<TqbxColumnHeader>("TqbxColumnHeader", TqbxBand::StaticClassInfo(), { "Child", "Stretched" });
    return info;
}

const ClassInfo& TqbxColumnFooter::StaticClassInfo()
{
    static const ClassInfo info = Kind<TqbxColumnFooter>("TqbxColumnFooter", TqbxBand::StaticClassInfo(), {});
    return info;
}

const ClassInfo& TqbxGroupFooter::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c = Kind<TqbxGroupFooter>("TqbxGroupFooter", TqbxBand::StaticClassInfo(), { "AllowSplit", "Child" });
        ClassBuilder<TqbxGroupFooter> b(c);
        b.Property(
            "HideIfSingleDataRecord", K::Boolean, "Boolean",
            [](const TqbxGroupFooter& f) { return f.HideIfSingleDataRecord; },
            [](TqbxGroupFooter& f, bool v) { f.HideIfSingleDataRecord = v; });
        b.Default(Variant(false));
        Publish(b, { "KeepChild", "PrintChildIfInvisible", "Stretched" });
        return c;
    }();
    return info;
}

const ClassInfo& TqbxPageHeader::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxPageHeader;
        ClassInfo c = Kind<P>("TqbxPageHeader", TqbxBand::StaticClassInfo(), { "Child", "PrintChildIfInvisible" });
        ClassBuilder<P> b(c);
        b.Field("PrintOnFirstPage", K::Boolean, "Boolean", &P::PrintOnFirstPage).Default(Variant(true));
        Publish(b, { "Stretched" });
        return c;
    }();
    return info;
}

const ClassInfo& TqbxPageFooter::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxPageFooter;
        ClassInfo c = Kind<P>("TqbxPageFooter", TqbxBand::StaticClassInfo(), {});
        ClassBuilder<P>(c)
            .Field("PrintOnFirstPage", K::Boolean, "Boolean", &P::PrintOnFirstPage)
            .Default(Variant(true))
            .Field("PrintOnLastPage", K::Boolean, "Boolean", &P::PrintOnLastPage)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

const ClassInfo& TqbxOverlay::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c = Kind<TqbxOverlay>("TqbxOverlay", TqbxBand::StaticClassInfo(), {});
        ClassBuilder<TqbxOverlay>(c)
            .Field("PrintOnTop", K::Boolean, "Boolean", &TqbxOverlay::PrintOnTop)
            .Default(Variant(false));
        return c;
    }();
    return info;
}

const ClassInfo& TqbxGroupHeader::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using G = TqbxGroupHeader;
        ClassInfo c = Kind<G>("TqbxGroupHeader", TqbxBand::StaticClassInfo(), { "AllowSplit", "Child" });
        ClassBuilder<G> b(c);
        b.Field("Condition", K::String, "String", &G::Condition);
        b.Field("DrillDown", K::Boolean, "Boolean", &G::DrillDown).Default(Variant(false));
        b.Field("ExpandDrillDown", K::Boolean, "Boolean", &G::ExpandDrillDown).Default(Variant(false));
        Publish(b, { "KeepChild" });
        b.Field("KeepTogether", K::Boolean, "Boolean", &G::KeepTogether).Default(Variant(false));
        b.Field("ReprintOnNewPage", K::Boolean, "Boolean", &G::ReprintOnNewPage).Default(Variant(false));
        Publish(b, { "OutlineText", "PrintChildIfInvisible" });
        b.Field("ResetPageNumbers", K::Boolean, "Boolean", &G::ResetPageNumbers).Default(Variant(false));
        b.Field("ShowFooterIfDrillDown", K::Boolean, "Boolean", &G::ShowFooterIfDrillDown).Default(Variant(false));
        Publish(b, { "StartNewPage", "Stretched" });
        return c;
    }();
    return info;
}

std::string TqbxGroupHeader::Diff(const TqbxComponent& reference) const
{
    std::string out = TqbxBand::Diff(reference);
    if (DrillDown)
        out += XmlAttribute("Tag", std::to_string(DrillDownNumber));
    return out;
}

const ClassInfo& TqbxDataBand::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxDataBand;
        ClassInfo c("TqbxDataBand", &TqbxBand::StaticClassInfo(), nullptr);
        ClassBuilder<D> b(c);
        Publish(b, { "AllowSplit", "Child" });
        b.Field("Columns", K::Integer, "Integer", &D::Columns).Default(Variant(0)).Range(0, kMaxColumns);
        b.Field("ColumnWidth", K::Float, "Extended", &D::ColumnWidth);
        b.Field("ColumnGap", K::Float, "Extended", &D::ColumnGap);
        b.Reference("DataSet", "TqbxDataSet", &D::DataSet, &D::SetDataSet);
        b.String("DataSetName", &D::DataSetName, &D::SetDataSetName);
        b.Field("FooterAfterEach", K::Boolean, "Boolean", &D::FooterAfterEach).Default(Variant(false));
        Publish(b, { "KeepChild" });
        b.Field("KeepFooter", K::Boolean, "Boolean", &D::KeepFooter).Default(Variant(false));
        b.Field("KeepHeader", K::Boolean, "Boolean", &D::KeepHeader).Default(Variant(false));
        b.Field("KeepTogether", K::Boolean, "Boolean", &D::KeepTogether).Default(Variant(false));
        Publish(b, { "OutlineText", "PrintChildIfInvisible" });
        b.Field("PrintIfDetailEmpty", K::Boolean, "Boolean", &D::PrintIfDetailEmpty).Default(Variant(false));
        b.Integer("RowCount", &D::RowCount, &D::SetRowCount);
        Publish(b, { "StartNewPage", "Stretched" });
        b.Field("OnMasterDetail", K::Event, "TNotifyEvent", &D::OnMasterDetail);
        return c;
    }();
    return info;
}

std::string TqbxDataBand::GetDescription() const
{
    return TqbxResources::Instance().Get("obDataBand");
}

TqbxDataBand::TqbxDataBand(TqbxComponent* parent)
    : TqbxBand(parent)
{
    counter_.RangeEnd = reCount;
}

void TqbxDataBand::ReferenceRemoved(TqbxComponent* removed)
{
    TqbxBand::ReferenceRemoved(removed);
    dataSet_.Forget(removed);
}

void TqbxDataBand::SetDataSetName(const std::string& name)
{
    dataSet_.SetName(name, Report());
}

void TqbxDataBand::SetRowCount(int count)
{
    rowCount_ = count;
    counter_.RangeEndCount = count;
}

void TqbxDataBand::SetCurColumn(int column)
{
    curColumn_ = column > Columns ? 1 : column;
    if (curColumn_ == 1)
        std::fill(ColumnPositions.begin(), ColumnPositions.end(), 0.0L);
    SetLeft((curColumn_ - 1) * (ColumnWidth + ColumnGap));
}

#define QBX_DATA_BAND(Name)                                                                                            \
    const ClassInfo& Name::StaticClassInfo()                                                                           \
    {                                                                                                                  \
        static const ClassInfo info = Kind<Name>(#Name, TqbxDataBand::StaticClassInfo(), {});                          \
        return info;                                                                                                   \
    }
QBX_DATA_BAND(TqbxMasterData)
QBX_DATA_BAND(TqbxDetailData)
QBX_DATA_BAND(TqbxSubdetailData)
QBX_DATA_BAND(TqbxDataBand4)
QBX_DATA_BAND(TqbxDataBand5)
QBX_DATA_BAND(TqbxDataBand6)
#undef QBX_DATA_BAND

} // namespace qbx
