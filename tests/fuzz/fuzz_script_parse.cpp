// Fuzz target: any text in any of the four languages (chosen by the first byte) either parses into an
// intermediate program that loads as XML, or fails with a recorded error; nothing crashes or hangs.
#include "base/Exceptions.h"
#include "script/TksILParser.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const languages[] = { "VeradaZurezi", "R++Edodod", "VidodAvidov", "JScript" };
    if (size == 0)
        return 0;
    qbx::TksILParser parser;
    parser.OnGetUnit = [](const std::string&) { return std::string(); };
    try {
        parser.SelectLanguage(languages[data[0] % 4]);
        parser.ParseToIL(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    } catch (const qbx::Exception&) {
        // a "#language" line naming no known language
    }
    return 0;
}
