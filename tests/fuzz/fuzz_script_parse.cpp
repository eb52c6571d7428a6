// Fuzz target: any text in one script language (QBX_FUZZ_LANGUAGE, one target per language) either
// parses into an intermediate program or fails with a recorded error; nothing crashes or hangs.
#include "base/Exceptions.h"
#include "script/TksILParser.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qbx::TksILParser parser;
    parser.OnGetUnit = [](const std::string&) { return std::string(); };
    try {
        parser.SelectLanguage(QBX_FUZZ_LANGUAGE);
        parser.ParseToIL(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const qbx::Exception&) {
        // a "#language" line naming no known language
    }
    return 0;
}
