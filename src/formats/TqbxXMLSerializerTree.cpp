// The serializer's element level: component trees to items and back, and single-object text forms.
#include "base/Unicode.h"
#include "formats/TqbxResources.h"
#include "formats/TqbxXML.h"
#include "formats/TqbxXMLSerializer.h"
#include "formats/XmlEscape.h"
#include "report/ClassRegistry.h"
#include "report/TqbxComponent.h"
#include "report/TqbxReport.h"

#include <ostream>

namespace qbx {

void TqbxXMLSerializer::WriteElement(TqbxComponent& component, bool saveChildren, TqbxXMLItem& item, bool isRoot)
{
    const TqbxComponent* ancestor = GetAncestor ? GetAncestor(component) : nullptr;
    item.Name = component.IsAncestor() && !isRoot ? "inherited" : component.ClassName();
    item.Text = isRoot ? std::string() : XmlAttribute("Name", XmlEscape(component.Name()));
    item.Text += ObjToXML(component, "", ancestor);
    if (!saveChildren)
        return;
    for (TqbxComponent* child : component.Objects())
        WriteElement(*child, true, *item.Add(), false);
}

void TqbxXMLSerializer::WriteRootComponent(TqbxComponent& component, bool saveChildren, TqbxXMLItem& item)
{
    if (!Owner)
        Owner = &component;
    WriteElement(component, saveChildren, item, true);
}

void TqbxXMLSerializer::WriteRootComponent(TqbxComponent& component, bool saveChildren, std::ostream& out)
{
    TqbxXMLDocument doc;
    doc.AutoIndent = true;
    WriteRootComponent(component, saveChildren, doc.Root());
    doc.SaveToStream(out);
}

void TqbxXMLSerializer::ReadElement(
    TqbxXMLItem& item, TqbxComponent* parent, TqbxComponent* root, std::vector<TqbxComponent*>& read)
{
    bool inherited = SameText(item.Name, "inherited");
    if (!inherited && !ClassRegistry::Instance().Find(item.Name)) {
        Errors.Add(TqbxResources::Instance().Get("xrCantFindClass") + " " + item.Name);
        return;
    }
    TqbxComponent* object = root;
    if (!root) {
        std::string name = item.Prop("Name");
        object = name.empty() || !Owner ? nullptr : Owner->FindObject(name);
        if (!object && inherited)
            return;
        if (!object && ClassRegistry::Instance().Find(item.Name)->InheritsFrom(TqbxReport::StaticClassInfo())) {
            Errors.Add("A report cannot be placed inside another object: " + item.Name + " skipped");
            return;
        }
        if (!object)
            object = ClassRegistry::Instance().Create(item.Name, parent);
    }
    object->SetLoading(true);
    XMLToObj(item.Text, *object);
    read.push_back(object);
    for (int i = 0; i < item.Count(); ++i)
        ReadElement(*item.Items(i), object, nullptr, read);
}

void TqbxXMLSerializer::ReadRootComponent(TqbxComponent& component, TqbxXMLItem& item)
{
    if (!Owner)
        Owner = &component;
    std::vector<TqbxComponent*> read;
    ReadElement(item, nullptr, &component, read);
    ResolveFixups();
    for (TqbxComponent* object : read) {
        object->SetLoading(false);
        if (!object->IsReportRoot())
            object->Loaded();
    }
}

void TqbxXMLSerializer::ReadRootComponent(TqbxComponent& component, std::istream& in)
{
    TqbxXMLDocument doc;
    try {
        doc.LoadFromStream(in);
    } catch (const TqbxInvalidXMLException&) {
        ReadRootComponent(component, doc.Root()); // what was read before the fault stays
        throw;
    }
    ReadRootComponent(component, doc.Root());
}

std::string TqbxXMLSerializer::ComponentToText(const TqbxComponent& component)
{
    return component.ClassName() + ObjToXML(component, "", nullptr);
}

void TqbxXMLSerializer::WriteComponentToStream(const TqbxComponent& component, std::ostream& out)
{
    out << "<" << ComponentToText(component) << "/>";
}

TqbxComponent* TqbxXMLSerializer::ReadComponentFromText(
    TqbxComponent* owner, std::string_view text, bool skipReferences)
{
    text = TrimBlanks(text);
    std::size_t space = text.find(' ');
    std::string className(text.substr(0, space));
    TqbxComponent* object = ClassRegistry::Instance().Create(className, owner);
    object->SetLoading(true);
    XMLToObj(space == std::string_view::npos ? std::string_view() : text.substr(space), *object);
    if (skipReferences)
        fixups_.clear();
    else
        ResolveFixups();
    object->SetLoading(false);
    if (!object->IsReportRoot())
        object->Loaded();
    return object;
}

void TqbxXMLSerializer::ReadPersistentFromText(TqbxComponent* root, TqbxPersistent& object, std::string_view text)
{
    XMLToObj(text, object);
    TqbxComponent* saved = Owner;
    Owner = root;
    ResolveFixups();
    Owner = saved;
}

} // namespace qbx
