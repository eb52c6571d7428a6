// Writing objects as template elements and attributes, and reading them back.
#include "formats/TqbxXMLSerializer.h"

#include "base/FloatText.h"
#include "base/Unicode.h"
#include "formats/PropData.h"
#include "formats/TqbxResources.h"
#include "formats/TqbxXML.h"
#include "formats/XmlEscape.h"
#include "report/ClassRegistry.h"
#include "report/TqbxComponent.h"

#include <cmath>
#include <ostream>

namespace qbx {
namespace {

std::string EnumText(const PropInfo& p, const Variant& value)
{
    int ordinal = value.AsInteger();
    if (p.Kind == TPropKind::Boolean)
        return value.AsBoolean() ? "True" : "False";
    return ordinal >= 0 && ordinal < static_cast<int>(p.EnumNames.size())
        ? p.EnumNames[static_cast<std::size_t>(ordinal)]
        : std::to_string(ordinal);
}

const TqbxComponent* AsComponent(const Variant& v)
{
    return dynamic_cast<const TqbxComponent*>(v.AsObject());
}

// The Data entry of a picture: the graphic's class name, then its length and bytes.
std::string PictureData(const std::string& bytes)
{
    std::string className = DetectPictureFormat(bytes) == PictureFormat::Jpeg ? "TJPEGImage" : "TBitmap";
    std::string data(1, static_cast<char>(className.size()));
    data += className;
    for (int i = 0; i < 4; ++i)
        data += static_cast<char>((bytes.size() >> (8 * i)) & 0xFF);
    data += bytes;
    PropDataWriter writer;
    writer.Name("Data");
    writer.Binary(data);
    return writer.Buffer();
}

std::string PictureFromPropData(std::string_view hex)
{
    std::string raw = HexDecode(hex);
    PropDataReader reader(raw);
    while (!reader.AtEnd()) {
        std::string name = reader.ReadName();
        BinValue value = reader.ReadValue();
        if (name != "Data")
            continue;
        std::string_view data = value.Bytes;
        if (data.empty())
            return {};
        std::size_t nameLength = static_cast<unsigned char>(data[0]);
        if (data.size() < 1 + nameLength + 4)
            throw EConvertError("Invalid picture data");
        std::size_t at = 1 + nameLength + 4; // the graphic's class name and the length of its data
        return std::string(data.substr(at));
    }
    return {};
}

// A coordinate or size: a point or a comma as separator, blanks ignored, and a finite value that a
// double holds (infinities and NaN would poison every layout computed from it).
double FiniteFloat(std::string_view text, std::string_view property)
{
    std::string compact;
    for (char c : text)
        if (c != ' ')
            compact += c;
    long double value = 0;
    if (!TryTextToFloat(compact, value) || !std::isfinite(static_cast<double>(value)))
        throw EConvertError(
            "'" + std::string(text) + "' is not a valid floating point value for property " + std::string(property));
    return static_cast<double>(value);
}

} // namespace

std::string TqbxXMLSerializer::ReferenceName(const TqbxComponent* component)
{
    return component ? component->Name() : std::string();
}

std::string TqbxXMLSerializer::PictureToXML(
    const std::string& bytes, const std::string& name, const std::string* ancestorBytes)
{
    if (bytes.empty())
        return {};
    std::string buffer = PictureData(bytes);
    if (ancestorBytes && !ancestorBytes->empty() && Crc32(PictureData(*ancestorBytes)) == Crc32(buffer))
        return {};
    return XmlAttribute(name + "PropData", HexEncode(buffer));
}

std::string TqbxXMLSerializer::PropertyToXML(
    const TqbxPersistent& object, const PropInfo& p, const std::string& prefix, const TqbxPersistent* ancestor)
{
    if (p.Kind == TPropKind::Object) {
        TqbxPersistent* nested = p.Nested(const_cast<TqbxPersistent&>(object));
        TqbxPersistent* theirs = ancestor ? p.Nested(const_cast<TqbxPersistent&>(*ancestor)) : nullptr;
        return nested ? ObjToXML(*nested, prefix + p.Name + ".", theirs) : std::string();
    }
    Variant value = p.Get(object);
    Variant old = ancestor ? p.Get(*ancestor) : Variant();
    bool always = SerializeDefaultValues;
    switch (p.Kind) {
    case TPropKind::Boolean:
    case TPropKind::Enum:
        if (always || (ancestor ? value.AsInt64() != old.AsInt64() : !p.IsDefault(value)))
            return XmlAttribute(prefix + p.Name, EnumText(p, value));
        return {};
    case TPropKind::Integer:
    case TPropKind::Set:
        if (always || (ancestor ? value.AsInt64() != old.AsInt64() : !p.IsDefault(value)))
            return XmlAttribute(prefix + p.Name, std::to_string(value.AsInt64()));
        return {};
    case TPropKind::Float:
        if (always || !ancestor || std::fabs(value.AsFloat() - old.AsFloat()) >= 0.000001L)
            return XmlAttribute(prefix + p.Name, FloatToText(value.AsFloat()));
        return {};
    case TPropKind::String:
    case TPropKind::Event: {
        std::string text = value.ToText();
        if (!text.empty() && (always || (ancestor ? text != old.ToText() : true)))
            return XmlAttribute(prefix + p.Name, XmlEscape(text));
        return {};
    }
    case TPropKind::Variant:
        if (always || !ancestor || value.ToText() != old.ToText())
            return XmlAttribute(prefix + p.Name, XmlEscape(value.ToText()));
        return {};
    case TPropKind::Reference: {
        const TqbxComponent* mine = AsComponent(value);
        const TqbxComponent* theirs = ancestor ? AsComponent(old) : nullptr;
        if (!ancestor)
            return mine ? XmlAttribute(prefix + p.Name, XmlEscape(ReferenceName(mine))) : std::string();
        if (!mine && theirs)
            return XmlAttribute(prefix + p.Name, "nil");
        if (mine && (!theirs || !SameText(mine->Name(), theirs->Name())))
            return XmlAttribute(prefix + p.Name, XmlEscape(ReferenceName(mine)));
        return {};
    }
    case TPropKind::Lines:
        if (always || !ancestor || value.ToText() != old.ToText())
            return XmlAttribute(prefix + p.Name + ".Text", XmlEscape(value.ToText()));
        return {};
    case TPropKind::Picture: {
        std::string theirs = ancestor ? old.ToText() : std::string();
        return PictureToXML(value.ToText(), prefix + p.Name + ".", ancestor ? &theirs : nullptr);
    }
    case TPropKind::Object:
        break;
    }
    return {};
}

std::string TqbxXMLSerializer::ObjToXML(
    const TqbxPersistent& object, const std::string& prefix, const TqbxPersistent* ancestor)
{
    auto* component = dynamic_cast<TqbxComponent*>(const_cast<TqbxPersistent*>(&object));
    if (component)
        component->SetWriting(true);
    std::string out;
    for (const PropInfo* p : object.GetClassInfo().Properties()) {
        // A component's Name is written apart (as the element's first attribute); nested objects and
        // collection items write theirs like any other property.
        if ((component && p->Name == "Name") || !p->IsStored(object, SerializeDefaultValues)
            || (!p->Get && p->Kind != TPropKind::Object))
            continue;
        const PropInfo* theirs = ancestor ? ancestor->GetClassInfo().FindProperty(p->Name) : nullptr;
        out += PropertyToXML(object, *p, prefix, theirs == p ? ancestor : nullptr);
    }
    const auto* ancestorComponent = dynamic_cast<const TqbxComponent*>(ancestor);
    if (component && component->HasTextAttribute()
        && !(ancestorComponent && ancestorComponent->TextAttribute() == component->TextAttribute()))
        out += XmlAttribute(prefix + "Text", XmlEscape(component->TextAttribute()));
    PropDataWriter extra;
    object.WriteExtraData(extra, *this);
    if (!extra.Buffer().empty()) {
        bool differs = true;
        if (ancestor) {
            PropDataWriter theirs;
            ancestor->WriteExtraData(theirs, *this);
            differs = Crc32(theirs.Buffer()) != Crc32(extra.Buffer());
        }
        if (differs)
            out += XmlAttribute(prefix + "PropData", HexEncode(extra.Buffer()));
    }
    if (component)
        component->SetWriting(false);
    return out;
}

void TqbxXMLSerializer::XMLToObj(std::string_view text, TqbxPersistent& object)
{
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ')
            ++at;
        std::size_t eq = text.find('=', at);
        if (eq == std::string_view::npos)
            return;
        std::string_view name = TrimBlanks(text.substr(at, eq - at));
        if (name.empty())
            return;
        std::size_t open = text.find('"', eq);
        std::size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
        if (close == std::string_view::npos)
            return;
        std::string_view value = text.substr(open + 1, close - open - 1);
        at = close + 1;
        try {
            ApplyAttribute(object, name, value);
        } catch (const Exception& e) {
            Errors.Add(e.what());
        }
    }
}

void TqbxXMLSerializer::ApplyAttribute(TqbxPersistent& object, std::string_view name, std::string_view escaped)
{
    TqbxPersistent* target = &object;
    // A dotted name reaches into nested objects; the last part is the property.
    for (std::size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
        const PropInfo* part = target->GetClassInfo().FindProperty(name.substr(0, dot));
        if (!part)
            break;
        std::string_view rest = name.substr(dot + 1);
        if (part->Kind == TPropKind::Lines && SameText(rest, "Text") && part->Set) {
            part->Set(*target, Variant(XmlUnescape(escaped)));
            return;
        }
        if (part->Kind == TPropKind::Picture && SameText(rest, "PropData") && part->Set) {
            part->Set(*target, Variant(PictureFromPropData(escaped)));
            return;
        }
        if (part->Kind != TPropKind::Object || !part->Nested(*target))
            break;
        target = part->Nested(*target);
        name = rest;
    }
    auto* component = dynamic_cast<TqbxComponent*>(target);
    if (component && name.size() == 1) {
        switch (name[0]) {
        case 'l':
            component->SetLeft(FiniteFloat(escaped, name));
            return;
        case 't':
            component->SetTop(FiniteFloat(escaped, name));
            return;
        case 'w':
            component->SetWidth(FiniteFloat(escaped, name));
            return;
        case 'h':
            component->SetHeight(FiniteFloat(escaped, name));
            return;
        case 'x':
        case 'u':
            component->SetTextAttribute(XmlUnescape(escaped));
            return;
        default:
            break;
        }
    }
    if (component && name == "Text" && component->HasTextAttribute()) {
        component->SetTextAttribute(XmlUnescape(escaped));
        return;
    }
    if (name == "PropData") {
        ApplyPropData(*target, escaped);
        return;
    }
    if (component && name == "Name" && (component->IsReportRoot() || ReadAsCopy))
        return; // a copy stays unnamed: its source keeps the name
    const PropInfo* p = target->GetClassInfo().FindProperty(name);
    if (!p || !p->Set)
        return;
    std::string value = XmlUnescape(escaped);
    switch (p->Kind) {
    case TPropKind::Boolean:
    case TPropKind::Enum: {
        long long number = 0;
        if (!TryTextToInt64(value, number)) {
            number = p->EnumOrdinal(value);
            if (p->Kind == TPropKind::Boolean && number < 0)
                number = SameText(value, "True") ? 1 : SameText(value, "False") ? 0 : -1;
            if (number < 0)
                throw EConvertError("Invalid value '" + value + "' for property " + p->Name);
        }
        if (p->Kind == TPropKind::Boolean) {
            p->Set(*target, Variant(number != 0));
            return;
        }
        p->CheckRange(number);
        p->Set(*target, Variant(static_cast<int>(number)));
        return;
    }
    case TPropKind::Float:
        p->Set(*target, Variant(FiniteFloat(value, p->Name)));
        return;
    case TPropKind::Integer:
    case TPropKind::Set: {
        long long number = 0;
        if (!TryTextToInt64(value, number))
            throw EConvertError("'" + value + "' is not a valid integer value");
        p->CheckRange(number);
        p->Set(*target, Variant(static_cast<std::int64_t>(number)));
        return;
    }
    case TPropKind::String:
    case TPropKind::Event:
    case TPropKind::Variant:
    case TPropKind::Lines:
        p->Set(*target, Variant(value));
        return;
    case TPropKind::Reference:
        AddFixup(*target, *p, value);
        return;
    case TPropKind::Object:
    case TPropKind::Picture:
        return;
    }
}

void TqbxXMLSerializer::ApplyPropData(TqbxPersistent& object, std::string_view hex)
{
    std::string raw = HexDecode(hex);
    PropDataReader reader(raw);
    try {
        while (!reader.AtEnd()) {
            std::string name = reader.ReadName();
            BinValue value = reader.ReadValue();
            if (!object.ReadExtraData(name, value, *this))
                return;
        }
    } catch (const Exception&) {
        // A failing entry ends the reading of this block; what was read stays.
    }
}

void TqbxXMLSerializer::AddFixup(TqbxPersistent& object, const PropInfo& property, std::string name)
{
    fixups_.push_back({ &object, &property, std::move(name) });
}

void TqbxXMLSerializer::ResolveFixups()
{
    for (const Fixup& f : fixups_) {
        if (f.Name.empty() || SameText(f.Name, "nil")) {
            f.Property->Set(*f.Object, Variant::FromObject(nullptr));
            continue;
        }
        TqbxComponent* found = FindOwned(f.Name);
        if (!found && Owner && SameText(Owner->Name(), f.Name))
            found = Owner;
        if (!found)
            continue;
        try {
            f.Property->Set(*f.Object, Variant::FromObject(found));
        } catch (const Exception& e) {
            Errors.Add(e.what()); // one bad reference (a circular Child) leaves the others to resolve
        }
    }
    fixups_.clear();
}

} // namespace qbx
