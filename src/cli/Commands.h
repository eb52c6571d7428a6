// Running one parsed qbx command.
#pragma once

#include "cli/CommandLine.h"

#include <iosfwd>

namespace qbx::cli {

// Checks the files the command reads, then runs it; results go to `out`, messages to `err`. Returns
// the exit code.
int RunCommand(const Options& options, std::ostream& out, std::ostream& err);

} // namespace qbx::cli
