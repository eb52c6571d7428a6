// The qbx commands. Each one that the report system cannot carry out yet says so and exits 2.
#include "cli/Commands.h"

#include "base/Exceptions.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RunInputs.h"
#include "cli/TerminalProgress.h"
#include "engine/TqbxPreviewPages.h"
#include "report/TqbxReport.h"

#include <fstream>
#include <ostream>

namespace qbx::cli {
namespace {

bool Readable(const std::string& fileName)
{
    return std::ifstream(fileName, std::ios::binary).good();
}

// What each command still waits for, in the user's terms.
const char* MissingPiece(const std::string& command)
{
    if (command == "print")
        return "printing";
    return "the preview window";
}

// Runs a template and saves the prepared report. Ctrl-C stops the run between pages through
// Terminated; then, as on any failure, no file is written.
int RunPrepare(const Options& options, std::ostream& err)
{
    TqbxReport report;
    try {
        if (!LoadForRun(report, options))
            return exitReportErrors;
    } catch (const Exception& e) {
        err << "qbx prepare: " << e.what() << "\n";
        return exitUsage;
    }
    bool ok = false;
    {
        TerminalProgress progress(report, "qbx prepare", err);
        ok = report.PrepareReport(true);
        if (progress.Interrupted())
            return progress.Stopped(options.Output);
    }
    if (!ok)
        return exitReportErrors;
    try {
        report.PreviewPages().SaveToFile(options.Output);
    } catch (const Exception& e) {
        err << "qbx prepare: " << e.what() << "\n";
        return exitUsage;
    }
    return exitSuccess;
}

// Loads a template, lets its collected errors reach the terminal, and saves it back when asked.
int RunCheck(const Options& options, std::ostream& err)
{
    TqbxReport report;
    report.LoadFromFile(options.Input, true);
    int code = report.Errors.Empty() ? exitSuccess : exitReportErrors;
    if (!options.Output.empty()) {
        try {
            report.SaveToFile(options.Output);
        } catch (const Exception& e) {
            err << "qbx check: " << e.what() << "\n";
            return exitUsage;
        }
    }
    return code;
}

} // namespace

int RunCommand(const Options& options, std::ostream& out, std::ostream& err)
{
    if (!Readable(options.Input)) {
        err << "qbx " << options.Command << ": cannot read " << options.Input << "\n";
        return exitUsage;
    }
    for (const auto& [name, file] : options.Data) {
        if (!Readable(file)) {
            err << "qbx " << options.Command << ": cannot read data file " << file << " for data set " << name << "\n";
            return exitUsage;
        }
    }
    if (options.Command == "check")
        return RunCheck(options, err);
    if (options.Command == "info")
        return RunInfo(options, out, err);
    if (options.Command == "prepare")
        return RunPrepare(options, err);
    if (options.Command == "export")
        return RunExport(options, err);
    err << "qbx " << options.Command << ": not available yet (" << MissingPiece(options.Command) << " is not built)\n";
    return exitUsage;
}

} // namespace qbx::cli
