// The qbx commands. Each one that the report system cannot carry out yet says so and exits 2.
#include "cli/Commands.h"

#include "base/Exceptions.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RunInputs.h"
#include "engine/TqbxPreviewPages.h"
#include "report/TqbxReport.h"

#include <csignal>
#include <fstream>
#include <ostream>
#include <unistd.h>

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

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int)
{
    interrupted = 1;
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
    bool terminal = ::isatty(STDERR_FILENO) != 0;
    report.OnProgress = [&](TqbxReport& r, TqbxProgressType type, int page) {
        if (interrupted)
            r.Terminated = true;
        if (terminal && type == ptRunning)
            err << "\rqbx prepare: page " << page << std::flush;
    };
    interrupted = 0;
    auto previous = std::signal(SIGINT, OnInterrupt);
    bool ok = report.PrepareReport(true);
    std::signal(SIGINT, previous);
    if (terminal)
        err << "\r\033[K" << std::flush;
    if (interrupted) {
        err << "qbx prepare: interrupted; " << options.Output << " was not written\n";
        return exitUsage;
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
