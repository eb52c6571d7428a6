// Export to PDF: every page drawn by the screen's drawing code on Qt's PDF device (text as text, fonts
// embedded as subsets, each page at its own paper size and written as it is drawn), then finished with
// the document information, bookmarks from the outline, links from the views' URLs, and PDF/A-2b
// metadata when asked.
#pragma once

#include "export/PageExportFilter.h"
#include "export/PdfFinish.h"

#include <memory>

class QPdfWriter;

namespace qbx {

class QtCanvas;
class TqbxXMLItem;

class PdfExportFilter : public PageExportFilter
{
public:
    PdfExportFilter(TqbxPreviewPages& pages, const ExportSettings& settings);
    ~PdfExportFilter() override;

    void OnBeginDoc() override;
    void OnBeginPage(int index, TqbxReportPage& page) override;
    void OnData(TqbxComponent& object) override;
    void OnEndDoc() override;

private:
    PdfTarget TargetOf(int storeIndex, long double top) const;
    PdfTarget TargetOfUrl(const std::string& url) const;
    void AddOutline(const TqbxXMLItem& item, std::vector<PdfOutlineEntry>& entries) const;
    PdfInfo DocumentInfo() const;

    std::string drawn_; // the drawn pages, before finishing
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QtCanvas> canvas_;
    std::vector<int> outputPage_; // per store page: its 0-based page in the file, -1 when left out
    std::vector<long double> topMargin_; // per store page drawn: its top margin in pixels
    int currentIndex_ = -1;
    PdfContent content_;
};

} // namespace qbx
