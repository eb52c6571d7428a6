// Benchmark of the band engine: a list report of RowCount records with five memos a row, a page header
// with "Page [Page#] of [TotalPages#]", a page footer, two passes, measured on Qt with the shipped fonts.
// Prints pages per second and the process's peak memory; run it once per size and mode:
//   QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=build/bench/bin/fonts.conf qbx_engine_bench 10000 [--cache]
#include "PeakMemory.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/qt/QtPlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxMemoView.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QApplication>

namespace {

qbx::TqbxMemoView& Memo(qbx::TqbxBand& band, long double left, const char16_t* text)
{
    auto* memo = new qbx::TqbxMemoView(&band);
    memo->SetBounds(left, 0, 130, 18);
    memo->Memo.SetText(text);
    return *memo;
}

void BuildListReport(qbx::TqbxReport& report, int records)
{
    auto* page = new qbx::TqbxReportPage(&report);
    page->SetName("Page1");
    page->SetDefaults();
    auto* header = new qbx::TqbxPageHeader(page);
    header->SetBounds(0, 0, 700, 20);
    Memo(*header, 0, u"Page [Page#] of [TotalPages#]");
    auto* rows = new qbx::TqbxMasterData(page);
    rows->SetBounds(0, 40, 700, 20);
    rows->SetRowCount(records);
    Memo(*rows, 0, u"Row [Line]");
    Memo(*rows, 140, u"Customer name");
    Memo(*rows, 280, u"Street and number");
    Memo(*rows, 420, u"12345 City");
    Memo(*rows, 560, u"[Line#]");
    auto* footer = new qbx::TqbxPageFooter(page);
    footer->SetBounds(0, 80, 700, 20);
    Memo(*footer, 0, u"Printed by qbx");
    report.EngineOptions.DoublePass = true;
}

} // namespace

int main(int argc, char** argv)
{
    int records = argc > 1 ? std::atoi(argv[1]) : 10000;
    bool cache = argc > 2 && std::strcmp(argv[2], "--cache") == 0;
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    qbx::RegisterStandardClasses();
    qbx::TqbxReport report;
    report.EngineOptions.UseFileCache = cache;
    report.SetShowProgress(false);
    BuildListReport(report, records);
    auto start = std::chrono::steady_clock::now();
    bool ok = report.PrepareReport(true);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int pages = report.PreviewPages().PageCount();
    std::printf("%d records, %s: %d pages in %.3f s (two passes), %.0f pages per second, peak memory %ld MiB%s\n",
        records, cache ? "file cache" : "in memory", pages, seconds, pages / seconds, qbx::bench::PeakMemoryMiB(),
        ok ? "" : ", FAILED");
    return ok ? 0 : 1;
}
