// Progress of a long command on stderr when it is a terminal (a page counter rewriting one line), and
// Ctrl-C turned into the report's Terminated, so that a run or an export stops between pages.
#pragma once

#include <iosfwd>
#include <string>

namespace qbx {
class TqbxReport;
}

namespace qbx::cli {

class TerminalProgress
{
public:
    TerminalProgress(TqbxReport& report, std::string command, std::ostream& err);
    ~TerminalProgress(); // clears the counter line and gives Ctrl-C back
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    bool Interrupted() const;
    // Says that the output was not written, and returns the exit code for it.
    int Stopped(const std::string& output);

private:
    void Clear();

    std::string command_;
    std::ostream& err_;
    bool terminal_;
    bool shown_ = false;
    void (*previous_)(int) = nullptr;
};

} // namespace qbx::cli
