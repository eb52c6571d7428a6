// qbx info: what a template or a prepared report holds, as text for people or JSON for scripts.
#pragma once

#include <iosfwd>
#include <string>

namespace qbx::cli {

struct Options;

// Writes the description of options.Input to `out`; messages go to `err`. Returns the exit code.
int RunInfo(const Options& options, std::ostream& out, std::ostream& err);

} // namespace qbx::cli
