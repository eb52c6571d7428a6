// TqbxXMLSerializer: objects to template XML and back, with deferred references and collected errors.
#pragma once

#include "base/SortedStrings.h"
#include "report/PropertyRegistry.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qbx {

class TqbxComponent;
class TqbxPersistent;
class TqbxXMLItem;

// Lives for one read or one write. It references the objects it reads or writes and owns none.
class TqbxXMLSerializer
{
public:
    explicit TqbxXMLSerializer(TqbxComponent* owner = nullptr)
        : Owner(owner)
    {
    }

    SortedStrings Errors;
    TqbxComponent* Owner; // the report root the objects belong to
    bool SerializeDefaultValues = false;
    // For inherited templates: the namesake of an object in the parent template (nullptr: none).
    std::function<const TqbxComponent*(const TqbxComponent&)> GetAncestor;

    // Writing: a component (with its descendants when asked) into an item, or as a whole document.
    void WriteRootComponent(TqbxComponent& component, bool saveChildren, TqbxXMLItem& item);
    void WriteRootComponent(TqbxComponent& component, bool saveChildren, std::ostream& out);
    // Reading: an item, or a whole document, into a component and its descendants. Malformed XML ends
    // the read with TqbxInvalidXMLException after what was read has been applied.
    void ReadRootComponent(TqbxComponent& component, TqbxXMLItem& item);
    void ReadRootComponent(TqbxComponent& component, std::istream& in);

    // The attribute text of one object: " Name=\"value\"" pairs, each name preceded by `prefix`.
    std::string ObjToXML(const TqbxPersistent& object, const std::string& prefix, const TqbxPersistent* ancestor);
    // Applies an attribute text to one object; an attribute that fails adds its message to Errors.
    void XMLToObj(std::string_view text, TqbxPersistent& object);

    std::string ComponentToText(const TqbxComponent& component);
    void WriteComponentToStream(const TqbxComponent& component, std::ostream& out);
    // Creates a child of `owner` from "ClassName attributes..."; raises EConvertError for an unknown class.
    TqbxComponent* ReadComponentFromText(TqbxComponent* owner, std::string_view text, bool skipReferences);
    void ReadPersistentFromText(TqbxComponent* root, TqbxPersistent& object, std::string_view text);

    // A reference read now and assigned once every object exists.
    void AddFixup(TqbxPersistent& object, const PropInfo& property, std::string name);
    void ResolveFixups();

    // Reading copies (AssignAll): every element becomes a new, unnamed object; names are never matched.
    bool ReadAsCopy = false;

    // The object of Owner named `name` (without regard to case), through an index kept for the read;
    // nullptr when there is none.
    TqbxComponent* FindOwned(const std::string& name);
    // Keeps the index true when an object goes away, or when the whole tree was read anew.
    void Forget(const TqbxComponent& component);
    void ForgetAll() { indexedOwner_ = nullptr; }

    // The text by which a reference to `component` is written.
    static std::string ReferenceName(const TqbxComponent* component);

private:
    struct Fixup
    {
        TqbxPersistent* Object;
        const PropInfo* Property;
        std::string Name;
    };
    void WriteElement(TqbxComponent& component, bool saveChildren, TqbxXMLItem& item, bool isRoot);
    void ReadElement(TqbxXMLItem& item, TqbxComponent* parent, TqbxComponent* root, std::vector<TqbxComponent*>& read);
    std::string PropertyToXML(
        const TqbxPersistent& object, const PropInfo& p, const std::string& prefix, const TqbxPersistent* ancestor);
    void ApplyAttribute(TqbxPersistent& object, std::string_view name, std::string_view escaped);
    void ApplyPropData(TqbxPersistent& object, std::string_view hex);
    std::string PictureToXML(const std::string& bytes, const std::string& name, const std::string* ancestorBytes);

    void Index(TqbxComponent& component);
    TqbxComponent* ObjectForElement(TqbxXMLItem& item, TqbxComponent* parent, bool inherited);

    std::vector<Fixup> fixups_;
    // Owner's objects by upper-cased name, built on first use: a read looks every element up, and a
    // fresh walk of the tree per element would make loading quadratic.
    std::unordered_map<std::string, TqbxComponent*> names_;
    const TqbxComponent* indexedOwner_ = nullptr; // the Owner the index was built for
};

} // namespace qbx
