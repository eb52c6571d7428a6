// The view and subreport data models.
#include "views/TqbxView.h"

#include "base/Exceptions.h"
#include "formats/TqbxResources.h"
#include "report/ClassBuilder.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

namespace qbx {

TqbxView::TqbxView(TqbxComponent* parent)
    : TqbxReportComponent(parent)
{
    SetStyleFlags(StyleFlags() | sfFullAttributes);
}

const ClassInfo& TqbxView::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using V = TqbxView;
        using K = TPropKind;
        ClassInfo c("TqbxView", &TqbxReportComponent::StaticClassInfo(), nullptr);
        ClassBuilder<V>(c)
            .Field("Align", K::Enum, "TqbxAlign", &V::Align)
            .Names({ "baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baClient" })
            .Default(Variant(0))
            .Field("Printable", K::Boolean, "Boolean", &V::Printable)
            .Default(Variant(true))
            .Field("ShiftMode", K::Enum, "TqbxShiftMode", &V::ShiftMode)
            .Names({ "smDontShift", "smAlways", "smWhenOverlapped" })
            .Default(Variant(1))
            .Float("Left", &V::Left, &V::SetLeft)
            .Float("Top", &V::Top, &V::SetTop)
            .Float("Width", &V::Width, &V::SetWidth)
            .Float("Height", &V::Height, &V::SetHeight)
            .Integer("GroupIndex", &V::GroupIndex, &V::SetGroupIndex)
            .Default(Variant(0))
            .Set("Restrictions", "TqbxRestrictions", &V::Restrictions, &V::SetRestrictions)
            .Flags(5)
            .Default(Variant(0))
            .Boolean("Visible", &V::Visible, &V::SetVisible)
            .Default(Variant(true))
            .Event("OnAfterData", &V::OnAfterData, &V::SetOnAfterData)
            .Event("OnAfterPrint", &V::OnAfterPrint, &V::SetOnAfterPrint)
            .Event("OnBeforePrint", &V::OnBeforePrint, &V::SetOnBeforePrint)
            .Event("OnPreviewClick", &V::OnPreviewClick, &V::SetOnPreviewClick);
        return c;
    }();
    return info;
}

void TqbxView::SetDataSetName(const std::string& name)
{
    dataSet_.SetName(name, Report());
}

void TqbxView::ReferenceRemoved(TqbxComponent* removed)
{
    dataSet_.Forget(removed);
}

const ClassInfo& TqbxStretcheable::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxStretcheable", &TqbxView::StaticClassInfo(), nullptr);
        ClassBuilder<TqbxStretcheable>(c)
            .Field("StretchMode", TPropKind::Enum, "TqbxStretchMode", &TqbxStretcheable::StretchMode)
            .Names({ "smDontStretch", "smActualHeight", "smMaxHeight" })
            .Default(Variant(0));
        return c;
    }();
    return info;
}

TqbxSubreport::TqbxSubreport(TqbxComponent* parent)
    : TqbxView(parent)
{
    Frame.Typ = ftLeft | ftRight | ftTop | ftBottom;
    Font().SetName("Tahoma");
    Font().SetSize(8);
    SetParentFont(false);
    Color = 12632256; // silver
    SetStyleFlags(StyleFlags() & ~sfCopyToPreview);
}

TqbxSubreport::~TqbxSubreport()
{
    if (page_)
        page_->UnlinkSubreport(this);
}

const ClassInfo& TqbxSubreport::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using S = TqbxSubreport;
        ClassInfo c("TqbxSubreport", &TqbxView::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxSubreport(parent); });
        ClassBuilder<S>(c)
            .Reference("Page", "TqbxReportPage", &S::Page, &S::SetPage)
            .Field("PrintOnParent", TPropKind::Boolean, "Boolean", &S::PrintOnParent)
            .Default(Variant(false));
        return c;
    }();
    return info;
}

std::string TqbxSubreport::GetDescription() const
{
    return TqbxResources::Instance().Get("obSubRep");
}

void TqbxSubreport::SetPage(TqbxReportPage* page)
{
    if (page_)
        page_->UnlinkSubreport(this);
    page_ = page;
    if (page_)
        page_->LinkSubreport(this);
}

void TqbxSubreport::ReferenceRemoved(TqbxComponent* removed)
{
    TqbxView::ReferenceRemoved(removed);
    if (page_ == removed)
        page_ = nullptr;
}

} // namespace qbx
