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
    // Only an inherited report's own template marks what came from the parent; copies of its
    // objects name their classes.
    item.Name = component.IsAncestor() && !isRoot && GetAncestor ? "inherited" : component.ClassName();
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

TqbxComponent* TqbxXMLSerializer::FindOwned(const std::string& name)
{
    if (!Owner || name.empty())
        return nullptr;
    if (indexedOwner_ != Owner) {
        names_.clear();
        for (TqbxComponent* c : Owner->AllObjects())
            Index(*c);
        indexedOwner_ = Owner;
    }
    auto it = names_.find(AsciiUpper(name));
    return it == names_.end() ? nullptr : it->second;
}

void TqbxXMLSerializer::Index(TqbxComponent& component)
{
    if (!component.Name().empty())
        names_.emplace(AsciiUpper(component.Name()), &component); // the first of a name keeps it
}

void TqbxXMLSerializer::Forget(const TqbxComponent& component)
{
    auto it = names_.find(AsciiUpper(component.Name()));
    if (it != names_.end() && it->second == &component)
        names_.erase(it);
}

// An `inherited` element updates the object of the parent template with its name, and is dropped
// when there is none. Any other element makes a new object, unless its name belongs to an object of
// the same class that came from the parent template; a name another object already has is refused
// by the new object's SetName, so two elements never merge into one object.
TqbxComponent* TqbxXMLSerializer::ObjectForElement(TqbxXMLItem& item, TqbxComponent* parent, bool inherited)
{
    if (inherited)
        return ReadAsCopy ? nullptr : FindOwned(item.Prop("Name"));
    if (!ReadAsCopy) {
        TqbxComponent* existing = FindOwned(item.Prop("Name"));
        if (existing && existing->IsAncestor() && existing->ClassName() == item.Name)
            return existing;
    }
    const ClassInfo* info = ClassRegistry::Instance().Find(item.Name);
    if (info->InheritsFrom(TqbxReport::StaticClassInfo())) {
        Errors.Add("A report cannot be placed inside another object: " + item.Name + " skipped");
        return nullptr;
    }
    if (!info->IsCreatable()) {
        Errors.Add("Cannot create an object of the class " + item.Name + ": element skipped");
        return nullptr;
    }
    return info->Create(parent);
}

void TqbxXMLSerializer::ReadElement(
    TqbxXMLItem& item, TqbxComponent* parent, TqbxComponent* root, std::vector<TqbxComponent*>& read)
{
    bool inherited = SameText(item.Name, "inherited");
    if (!inherited && !ClassRegistry::Instance().Find(item.Name)) {
        Errors.Add(TqbxResources::Instance().Get("xrCantFindClass") + " " + item.Name);
        return;
    }
    TqbxComponent* object = root ? root : ObjectForElement(item, parent, inherited);
    if (!object)
        return;
    object->SetLoading(true);
    XMLToObj(item.Text, *object);
    if (!root && indexedOwner_ == Owner)
        Index(*object);
    read.push_back(object);
    for (int i = 0; i < item.Count(); ++i)
        ReadElement(*item.Items(i), object, nullptr, read);
}

void TqbxXMLSerializer::ReadRootComponent(TqbxComponent& component, TqbxXMLItem& item)
{
    if (item.Name.empty())
        return; // an empty document, or one whose first element could not be read
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
    if (!doc.Complete())
        throw TqbxInvalidXMLException("the file ends inside an element"); // a cut file is no success
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
