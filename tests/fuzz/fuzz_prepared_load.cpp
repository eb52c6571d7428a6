// Fuzz target: any bytes loaded as a prepared report either fail with an error and leave the store empty,
// or give pages that rebuild, draw and save again.
#include "base/Exceptions.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static qbx::fake::FakePlatform platform;
    qbx::RegisterStandardClasses();
    qbx::TqbxReport report;
    report.EngineOptions.NewSilentMode = qbx::simSilent;
    qbx::TqbxPreviewPages& store = report.PreviewPages();
    try {
        store.LoadFromStream(
            std::make_unique<std::istringstream>(std::string(reinterpret_cast<const char*>(data), size)), true);
    } catch (const qbx::Exception&) {
        if (store.PageCount() != 0)
            std::abort(); // a refused file must leave nothing behind
        return 0;
    }
    for (int i = 0; i < store.PageCount() && i < 8; ++i) {
        qbx::fake::RecordingCanvas canvas;
        try {
            store.DrawPage(i, canvas, 1, 1, 0, 0);
        } catch (const qbx::Exception&) {
            // a damaged object may refuse to draw; it must not crash
        }
    }
    std::ostringstream out;
    store.SaveToStream(out);
    return 0;
}
