// A component's template streams, and the copies and texts built from them.
#include "formats/TqbxXMLSerializer.h"
#include "report/TqbxComponent.h"
#include "report/TqbxReport.h"

#include <sstream>

namespace qbx {

void TqbxComponent::LoadFromStream(std::istream& in)
{
    ReadTemplate(in, false);
}

void TqbxComponent::ReadTemplate(std::istream& in, bool asCopy)
{
    Clear();
    TqbxReport* report = Report();
    TqbxXMLSerializer serializer(report ? static_cast<TqbxComponent*>(report) : this);
    serializer.ReadAsCopy = asCopy;
    TqbxXMLSerializer* previous = report ? report->ActiveSerializer : nullptr;
    if (report)
        report->ActiveSerializer = &serializer;
    auto finish = [&] {
        if (report) {
            report->ActiveSerializer = previous;
            for (const std::string& error : serializer.Errors.Items())
                report->Errors.Add(error);
        }
    };
    try {
        serializer.ReadRootComponent(*this, in);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TqbxComponent::SaveToStream(std::ostream& out, bool saveChildren, bool saveDefaultValues)
{
    TqbxReport* report = Report();
    TqbxXMLSerializer serializer(report ? static_cast<TqbxComponent*>(report) : this);
    serializer.SerializeDefaultValues = saveDefaultValues;
    if (report == this && report->AncestorReport) {
        const TqbxReport* ancestor = report->AncestorReport.get();
        serializer.GetAncestor = [ancestor](const TqbxComponent& c) -> const TqbxComponent* {
            return c.IsReportRoot() ? ancestor : ancestor->FindObject(c.Name());
        };
    }
    serializer.WriteRootComponent(*this, saveChildren, out);
}

void TqbxComponent::Assign(const TqbxPersistent& source)
{
    const auto* component = dynamic_cast<const TqbxComponent*>(&source);
    if (!component) {
        TqbxPersistent::Assign(source);
        return;
    }
    if (component == this)
        return;
    std::stringstream buffer;
    const_cast<TqbxComponent*>(component)->SaveToStream(buffer, false, true);
    LoadFromStream(buffer);
}

void TqbxComponent::AssignAll(const TqbxComponent& source)
{
    if (&source == this)
        return;
    std::stringstream buffer;
    const_cast<TqbxComponent&>(source).SaveToStream(buffer, true, true);
    // Within one report the copied children cannot take their sources' names: they stay unnamed.
    if (!IsReportRoot() && Report() && Report() == source.Report())
        ReadTemplate(buffer, true);
    else
        LoadFromStream(buffer);
}

std::string TqbxComponent::FullDiff(const TqbxComponent* reference) const
{
    TqbxXMLSerializer serializer(Report() ? static_cast<TqbxComponent*>(Report()) : const_cast<TqbxComponent*>(this));
    std::string text = serializer.ObjToXML(*this, "", nullptr);
    return reference ? text + " " + Diff(*reference) : text;
}

} // namespace qbx
