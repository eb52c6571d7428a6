// Fuzz target: any bytes given to the XML reader either load or raise the reader's error; written
// back and read again, a loaded document is a fixed point.
#include "formats/TqbxXML.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    qbx::TqbxXMLDocument doc;
    try {
        doc.LoadFromStream(std::make_unique<std::istringstream>(text), size % 2 == 0);
        std::ostringstream out;
        doc.SaveToStream(out);
        qbx::TqbxXMLDocument again;
        std::istringstream in(out.str());
        again.LoadFromStream(in);
    } catch (const qbx::Exception&) {
    }
    return 0;
}
