// The language registry, filled with the grammars the program carries.
#include "script/TksLanguages.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "formats/EmbeddedResources.h"
#include "script/TksMessages.h"

#include <utility>

namespace qbx {
namespace {

std::vector<std::pair<std::string, std::string>>& Languages()
{
    static std::vector<std::pair<std::string, std::string>> languages = [] {
        std::vector<std::pair<std::string, std::string>> shipped;
        for (auto [name, resource] :
            { std::pair { "VeradaZurezi", "GrammarVeradaZurezi" }, std::pair { "R++Edodod", "GrammarRPlusPlusEdodod" },
                std::pair { "VidodAvidov", "GrammarVidodAvidov" }, std::pair { "JScript", "GrammarJScript" } })
            shipped.emplace_back(name, std::string(EmbeddedResource(AsciiUpper(resource))));
        return shipped;
    }();
    return languages;
}

} // namespace

void RegisterLanguage(const std::string& name, const std::string& grammar)
{
    for (auto& [known, text] : Languages()) {
        if (known == name) {
            text = grammar;
            return;
        }
    }
    Languages().emplace_back(name, grammar);
}

const std::string& LanguageGrammar(const std::string& name)
{
    for (const auto& [known, text] : Languages())
        if (known == name)
            return text;
    throw Exception(ScriptMessage(SLangNotFound, name));
}

std::vector<std::string> LanguageNames()
{
    std::vector<std::string> names;
    for (const auto& entry : Languages())
        names.push_back(entry.first);
    return names;
}

} // namespace qbx
