// Benchmark of loading a large template: 50,000 objects (bands of memos) read from memory.
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

namespace {

// One report page holding `bands` master data bands of nine memos each, as a designer writes them.
std::string LargeTemplate(int bands)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TqbxReport>\r\n"
                       "  <TqbxDataPage Name=\"Data\"/>\r\n  <TqbxReportPage Name=\"Page1\">\r\n";
    int memo = 0;
    for (int b = 1; b <= bands; ++b) {
        std::string band = "Band" + std::to_string(b);
        text += "    <TqbxMasterData Name=\"" + band + "\" Height=\"20\" Top=\"" + std::to_string(b * 20) + "\">\r\n";
        for (int m = 0; m < 9; ++m)
            text += "      <TqbxMemoView Name=\"Memo" + std::to_string(++memo) + "\" Left=\"" + std::to_string(m * 80)
                + "\" Top=\"0\" Width=\"80\" Height=\"18\" Text=\"[Field" + std::to_string(m) + "]\"/>\r\n";
        text += "    </TqbxMasterData>\r\n";
    }
    return text + "  </TqbxReportPage>\r\n</TqbxReport>\r\n";
}

void LoadTemplateOf50000Objects(benchmark::State& state)
{
    qbx::RegisterStandardClasses();
    const std::string text = LargeTemplate(5000);
    for (auto _ : state) {
        qbx::TqbxReport report;
        std::istringstream in(text);
        report.LoadFromStream(in);
        benchmark::DoNotOptimize(report.Errors.Count());
    }
}
BENCHMARK(LoadTemplateOf50000Objects)->Unit(benchmark::kMillisecond);

} // namespace
