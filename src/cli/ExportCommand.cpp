// qbx export to PNG or SVG: every page drawn on a white sheet of its paper size (PNG at the asked
// resolution) by the same drawing code as the screen, one file per page (OUT.png for one page, else
// OUT-N.png).
#include "cli/ExportCommand.h"

#include "base/Exceptions.h"
#include "base/PageRange.h"
#include "base/Rounding.h"
#include "base/Units.h"
#include "cli/CommandLine.h"
#include "cli/RunInputs.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Files.h"
#include "platform/qt/QtCanvas.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <ostream>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

namespace qbx::cli {
namespace {

// OUT.png for a single page, OUT-N.png (N from 1) when there are several.
std::string PageFileName(const std::string& output, int pageNumber, bool several)
{
    if (!several)
        return output;
    std::size_t dot = output.find_last_of('.');
    return output.substr(0, dot) + "-" + std::to_string(pageNumber) + output.substr(dot);
}

std::string PngOfPage(TqbxPreviewPages& pages, int index, int dpi)
{
    TqbxReportPage* page = pages.GetPage(index);
    long double scale = static_cast<long double>(dpi) / qbxScreenDpi;
    int width = RoundToInt(page->PaperWidth() * qb01cm * scale);
    int height = RoundToInt(page->PaperHeight() * qb01cm * scale);
    QtCanvas canvas(width, height);
    pages.DrawPage(index, canvas, scale, scale, 0, 0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!canvas.Image()->save(&buffer, "PNG"))
        throw EFileError("Cannot encode page " + std::to_string(index + 1) + " as PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A page as SVG in page pixels (vector: the resolution does not apply), text as text.
std::string SvgOfPage(TqbxPreviewPages& pages, int index)
{
    TqbxReportPage* page = pages.GetPage(index);
    int width = RoundToInt(page->PaperWidth() * qb01cm);
    int height = RoundToInt(page->PaperHeight() * qb01cm);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(qbxScreenDpi);
    svg.setTitle(QString::fromStdString("Page " + std::to_string(index + 1)));
    {
        QtCanvas canvas(svg, qbxScreenDpi, false);
        canvas.SetTextAsCharacters(true);
        BrushScope white(canvas, { clWhite, bsSolid });
        canvas.FillRect({ 0, 0, width, height });
        pages.DrawPage(index, canvas, 1, 1, 0, 0);
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

int RunExport(const Options& options, std::ostream& err)
{
    std::string format = Extension(options.Output);
    if (format != ".png" && format != ".svg") {
        err << "qbx export: " << format.substr(1) << " export is not available yet (PNG and SVG are built)\n";
        return exitUsage;
    }
    TqbxReport report;
    TqbxPreviewPages& pages = report.PreviewPages();
    try {
        if (Extension(options.Input) == ".qp3") {
            pages.LoadFromFile(options.Input, true);
        } else {
            if (!LoadForRun(report, options) || !report.PrepareReport(true))
                return exitReportErrors; // the headless message box printed them
        }
    } catch (const Exception& e) {
        err << "qbx export: " << e.what() << "\n";
        return exitUsage;
    }
    std::vector<PageSpan> spans;
    ParsePageRange(options.Pages, spans); // checked when the command line was read
    std::vector<int> selected;
    for (int i = 0; i < pages.PageCount(); ++i)
        if (PageInRange(spans, i + 1, pages.PageCount()))
            selected.push_back(i);
    if (selected.empty()) {
        err << "qbx export: no page of " << options.Input << " is in the range '" << options.Pages << "'\n";
        return exitUsage;
    }
    bool terminal = ::isatty(STDERR_FILENO) != 0;
    try {
        for (std::size_t n = 0; n < selected.size(); ++n) {
            int index = selected[n];
            WriteFileAtomically(PageFileName(options.Output, index + 1, selected.size() > 1),
                format == ".svg" ? SvgOfPage(pages, index) : PngOfPage(pages, index, options.Dpi));
            if (terminal)
                err << "\rqbx export: page " << n + 1 << " of " << selected.size() << std::flush;
        }
    } catch (const Exception& e) {
        err << (terminal ? "\n" : "") << "qbx export: " << e.what() << "\n";
        return exitUsage;
    }
    if (terminal)
        err << "\r\033[K" << std::flush;
    return exitSuccess;
}

} // namespace qbx::cli
