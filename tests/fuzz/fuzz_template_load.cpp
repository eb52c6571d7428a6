// Fuzz target: any bytes loaded as a template leave a usable report that saves without failing.
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static qbx::fake::FakePlatform platform;
    qbx::RegisterStandardClasses();
    qbx::TqbxReport report;
    report.EngineOptions.NewSilentMode = qbx::simSilent;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    report.LoadFromStream(in);
    std::ostringstream out;
    report.SaveToStream(out);
    return 0;
}
