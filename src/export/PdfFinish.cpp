// The finishing rewrite of a drawn PDF with qpdf: objects are copied as they are (streams are not
// decoded), and what the drawing device cannot write is added.
#include "export/PdfFinish.h"

#include "base/Exceptions.h"
#include "formats/XmlEscape.h"
#include "platform/Files.h"

#include <ctime>

#define POINTERHOLDER_TRANSITION 4 // qpdf's own smart pointers are std::shared_ptr
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace qbx {
namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;

std::tm UtcTime(std::int64_t seconds)
{
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts {};
    ::gmtime_r(&t, &parts);
    return parts;
}

std::string PdfDate(std::int64_t seconds)
{
    std::tm parts = UtcTime(seconds);
    char text[40];
    std::strftime(text, sizeof text, "D:%Y%m%d%H%M%SZ", &parts);
    return text;
}

std::string XmpDate(std::int64_t seconds)
{
    std::tm parts = UtcTime(seconds);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

double PageHeight(QPDFObjectHandle page)
{
    QPDFObjectHandle box = page.getKey("/MediaBox");
    if (!box.isArray() || box.getArrayNItems() != 4)
        return 842;
    return box.getArrayItem(3).getNumericValue() - box.getArrayItem(1).getNumericValue();
}

QPDFObjectHandle Number(double value)
{
    return QPDFObjectHandle::newReal(value, 2);
}

// [page /XYZ 0 top null]: the page scrolled to the height, the zoom kept.
QPDFObjectHandle Destination(const std::vector<QPDFObjectHandle>& pages, const PdfTarget& target)
{
    QPDFObjectHandle page = pages[static_cast<std::size_t>(target.Page)];
    QPDFObjectHandle dest = QPDFObjectHandle::newArray();
    dest.appendItem(page);
    dest.appendItem(QPDFObjectHandle::newName("/XYZ"));
    dest.appendItem(QPDFObjectHandle::newInteger(0));
    dest.appendItem(Number(PageHeight(page) - static_cast<double>(target.Top) * kPointsPerPixel));
    dest.appendItem(QPDFObjectHandle::newNull());
    return dest;
}

void AddLink(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, const PdfLink& link)
{
    QPDFObjectHandle page = pages[static_cast<std::size_t>(link.Page)];
    double height = PageHeight(page);
    QPDFObjectHandle annot = QPDFObjectHandle::newDictionary();
    annot.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
    annot.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
    annot.replaceKey("/Rect",
        QPDFObjectHandle::newArray(
            { Number(link.Area.Left * kPointsPerPixel), Number(height - link.Area.Bottom * kPointsPerPixel),
                Number(link.Area.Right * kPointsPerPixel), Number(height - link.Area.Top * kPointsPerPixel) }));
    annot.replaceKey("/Border",
        QPDFObjectHandle::newArray(
            { QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newInteger(0) }));
    annot.replaceKey("/F", QPDFObjectHandle::newInteger(4)); // printed with the page
    if (!link.Uri.empty()) {
        QPDFObjectHandle action = QPDFObjectHandle::newDictionary();
        action.replaceKey("/S", QPDFObjectHandle::newName("/URI"));
        action.replaceKey("/URI", QPDFObjectHandle::newString(link.Uri));
        annot.replaceKey("/A", action);
    } else {
        annot.replaceKey("/Dest", Destination(pages, link.Target));
    }
    QPDFObjectHandle annots = page.getKey("/Annots");
    if (!annots.isArray()) {
        annots = QPDFObjectHandle::newArray();
        page.replaceKey("/Annots", annots);
    }
    annots.appendItem(pdf.makeIndirectObject(annot));
}

// The outline items of one level, linked to their parent and to each other; returns how many items
// are visible below the parent (all levels open).
int AddOutlineLevel(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, const std::vector<PdfOutlineEntry>& entries,
    QPDFObjectHandle parent)
{
    std::vector<QPDFObjectHandle> items;
    int visible = 0;
    for (const PdfOutlineEntry& entry : entries) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(entry.Title));
        item.replaceKey("/Parent", parent);
        if (entry.Target.Page >= 0)
            item.replaceKey("/Dest", Destination(pages, entry.Target));
        int below = AddOutlineLevel(pdf, pages, entry.Children, item);
        if (below > 0)
            item.replaceKey("/Count", QPDFObjectHandle::newInteger(below));
        visible += 1 + below;
        if (!items.empty()) {
            items.back().replaceKey("/Next", item);
            item.replaceKey("/Prev", items.back());
        }
        items.push_back(item);
    }
    if (!items.empty()) {
        parent.replaceKey("/First", items.front());
        parent.replaceKey("/Last", items.back());
    }
    return visible;
}

void AddOutline(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, const std::vector<PdfOutlineEntry>& outline)
{
    if (outline.empty())
        return;
    QPDFObjectHandle root = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    root.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    root.replaceKey("/Count", QPDFObjectHandle::newInteger(AddOutlineLevel(pdf, pages, outline, root)));
    pdf.getRoot().replaceKey("/Outlines", root);
    pdf.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
}

void SetInfo(QPDF& pdf, const PdfInfo& info)
{
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    if (!info.Title.empty())
        dict.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(info.Title));
    if (!info.Author.empty())
        dict.replaceKey("/Author", QPDFObjectHandle::newUnicodeString(info.Author));
    if (!info.Subject.empty())
        dict.replaceKey("/Subject", QPDFObjectHandle::newUnicodeString(info.Subject));
    dict.replaceKey("/Creator", QPDFObjectHandle::newString("qbx"));
    dict.replaceKey("/Producer", QPDFObjectHandle::newString("qbx"));
    dict.replaceKey("/CreationDate", QPDFObjectHandle::newString(PdfDate(info.Created)));
    dict.replaceKey("/ModDate", QPDFObjectHandle::newString(PdfDate(info.Modified)));
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(dict));
}

// The XMP packet of a PDF/A-2b file, saying what the document information says.
std::string XmpPacket(const PdfInfo& info)
{
    std::string xmp = "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                      "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                      "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                      "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
                      "<pdfaid:part>2</pdfaid:part>\n<pdfaid:conformance>B</pdfaid:conformance>\n"
                      "</rdf:Description>\n"
                      "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                      "<dc:format>application/pdf</dc:format>\n";
    if (!info.Title.empty())
        xmp += "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlEscape(info.Title)
            + "</rdf:li></rdf:Alt></dc:title>\n";
    if (!info.Author.empty())
        xmp += "<dc:creator><rdf:Seq><rdf:li>" + XmlEscape(info.Author) + "</rdf:li></rdf:Seq></dc:creator>\n";
    if (!info.Subject.empty())
        xmp += "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlEscape(info.Subject)
            + "</rdf:li></rdf:Alt></dc:description>\n";
    xmp += "</rdf:Description>\n"
           "<rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
           "<xmp:CreatorTool>qbx</xmp:CreatorTool>\n"
           "<xmp:CreateDate>"
        + XmpDate(info.Created) + "</xmp:CreateDate>\n<xmp:ModifyDate>" + XmpDate(info.Modified)
        + "</xmp:ModifyDate>\n<xmp:MetadataDate>" + XmpDate(info.Modified)
        + "</xmp:MetadataDate>\n"
          "</rdf:Description>\n"
          "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
          "<pdf:Producer>qbx</pdf:Producer>\n"
          "</rdf:Description>\n"
          "</rdf:RDF>\n"
          "</x:xmpmeta>\n"
          "<?xpacket end=\"w\"?>";
    return xmp;
}

void SetMetadata(QPDF& pdf, const PdfInfo& info)
{
    QPDFObjectHandle root = pdf.getRoot();
    if (!info.PdfA) {
        root.removeKey("/Metadata");
        return;
    }
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, XmpPacket(info));
    stream.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    stream.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    root.replaceKey("/Metadata", stream);
    if (!root.getKey("/OutputIntents").isArray())
        throw EFileError("The PDF device wrote no output intent for PDF/A");
}

} // namespace

void FinishPdf(const std::string& drawn, const std::string& output, const PdfContent& content)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(drawn.c_str());
        std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
        for (const PdfLink& link : content.Links)
            if (link.Page >= 0 && link.Page < static_cast<int>(pages.size()))
                AddLink(pdf, pages, link);
        AddOutline(pdf, pages, content.Outline);
        SetInfo(pdf, content.Info);
        SetMetadata(pdf, content.Info);
        pdf.getTrailer().removeKey("/ID"); // the device's own is random; the writer makes one from the content
        WriteFileAtomically(output, [&](const std::string& temp) {
            QPDFWriter writer(pdf, temp.c_str());
            writer.setDecodeLevel(qpdf_dl_none);
            writer.setDeterministicID(true);
            writer.write();
        });
    } catch (const Exception&) {
        throw;
    } catch (const QPDFExc& e) {
        throw EFileError("Cannot write file " + output + ": " + e.what());
    } catch (const std::runtime_error& e) {
        throw EFileError("Cannot write file " + output + ": " + e.what());
    }
}

} // namespace qbx
