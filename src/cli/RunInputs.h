// What a run takes from the command line: the template, --data NAME=FILE.csv and --var NAME=VALUE.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qbx {
class TqbxReport;
}

namespace qbx::cli {
struct Options;
}

namespace qbx::cli {

// Adds a CSV data set per entry to the report's data page, with the entry's name as user name, lists it
// among the report's data sets, and binds the report, its pages, data bands and views whose DataSetName
// is that name. Raises an error naming the file when it cannot be read.
void AttachCsvData(TqbxReport& report, const std::vector<std::pair<std::string, std::string>>& data);

// Loads options.Input, then gives it the --data sets and the --var variables. False when the template
// had errors (the headless message box has printed them); raises for a data file that cannot be read.
bool LoadForRun(TqbxReport& report, const Options& options);

} // namespace qbx::cli
