// Page selection and the table of page export filters by output extension.
#include "export/PageExportFilter.h"

#include "base/PageRange.h"
#include "engine/TqbxPreviewPages.h"
#include "export/ImageExport.h"
#include "export/PdfExport.h"
#include "platform/Files.h"

#include <functional>
#include <map>

namespace qbx {

PageExportFilter::PageExportFilter(TqbxPreviewPages& pages, ExportSettings settings)
    : pages_(pages)
    , settings_(std::move(settings))
{
}

std::vector<int> PageExportFilter::SelectedPages() const
{
    std::vector<PageSpan> spans;
    ParsePageRange(settings_.Pages, spans);
    std::vector<int> selected;
    int count = pages_.PageCount();
    for (int i = 0; i < count; ++i)
        if (PageInRange(spans, i + 1, count))
            selected.push_back(i);
    return selected;
}

namespace {

using FilterMaker = std::function<std::unique_ptr<PageExportFilter>(TqbxPreviewPages&, const ExportSettings&)>;

template <typename Filter> FilterMaker Maker()
{
    return [](TqbxPreviewPages& pages, const ExportSettings& settings) {
        return std::make_unique<Filter>(pages, settings);
    };
}

const std::map<std::string, FilterMaker>& Filters()
{
    static const std::map<std::string, FilterMaker> filters = {
        { ".pdf", Maker<PdfExportFilter>() },
        { ".png", Maker<PngExportFilter>() },
        { ".svg", Maker<SvgExportFilter>() },
    };
    return filters;
}

} // namespace

std::unique_ptr<PageExportFilter> CreateExportFilter(TqbxPreviewPages& pages, const ExportSettings& settings)
{
    auto found = Filters().find(Extension(settings.Output));
    return found == Filters().end() ? nullptr : found->second(pages, settings);
}

} // namespace qbx
