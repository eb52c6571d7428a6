// Benchmark of the prepared pages store: 100,000 bands of five memos added as a run adds them, with or
// without the file cache. Prints the time per stored object and the process's peak memory; run it once
// per mode, since the peak is the process's own:
//   qbx_store_bench            everything in memory
//   qbx_store_bench --cache    UseFileCache with the default MaxMemSize (10 MB)
#include "PeakMemory.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxMemoView.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kBands = 100000;
constexpr int kMemos = 5;
constexpr int kBandsPerPage = 50;

} // namespace

int main(int argc, char** argv)
{
    bool cache = argc > 1 && std::strcmp(argv[1], "--cache") == 0;
    qbx::fake::FakePlatform platform;
    qbx::RegisterStandardClasses();
    qbx::TqbxReport report;
    report.EngineOptions.UseFileCache = cache;
    auto* page = new qbx::TqbxReportPage(&report);
    auto* band = new qbx::TqbxMasterData(page);
    band->SetHeight(20);
    std::vector<qbx::TqbxMemoView*> memos;
    for (int m = 0; m < kMemos; ++m) {
        auto* memo = new qbx::TqbxMemoView(band);
        memo->SetBounds(m * 140, 0, 130, 18);
        memos.push_back(memo);
    }
    qbx::TqbxPreviewPages& store = report.PreviewPages();
    store.AddSourcePage(*page);

    auto start = std::chrono::steady_clock::now();
    for (int b = 0; b < kBands; ++b) {
        if (b % kBandsPerPage == 0)
            store.AddPage(*page);
        band->SetTop((b % kBandsPerPage) * 20);
        for (int m = 0; m < kMemos; ++m)
            memos[static_cast<std::size_t>(m)]->Memo.SetText(u"record "
                + std::u16string(1, static_cast<char16_t>(u'0' + b % 10)) + u" field "
                + std::u16string(1, static_cast<char16_t>(u'0' + m)));
        store.AddObject(*band);
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long objects = static_cast<long>(kBands) * (kMemos + 1);
    std::printf("%s: %ld objects on %d pages in %.3f s, %.0f ns per object, peak memory %ld MiB\n",
        cache ? "file cache" : "in memory", objects, store.PageCount(), seconds, seconds * 1e9 / objects,
        qbx::bench::PeakMemoryMiB());
    return 0;
}
