// Running one parsed qbx command.
#pragma once

#include "cli/CommandLine.h"

#include <iosfwd>

namespace qbx::cli {

// Checks the files the command reads, then runs it; messages go to `err`. Returns the exit code.
int RunCommand(const Options& options, std::ostream& err);

} // namespace qbx::cli
