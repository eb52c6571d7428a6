// The script engine's message texts: defaults that the localized string table replaces at start-up
// under their keys.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

enum TksMessageId {
    SLangNotFound,
    SInvalidLanguage,
    SIdRedeclared,
    SUnknownType,
    SIncompatibleTypes,
    SIdUndeclared,
    SClassRequired,
    SIndexRequired,
    SStringError,
    SClassError,
    SArrayRequired,
    SVarRequired,
    SNotEnoughParams,
    STooManyParams,
    SLeftCantAssigned,
    SForError,
    SEventError,
};
inline constexpr int kTksMessageCount = 17;

// The key of a message ("SLangNotFound", ...).
const char* ScriptMessageKey(TksMessageId id);
// The current text of a message; with an argument, "%s" in it is replaced by the argument, and a
// message without "%s" gets the argument appended in single quotes.
std::string ScriptMessage(TksMessageId id);
std::string ScriptMessage(TksMessageId id, std::string_view argument);
void SetScriptMessage(TksMessageId id, std::string text);

} // namespace qbx
