// The --data NAME=FILE.csv option: CSV files given to a report as data sets under the names it uses.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qbx {
class TqbxReport;
}

namespace qbx::cli {

// Adds a CSV data set per entry to the report's data page, with the entry's name as user name, lists it
// among the report's data sets, and binds the report, its pages, data bands and views whose DataSetName
// is that name. Raises an error naming the file when it cannot be read.
void AttachCsvData(TqbxReport& report, const std::vector<std::pair<std::string, std::string>>& data);

} // namespace qbx::cli
