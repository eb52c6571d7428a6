// Pages drawn on QPdfWriter at 600 dots per inch, each at its paper size; links, bookmarks and the
// document information are collected on the way and written by FinishPdf.
#include "export/PdfExport.h"

#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxXML.h"
#include "platform/Files.h"
#include "platform/qt/QtCanvas.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxView.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace qbx {
namespace {

constexpr int kPdfDpi = 600; // fine enough that whole device pixels do not show

std::int64_t UnixTime(TDateTime serial)
{
    return std::llround((serial - 25569.0) * 86400.0);
}

// SOURCE_DATE_EPOCH, when it holds a whole number of seconds.
bool SourceDateEpoch(std::int64_t& seconds)
{
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    long long value = 0;
    if (!text || !TryTextToInt64(text, value) || value < 0)
        return false;
    seconds = value;
    return true;
}

} // namespace

PdfExportFilter::PdfExportFilter(TqbxPreviewPages& pages, const ExportSettings& settings)
    : PageExportFilter(pages, settings)
{
}

PdfExportFilter::~PdfExportFilter()
{
    canvas_.reset();
    writer_.reset();
    if (!drawn_.empty())
        std::remove(drawn_.c_str());
}

void PdfExportFilter::OnBeginDoc()
{
    drawn_ = CreateTempFile("qbx-pdf-");
    writer_ = std::make_unique<QPdfWriter>(QString::fromStdString(drawn_));
    writer_->setResolution(kPdfDpi);
    writer_->setCreator("qbx");
    writer_->setPdfVersion(settings_.PdfA ? QPagedPaintDevice::PdfVersion_A1b : QPagedPaintDevice::PdfVersion_1_6);
    outputPage_.assign(static_cast<std::size_t>(pages_.PageCount()), -1);
    topMargin_.assign(outputPage_.size(), 0);
    int n = 0;
    for (int index : SelectedPages())
        outputPage_[static_cast<std::size_t>(index)] = n++;
}

void PdfExportFilter::OnBeginPage(int index, TqbxReportPage& page)
{
    currentIndex_ = index;
    topMargin_[static_cast<std::size_t>(index)] = page.TopMargin * qb01cm;
    QPageSize size(QSizeF(static_cast<double>(page.PaperWidth()), static_cast<double>(page.PaperHeight())),
        QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    writer_->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    if (!canvas_)
        canvas_ = std::make_unique<QtCanvas>(*writer_, kPdfDpi, true);
    else if (!writer_->newPage())
        throw EFileError("Cannot start page " + std::to_string(index + 1) + " of " + settings_.Output);
    long double scale = static_cast<long double>(kPdfDpi) / qbxScreenDpi;
    pages_.DrawPage(index, *canvas_, scale, scale, 0, 0);
}

void PdfExportFilter::OnData(TqbxComponent& object)
{
    auto* view = dynamic_cast<TqbxView*>(&object);
    if (!view || view->URL.empty())
        return;
    PdfLink link;
    link.Page = outputPage_[static_cast<std::size_t>(currentIndex_)];
    link.Area = pages_.SheetRect(currentIndex_, object, 1);
    link.Uri = view->URL; // internal targets are found at the end, when every target page was drawn
    content_.Links.push_back(link);
}

void PdfExportFilter::OnEndDoc()
{
    if (!canvas_ && !pages_.Report.Terminated)
        throw EFileError(
            "Cannot write file " + settings_.Output + ": no page is in the range '" + settings_.Pages + "'");
    canvas_.reset(); // ends the painter: the last page and the fonts are written
    writer_.reset();
    if (pages_.Report.Terminated)
        return; // an interrupted export leaves no file
    for (PdfLink& link : content_.Links) {
        if (link.Uri[0] == '@' || link.Uri[0] == '#') {
            link.Target = TargetOfUrl(link.Uri);
            link.Uri.clear();
        }
    }
    std::erase_if(content_.Links, [](const PdfLink& l) { return l.Uri.empty() && l.Target.Page < 0; });
    AddOutline(pages_.OutlineItem(), content_.Outline);
    content_.Info = DocumentInfo();
    FinishPdf(drawn_, settings_.Output, content_);
}

// A store page and a height below its top margin, as a place in the file; a page left out of the
// file is no place.
PdfTarget PdfExportFilter::TargetOf(int storeIndex, long double top) const
{
    if (storeIndex < 0 || storeIndex >= static_cast<int>(outputPage_.size()))
        return {};
    auto index = static_cast<std::size_t>(storeIndex);
    return { outputPage_[index], topMargin_[index] + top };
}

// "@N" is page N, from its top; "#name" the last anchor with that name.
PdfTarget PdfExportFilter::TargetOfUrl(const std::string& url) const
{
    if (url[0] == '@') {
        long long number = 0;
        if (!TryTextToInt64(url.substr(1), number) || number < 1 || number > pages_.PageCount())
            return {};
        PdfTarget target = TargetOf(static_cast<int>(number - 1), 0);
        target.Top = 0;
        return target;
    }
    const TqbxXMLItem* anchor = pages_.FindAnchor(url.substr(1));
    if (!anchor)
        return {};
    return TargetOf(anchor->IntProp("page", -1), anchor->IntProp("top", 0));
}

void PdfExportFilter::AddOutline(const TqbxXMLItem& item, std::vector<PdfOutlineEntry>& entries) const
{
    for (int i = 0; i < item.Count(); ++i) {
        const TqbxXMLItem& child = *item.Items(i);
        PdfOutlineEntry entry { child.Prop("text"), TargetOf(child.IntProp("page", -1), child.IntProp("top", 0)), {} };
        AddOutline(child, entry.Children);
        entries.push_back(std::move(entry));
    }
}

// Dates from SOURCE_DATE_EPOCH, else the report's own, else the input file's, so that the same input
// gives the same file.
PdfInfo PdfExportFilter::DocumentInfo() const
{
    const TqbxReportOptions& options = pages_.Report.ReportOptions;
    PdfInfo info;
    info.Title = options.Name;
    info.Author = options.Author;
    info.Subject = std::string(TrimBlanks(Utf16ToUtf8(options.Description.Text())));
    info.PdfA = settings_.PdfA;
    std::int64_t epoch = 0;
    if (SourceDateEpoch(epoch)) {
        info.Created = info.Modified = epoch;
        return info;
    }
    struct stat st
    {
    };
    std::int64_t fileTime = ::stat(settings_.Input.c_str(), &st) == 0 ? st.st_mtime : 0;
    // A second of slack: the dates go through float text when the template is snapshotted for the run.
    auto stored = [&](TDateTime date) { return date != 0 && date < settings_.ReportCreated - 1.0 / 86400; };
    info.Created = stored(options.CreateDate) ? UnixTime(options.CreateDate) : fileTime;
    info.Modified = stored(options.LastChange) ? UnixTime(options.LastChange) : info.Created;
    return info;
}

} // namespace qbx
