// The seventeen script message texts and their keys.
#include "script/TksMessages.h"

#include "formats/TqbxResources.h"

#include <array>

namespace qbx {
namespace {

std::array<std::string, kTksMessageCount> Defaults()
{
    return { "Language '%s' not found", "Invalid language definition",
        "Identifier redeclared: ", "Unknown type: ", "Incompatible types",
        "Undeclared identifier: ", "Class type required", "Index required",
        "Strings doesn't have properties or methods", "Class %s does not have a default property",
        "Array type required", "Variable required", "Not enough actual parameters", "Too many actual parameters",
        "Left side cannot be assigned to", "For loop variable must be numeric variable",
        "Event handler must be a procedure" };
}

// The defaults, each replaced by the localized table's text under its key when the table has one.
std::array<std::string, kTksMessageCount>& Texts()
{
    static std::array<std::string, kTksMessageCount> texts = [] {
        std::array<std::string, kTksMessageCount> result = Defaults();
        for (int id = 0; id < kTksMessageCount; ++id) {
            const char* key = ScriptMessageKey(static_cast<TksMessageId>(id));
            std::string localized = TqbxResources::Instance().Get(key);
            if (localized != key)
                result[static_cast<std::size_t>(id)] = localized;
        }
        return result;
    }();
    return texts;
}

} // namespace

const char* ScriptMessageKey(TksMessageId id)
{
    static const char* const keys[kTksMessageCount]
        = { "SLangNotFound", "SInvalidLanguage", "SIdRedeclared", "SUnknownType", "SIncompatibleTypes", "SIdUndeclared",
              "SClassRequired", "SIndexRequired", "SStringError", "SClassError", "SArrayRequired", "SVarRequired",
              "SNotEnoughParams", "STooManyParams", "SLeftCantAssigned", "SForError", "SEventError" };
    return keys[id];
}

std::string ScriptMessage(TksMessageId id)
{
    return Texts()[id];
}

std::string ScriptMessage(TksMessageId id, std::string_view argument)
{
    std::string text = Texts()[id];
    std::size_t at = text.find("%s");
    if (at != std::string::npos)
        return text.replace(at, 2, argument);
    return text + "'" + std::string(argument) + "'";
}

void SetScriptMessage(TksMessageId id, std::string text)
{
    Texts()[id] = std::move(text);
}

} // namespace qbx
