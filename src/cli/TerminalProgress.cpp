// The page counter of qbx prepare and qbx export, and their Ctrl-C.
#include "cli/TerminalProgress.h"

#include "cli/Commands.h"
#include "report/TqbxReport.h"

#include <csignal>
#include <ostream>
#include <unistd.h>

namespace qbx::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int)
{
    interrupted = 1;
}

} // namespace

TerminalProgress::TerminalProgress(TqbxReport& report, std::string command, std::ostream& err)
    : command_(std::move(command))
    , err_(err)
    , terminal_(::isatty(STDERR_FILENO) != 0)
{
    interrupted = 0;
    previous_ = std::signal(SIGINT, OnInterrupt);
    report.OnProgress = [this](TqbxReport& r, TqbxProgressType type, int page) {
        if (interrupted)
            r.Terminated = true;
        if (!terminal_ || type == ptPrinting)
            return;
        err_ << "\r" << command_ << ": " << (type == ptRunning ? "preparing" : "exporting") << " page " << page
             << "\033[K" << std::flush;
        shown_ = true;
    };
}

TerminalProgress::~TerminalProgress()
{
    Clear();
    std::signal(SIGINT, previous_);
}

void TerminalProgress::Clear()
{
    if (shown_)
        err_ << "\r\033[K" << std::flush;
    shown_ = false;
}

bool TerminalProgress::Interrupted() const
{
    return interrupted != 0;
}

int TerminalProgress::Stopped(const std::string& output)
{
    Clear();
    err_ << command_ << ": interrupted; " << output << " was not written\n";
    return exitUsage;
}

} // namespace qbx::cli
