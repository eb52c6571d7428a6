// qbx info. A prepared report (.qp3) shows its pages with their paper, the outline as a tree with page
// numbers, and its anchors; a template (.qb3) its pages with their bands, and its data sets. Both list
// the errors met while reading. The JSON form has the same content under fixed keys (see the README).
#include "cli/InfoCommand.h"

#include "base/FloatText.h"
#include "base/Rounding.h"
#include "cli/CommandLine.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Files.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <ostream>
#include <vector>

namespace qbx::cli {
namespace {

struct PageInfo
{
    std::string Name, Class; // for a template page
    long double WidthMm = 0, HeightMm = 0;
    bool Landscape = false;
    std::vector<std::pair<std::string, std::string>> Bands; // name and class, for a template page
};

struct OutlineInfo
{
    std::string Text;
    int Page = 0; // 1-based
    int Top = 0;
    std::vector<OutlineInfo> Children;
};

struct ReportInfo
{
    std::string Kind; // "prepared report" or "template"
    std::vector<PageInfo> Pages;
    std::vector<OutlineInfo> Outline;
    std::vector<OutlineInfo> Anchors; // without children
    std::vector<std::string> DataSets;
    std::vector<std::string> Errors;
};

std::vector<OutlineInfo> OutlineOf(const TqbxXMLItem& item)
{
    std::vector<OutlineInfo> items;
    for (int i = 0; i < item.Count(); ++i) {
        const TqbxXMLItem& child = *item.Items(i);
        items.push_back({ child.Prop("text"), child.IntProp("page") + 1, child.IntProp("top"), OutlineOf(child) });
    }
    return items;
}

PageInfo PaperOf(const TqbxReportPage& page)
{
    PageInfo info;
    info.WidthMm = page.PaperWidth();
    info.HeightMm = page.PaperHeight();
    info.Landscape = page.Orientation() == poLandscape;
    return info;
}

ReportInfo DescribePrepared(TqbxReport& report, const std::string& fileName)
{
    ReportInfo info { "prepared report", {}, {}, {}, {}, {} };
    TqbxPreviewPages& store = report.PreviewPages();
    store.LoadFromFile(fileName, true);
    for (int i = 0; i < store.PageCount(); ++i)
        if (TqbxReportPage* page = store.GetPage(i))
            info.Pages.push_back(PaperOf(*page));
    info.Outline = OutlineOf(store.OutlineItem());
    info.Anchors = OutlineOf(store.AnchorsItem());
    return info;
}

ReportInfo DescribeTemplate(TqbxReport& report, const std::string& fileName)
{
    ReportInfo info { "template", {}, {}, {}, {}, {} };
    report.LoadFromFile(fileName, true);
    for (int i = 0; i < report.PagesCount(); ++i) {
        auto* page = dynamic_cast<TqbxReportPage*>(report.Pages(i));
        if (!page)
            continue;
        PageInfo p = PaperOf(*page);
        p.Name = page->Name();
        p.Class = page->ClassName();
        for (TqbxComponent* c : page->AllObjects())
            if (c->IsBand())
                p.Bands.emplace_back(c->Name(), c->ClassName());
        info.Pages.push_back(p);
    }
    for (TqbxComponent* c : report.AllObjects())
        if (auto* data = dynamic_cast<TqbxDataSet*>(c))
            info.DataSets.push_back(data->UserName().empty() ? data->Name() : data->UserName());
    return info;
}

std::string Millimetres(long double mm)
{
    return FloatToText(static_cast<long double>(RoundHalfEven(mm * 100) / 100));
}

void WriteOutlineText(std::ostream& out, const std::vector<OutlineInfo>& items, int depth)
{
    for (const OutlineInfo& item : items) {
        out << std::string(static_cast<std::size_t>(2 + 2 * depth), ' ') << item.Text << "  (page " << item.Page
            << ")\n";
        WriteOutlineText(out, item.Children, depth + 1);
    }
}

void WriteText(std::ostream& out, const ReportInfo& info)
{
    out << info.Kind << ": " << info.Pages.size() << (info.Pages.size() == 1 ? " page\n" : " pages\n");
    for (std::size_t i = 0; i < info.Pages.size(); ++i) {
        const PageInfo& p = info.Pages[i];
        out << "page " << i + 1 << (p.Name.empty() ? "" : " " + p.Name) << ": " << Millimetres(p.WidthMm) << " x "
            << Millimetres(p.HeightMm) << " mm, " << (p.Landscape ? "landscape" : "portrait") << "\n";
        for (const auto& [name, cls] : p.Bands)
            out << "  " << cls << " " << name << "\n";
    }
    if (!info.DataSets.empty()) {
        out << "data sets:\n";
        for (const std::string& name : info.DataSets)
            out << "  " << name << "\n";
    }
    if (!info.Outline.empty()) {
        out << "outline:\n";
        WriteOutlineText(out, info.Outline, 0);
    }
    if (!info.Anchors.empty()) {
        out << "anchors:\n";
        for (const OutlineInfo& a : info.Anchors)
            out << "  " << a.Text << "  (page " << a.Page << ", top " << a.Top << ")\n";
    }
    out << "errors: " << info.Errors.size() << "\n";
    for (const std::string& e : info.Errors)
        out << "  " << e << "\n";
}

std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + static_cast<char>(c);
        else if (c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04x", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

template <class T, class Write> void JsonList(std::ostream& out, const std::vector<T>& items, Write write)
{
    out << "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out << ",";
        write(items[i]);
    }
    out << "]";
}

void JsonOutline(std::ostream& out, const std::vector<OutlineInfo>& items, bool withChildren)
{
    JsonList(out, items, [&](const OutlineInfo& item) {
        out << "{\"text\":" << Json(item.Text) << ",\"page\":" << item.Page << ",\"top\":" << item.Top;
        if (withChildren) {
            out << ",\"children\":";
            JsonOutline(out, item.Children, true);
        }
        out << "}";
    });
}

void WriteJson(std::ostream& out, const ReportInfo& info)
{
    out << "{\"kind\":" << Json(info.Kind) << ",\"pageCount\":" << info.Pages.size() << ",\"pages\":";
    JsonList(out, info.Pages, [&](const PageInfo& p) {
        out << "{\"widthMm\":" << Millimetres(p.WidthMm) << ",\"heightMm\":" << Millimetres(p.HeightMm)
            << ",\"orientation\":" << (p.Landscape ? "\"landscape\"" : "\"portrait\"");
        if (!p.Class.empty()) {
            out << ",\"name\":" << Json(p.Name) << ",\"class\":" << Json(p.Class) << ",\"bands\":";
            JsonList(out, p.Bands, [&](const std::pair<std::string, std::string>& b) {
                out << "{\"name\":" << Json(b.first) << ",\"class\":" << Json(b.second) << "}";
            });
        }
        out << "}";
    });
    out << ",\"dataSets\":";
    JsonList(out, info.DataSets, [&](const std::string& name) { out << Json(name); });
    out << ",\"outline\":";
    JsonOutline(out, info.Outline, true);
    out << ",\"anchors\":";
    JsonOutline(out, info.Anchors, false);
    out << ",\"errors\":";
    JsonList(out, info.Errors, [&](const std::string& e) { out << Json(e); });
    out << "}\n";
}

} // namespace

int RunInfo(const Options& options, std::ostream& out, std::ostream& err)
{
    TqbxReport report;
    report.EngineOptions.NewSilentMode = simSilent; // the errors are part of the description
    ReportInfo info;
    try {
        info = Extension(options.Input) == ".qp3" ? DescribePrepared(report, options.Input)
                                                  : DescribeTemplate(report, options.Input);
    } catch (const Exception& e) {
        err << "qbx info: " << e.what() << "\n";
        return exitUsage;
    }
    info.Errors = report.Errors.Items();
    if (options.Json)
        WriteJson(out, info);
    else
        WriteText(out, info);
    return info.Errors.empty() ? exitSuccess : exitReportErrors;
}

} // namespace qbx::cli
