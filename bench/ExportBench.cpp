// Benchmark of the whole batch job: the grouped sales list (examples/sales.qb3: page header with
// "Page [Page#] of [TotalPages#]", column header, group header and footer per region, summary) over a
// generated CSV of RECORDS rows, prepared in two passes and exported to PDF. Prints the time of each
// step, the pages, and the process's peak memory:
//   QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE=build/bench/bin/fonts.conf qbx_export_bench 100000
#include "PeakMemory.h"
#include "cli/RunInputs.h"
#include "engine/TqbxPreviewPages.h"
#include "export/PageExportFilter.h"
#include "platform/Files.h"
#include "platform/qt/QtPlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <QApplication>

namespace {

// Sorted by region, as a grouped list needs its data; the same rows every run.
void WriteSalesCsv(const std::string& fileName, int records)
{
    static const char* regions[] = { "East", "North", "South", "West" };
    static const char* customers[] = { "Anna Becker", "Ben Costa", "Clara Dubois", "David Eriksen", "Elif Fischer",
        "Farid Garcia", "Greta Horvat", "Hugo Ivanova" };
    static const char* products[] = { "Paper A4", "Toner black", "Stapler", "Desk lamp", "Notebook", "Folder" };
    std::ofstream out(fileName);
    out << "Region,Customer,Product,Date,Amount\n";
    unsigned seed = 7;
    for (int i = 0; i < records; ++i) {
        seed = seed * 1103515245u + 12345u;
        out << regions[i * 4 / records] << ',' << customers[seed % 8] << ',' << products[(seed >> 8) % 6] << ",2026-"
            << 1 + (seed >> 12) % 12 << '-' << 1 + (seed >> 16) % 28 << ',' << (seed >> 4) % 250000 / 100 << '.'
            << (seed >> 3) % 90 + 10 << '\n';
    }
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    qbx::RegisterStandardClasses();
    std::string csv = qbx::CreateTempFile("qbx-bench-sales-");
    std::string pdf = qbx::CreateTempFile("qbx-bench-sales-") + ".pdf";
    WriteSalesCsv(csv, records);

    auto start = std::chrono::steady_clock::now();
    qbx::TqbxReport report;
    report.SetShowProgress(false);
    report.LoadFromFile(QBX_SOURCE_DIR "/examples/sales.qb3", true);
    qbx::cli::AttachCsvData(report, { { "Sales", csv } });
    bool ok = report.PrepareReport(true);
    double prepared = Since(start);
    long preparedPeak = qbx::bench::PeakMemoryMiB();
    int pages = report.PreviewPages().PageCount();

    auto exportStart = std::chrono::steady_clock::now();
    auto filter = qbx::CreateExportFilter(report.PreviewPages(), { pdf, "", 96, false, "", 0 });
    ok = ok && report.PreviewPages().Export(*filter);
    double exported = Since(exportStart);
    std::ifstream size(pdf, std::ios::binary | std::ios::ate);
    std::printf("%d records: %d pages; prepared in %.3f s, exported to PDF in %.3f s, %.3f s in all "
                "(%.0f pages per second); %.1f MiB of PDF; peak memory %ld MiB after preparing, %ld MiB in all%s\n",
        records, pages, prepared, exported, prepared + exported, pages / (prepared + exported),
        static_cast<double>(size.tellg()) / (1 << 20), preparedPeak, qbx::bench::PeakMemoryMiB(), ok ? "" : ", FAILED");
    std::remove(csv.c_str());
    std::remove(pdf.c_str());
    std::remove(pdf.substr(0, pdf.size() - 4).c_str());
    return ok ? 0 : 1;
}
