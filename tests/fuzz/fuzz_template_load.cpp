// Fuzz target: any bytes loaded as a template leave a usable report that saves without failing.
#include "FuzzTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qbx::TqbxReport report;
    qbx::fuzz::LoadTemplate(report, data, size);
    std::ostringstream out;
    report.SaveToStream(out);
    return 0;
}
