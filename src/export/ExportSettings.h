// What an export is asked to write: the output file, the pages, the resolution of pictures of pages,
// and the PDF flavour.
#pragma once

#include "base/DateTime.h"

#include <string>

namespace qbx {

struct ExportSettings
{
    std::string Output; // OUT.pdf, OUT.png or OUT.svg; several PNG or SVG pages become OUT-N.ext
    std::string Pages; // a page-range text; empty: every page
    int Dpi = 96; // PNG pixels per inch
    bool PdfA = false; // PDF/A-2b
    std::string Input; // the template or prepared report exported, whose date stands in for the report's
    // When the report was created: a clear sets its dates to the current time, so dates from then on
    // were not stored in the input and do not count as the report's own.
    TDateTime ReportCreated = 0;
};

} // namespace qbx
