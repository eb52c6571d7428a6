// The process-wide registry of script languages: each name with its grammar document's text. The
// four shipped grammars are registered on first use.
#pragma once

#include <string>
#include <vector>

namespace qbx {

// Adds a language, or replaces the grammar of one of that name.
void RegisterLanguage(const std::string& name, const std::string& grammar);
// The grammar text of a language; raises Exception "Language 'NAME' not found" for an unknown name.
const std::string& LanguageGrammar(const std::string& name);
std::vector<std::string> LanguageNames();

} // namespace qbx
