// PNG and SVG pages: the whole sheet of the page's paper, white where nothing is painted, drawn by the
// same code as the screen.
#include "export/ImageExport.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Units.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Files.h"
#include "platform/qt/QtCanvas.h"
#include "report/TqbxPages.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

namespace qbx {
namespace {

std::string Bytes(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void ImageExportFilter::OnBeginDoc()
{
    several_ = SelectedPages().size() > 1;
}

void ImageExportFilter::OnBeginPage(int index, TqbxReportPage& page)
{
    std::string name = settings_.Output;
    if (several_) {
        std::string extension = Extension(name);
        name = ChangeExtension(name, "-" + std::to_string(index + 1) + name.substr(name.size() - extension.size()));
    }
    WriteFileAtomically(name, PageImage(index, page));
}

std::string PngExportFilter::PageImage(int index, TqbxReportPage& page)
{
    long double scale = static_cast<long double>(settings_.Dpi) / qbxScreenDpi;
    int width = RoundToInt(page.PaperWidth() * qb01cm * scale);
    int height = RoundToInt(page.PaperHeight() * qb01cm * scale);
    QtCanvas canvas(width, height);
    pages_.DrawPage(index, canvas, scale, scale, 0, 0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!canvas.Image()->save(&buffer, "PNG"))
        throw EFileError("Cannot encode page " + std::to_string(index + 1) + " as PNG");
    return Bytes(bytes);
}

// In page pixels: a vector picture, to which the resolution does not apply.
std::string SvgExportFilter::PageImage(int index, TqbxReportPage& page)
{
    int width = RoundToInt(page.PaperWidth() * qb01cm);
    int height = RoundToInt(page.PaperHeight() * qb01cm);
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
        pages_.DrawPage(index, canvas, 1, 1, 0, 0);
    }
    return Bytes(bytes);
}

} // namespace qbx
