// Fuzz target: any bytes loaded as a template and prepared either fail with collected errors or give
// prepared pages that save; the run is cut short after 50 pages so that huge counts stay cheap.
#include "engine/TqbxPreviewPages.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
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
    for (qbx::TqbxComponent* c : report.AllObjects())
        if (auto* band = dynamic_cast<qbx::TqbxDataBand*>(c); band && band->RowCount() > 20)
            band->SetRowCount(20);
    report.OnProgress = [](qbx::TqbxReport& r, qbx::TqbxProgressType, int page) {
        if (page > 50)
            r.Terminated = true;
    };
    report.PrepareReport(true);
    std::ostringstream out;
    report.PreviewPages().SaveToStream(out);
    return 0;
}
