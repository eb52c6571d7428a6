// Fuzz target: any bytes loaded as a template and prepared either fail with collected errors or give
// prepared pages that save; the run is cut short after 50 pages so that huge counts stay cheap.
#include "FuzzTemplate.h"
#include "engine/TqbxPreviewPages.h"
#include "report/TqbxBands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qbx::TqbxReport report;
    qbx::fuzz::LoadTemplate(report, data, size);
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
