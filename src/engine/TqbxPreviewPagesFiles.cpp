// Prepared report files (.qp3): the store's document, completed by the report settings, the source
// pages, the dictionary and the picture cache, and rebuilt from them when read back.
#include "base/FloatText.h"
#include "base/Unicode.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/PropData.h"
#include "formats/TqbxXMLSerializer.h"
#include "formats/XmlEscape.h"
#include "platform/Files.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxDMPViews.h"

#include <fstream>
#include <sstream>

namespace qbx {
namespace {

const char* Flag(bool value)
{
    return value ? "1" : "0";
}

// The object of `page` (or one of its descendants) named `name`; nullptr when there is none.
TqbxComponent* Descendant(const TqbxComponent& page, const std::string& name)
{
    for (TqbxComponent* c : page.AllObjects())
        if (SameText(c->Name(), name))
            return c;
    return nullptr;
}

} // namespace

void TqbxPreviewPages::CompleteDocument()
{
    TqbxXMLItem& report = *root().FindItem("report");
    report.Clear();
    TqbxXMLItem* settings = report.Add();
    settings->Name = Report.ClassName();
    settings->Text = std::string("DotMatrixReport=\"") + Flag(Report.DotMatrixReport())
        + "\" PreviewOptions.OutlineVisible=\"" + Flag(Report.PreviewOptions.OutlineVisible)
        + "\" PreviewOptions.OutlineWidth=\"" + std::to_string(Report.PreviewOptions.OutlineWidth)
        + "\" ReportOptions.Name=\"" + XmlEscape(Report.ReportOptions.Name) + "\"";

    TqbxXMLItem& pages = *root().FindItem("sourcepages");
    pages.Clear();
    for (const auto& page : sourcePages_) {
        TqbxXMLSerializer serializer(page.get());
        serializer.WriteRootComponent(*page, true, *pages.Add());
    }

    TqbxXMLItem& dictionary = *root().FindItem("dictionary");
    dictionary.Clear();
    for (const auto& [shortName, entry] : dictionary_.Entries()) {
        TqbxXMLItem* item = dictionary.Add();
        item->Name = shortName;
        item->Text = "name=\"" + XmlEscape(entry.LongName) + "\"";
    }

    TqbxXMLItem& pictures = *root().FindItem("picturecache");
    pictures.Clear();
    for (int i = 1; i <= pictureCache_.Count(); ++i) {
        TqbxXMLItem* item = pictures.Add();
        item->Name = "item";
        item->Text = "stream=\"" + HexEncode(pictureCache_.Get(i)) + "\"";
    }
}

void TqbxPreviewPages::SaveToStream(std::ostream& out)
{
    CompleteDocument();
    document_.SaveToStream(out);
}

void TqbxPreviewPages::SaveToFile(const std::string& fileName)
{
    std::ostringstream out;
    SaveToStream(out);
    WriteFileAtomically(fileName, out.str());
}

void TqbxPreviewPages::RebuildFromDocument()
{
    PagesItem();
    TqbxXMLItem& report = *root().FindItem("report");
    if (report.Count() > 0) {
        TqbxXMLSerializer serializer(&Report);
        serializer.ReadRootComponent(Report, *report.Items(0));
        for (const std::string& error : serializer.Errors.Items())
            Report.Errors.Add(error);
    }

    TqbxXMLItem& pages = *root().FindItem("sourcepages");
    sourcePages_.clear();
    for (int i = 0; i < pages.Count(); ++i) {
        TqbxXMLItem& item = *pages.Items(i);
        bool dotMatrix = SameText(item.Name, TqbxDMPPage::StaticClassInfo().ClassName());
        sourcePages_.emplace_back(dotMatrix ? new TqbxDMPPage() : new TqbxReportPage());
        TqbxReportPage& page = *sourcePages_.back();
        TqbxXMLSerializer serializer(&page);
        serializer.ReadRootComponent(page, item);
        for (const std::string& error : serializer.Errors.Items())
            Report.Errors.Add(error);
        for (TqbxComponent* object : page.AllObjects())
            object->SetBaseName(serializer.ComponentToText(*object));
    }
    pages.Clear(); // the source pages live on as objects

    dictionary_.Clear();
    TqbxXMLItem& dictionary = *root().FindItem("dictionary");
    for (int i = 0; i < dictionary.Count(); ++i) {
        const TqbxXMLItem& item = *dictionary.Items(i);
        std::string_view text = TrimBlanks(item.Text); // name="Page0.Memo1"
        if (text.size() < 7)
            throw EConvertError("Invalid dictionary entry " + item.Name);
        std::string longName = XmlUnescape(text.substr(6, text.size() - 7));
        std::size_t dot = longName.find('.');
        long long index = -1;
        if (dot == std::string::npos || dot < 5 || !TryTextToInt64(longName.substr(4, dot - 4), index))
            throw EConvertError("'" + longName + "' is not a valid integer value");
        if (index < 0 || index >= static_cast<long long>(sourcePages_.size()))
            throw EConvertError("Dictionary entry " + item.Name + " names the missing source page " + longName);
        TqbxComponent* object = Descendant(*sourcePages_[static_cast<std::size_t>(index)], longName.substr(dot + 1));
        dictionary_.Add(item.Name, longName, object);
    }

    pictureCache_.Clear();
    TqbxXMLItem& pictures = *root().FindItem("picturecache");
    for (int i = 0; i < pictures.Count(); ++i)
        pictureCache_.Add(HexDecode(pictures.Items(i)->Prop("stream")));
}

void TqbxPreviewPages::LoadFromStream(std::unique_ptr<std::istream> in, bool allowPartialLoading)
{
    Clear();
    try {
        document_.LoadFromStream(std::move(in), allowPartialLoading);
        if (!document_.Complete())
            throw TqbxInvalidXMLException("the file ends inside an element");
        if (!SameText(root().Name, "preparedreport"))
            throw TqbxInvalidXMLException("the document is no prepared report");
        RebuildFromDocument();
    } catch (...) {
        Clear(); // nothing half-read stays visible
        throw;
    }
}

bool TqbxPreviewPages::LoadFromFile(const std::string& fileName, bool raiseIfMissing)
{
    if (!FileExists(fileName) && !raiseIfMissing)
        return false;
    auto in = std::make_unique<std::ifstream>(fileName, std::ios::binary);
    if (!*in)
        throw EFileError("Cannot open file " + fileName);
    try {
        LoadFromStream(std::move(in), false);
    } catch (const Exception& e) {
        throw EFileError("Cannot load the prepared report " + fileName + ": " + e.what());
    }
    return true;
}

} // namespace qbx
