// qbx export: prepared pages written as PDF, PNG or SVG.
#pragma once

#include <iosfwd>

namespace qbx::cli {

struct Options;

// Prepares a template first (a .qp3 is read as it is), then writes the pages in --pages at --dpi.
int RunExport(const Options& options, std::ostream& err);

} // namespace qbx::cli
