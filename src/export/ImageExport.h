// Export to one picture file per page: PNG through the Qt canvas at the asked resolution, SVG in page
// pixels with text kept as text. One page keeps the output name; several become OUT-N.ext (N from 1).
#pragma once

#include "export/PageExportFilter.h"

namespace qbx {

class ImageExportFilter : public PageExportFilter
{
public:
    using PageExportFilter::PageExportFilter;
    void OnBeginDoc() override;
    void OnBeginPage(int index, TqbxReportPage& page) override;

protected:
    virtual std::string PageImage(int index, TqbxReportPage& page) = 0;

private:
    bool several_ = false;
};

class PngExportFilter : public ImageExportFilter
{
public:
    using ImageExportFilter::ImageExportFilter;

protected:
    std::string PageImage(int index, TqbxReportPage& page) override;
};

class SvgExportFilter : public ImageExportFilter
{
public:
    using ImageExportFilter::ImageExportFilter;

protected:
    std::string PageImage(int index, TqbxReportPage& page) override;
};

} // namespace qbx
