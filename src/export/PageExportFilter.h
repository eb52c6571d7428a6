// The export filters that write whole pages: each page is drawn through the prepared pages store's
// DrawPage, the same drawing as the screen and the printer.
#pragma once

#include "engine/TqbxCustomExportFilter.h"
#include "export/ExportSettings.h"

#include <memory>
#include <string>
#include <vector>

namespace qbx {

class TqbxPreviewPages;

class PageExportFilter : public TqbxCustomExportFilter
{
public:
    PageExportFilter(TqbxPreviewPages& pages, ExportSettings settings);
    std::string PageRange() const override { return settings_.Pages; }

    // The 0-based indexes of the pages the range selects, in order.
    std::vector<int> SelectedPages() const;

protected:
    TqbxPreviewPages& pages_;
    ExportSettings settings_;
};

// The filter for an output's extension (".pdf", ".png", ".svg"); nullptr for any other.
std::unique_ptr<PageExportFilter> CreateExportFilter(TqbxPreviewPages& pages, const ExportSettings& settings);

} // namespace qbx
