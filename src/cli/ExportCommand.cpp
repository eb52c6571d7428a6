// qbx export: a template is prepared first (a .qp3 is read as it is), then the pages in --pages are
// written through the export filter of the output's extension.
#include "cli/ExportCommand.h"

#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "cli/CommandLine.h"
#include "cli/RunInputs.h"
#include "cli/TerminalProgress.h"
#include "engine/TqbxPreviewPages.h"
#include "export/PageExportFilter.h"
#include "platform/Files.h"
#include "report/TqbxReport.h"

#include <ostream>

namespace qbx::cli {

int RunExport(const Options& options, std::ostream& err)
{
    TDateTime created = Now();
    TqbxReport report;
    TqbxPreviewPages& pages = report.PreviewPages();
    TerminalProgress progress(report, "qbx export", err);
    try {
        if (Extension(options.Input) == ".qp3") {
            pages.LoadFromFile(options.Input, true);
        } else {
            if (!LoadForRun(report, options))
                return exitReportErrors; // the headless message box printed them
            bool prepared = report.PrepareReport(true);
            if (progress.Interrupted())
                return progress.Stopped(options.Output);
            if (!prepared)
                return exitReportErrors;
        }
    } catch (const Exception& e) {
        err << "qbx export: " << e.what() << "\n";
        return exitUsage;
    }
    ExportSettings settings { options.Output, options.Pages, options.Dpi, options.PdfA, options.Input, created };
    std::unique_ptr<PageExportFilter> filter = CreateExportFilter(pages, settings);
    if (filter->SelectedPages().empty()) {
        err << "qbx export: no page of " << options.Input << " is in the range '" << options.Pages << "'\n";
        return exitUsage;
    }
    bool ok = pages.Export(*filter); // a failure has been printed by the headless message box
    if (progress.Interrupted())
        return progress.Stopped(options.Output);
    return ok ? exitSuccess : exitUsage;
}

} // namespace qbx::cli
