// What the template fuzz targets share: a report on the test platform, silent, loaded from the bytes.
#pragma once

#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <cstdint>
#include <sstream>
#include <string>

namespace qbx::fuzz {

// Loads the bytes as a template into `report`, its errors collected and never shown.
inline void LoadTemplate(TqbxReport& report, const std::uint8_t* data, std::size_t size)
{
    static fake::FakePlatform platform;
    RegisterStandardClasses();
    report.EngineOptions.NewSilentMode = simSilent;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    report.LoadFromStream(in);
}

} // namespace qbx::fuzz
