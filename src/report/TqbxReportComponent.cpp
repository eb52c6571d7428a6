// The report component's print-time bounds handling.
#include "report/TqbxReportComponent.h"

#include "report/ClassBuilder.h"

namespace qbx {

const ClassInfo& TqbxReportComponent::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxReportComponent", &TqbxComponent::StaticClassInfo(), nullptr);
        ClassBuilder<TqbxReportComponent>(c).String(
            "Description", &TqbxReportComponent::Description, &TqbxReportComponent::SetDescription);
        return c;
    }();
    return info;
}

void TqbxReportComponent::BeforePrint()
{
    savedBounds_ = { Left(), Top(), Width(), Height() };
}

void TqbxReportComponent::AfterPrint()
{
    SetBounds(savedBounds_.Left, savedBounds_.Top, savedBounds_.Width, savedBounds_.Height);
}

TRectF TqbxReportComponent::GetRealBounds() const
{
    return { AbsLeft(), AbsTop(), AbsLeft() + Width(), AbsTop() + Height() };
}

} // namespace qbx
