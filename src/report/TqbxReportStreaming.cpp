// The report root's template streams: option restore, password, data page, collections, inheritance.
#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "formats/PropData.h"
#include "formats/TqbxXMLSerializer.h"
#include "platform/Files.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <sstream>

namespace qbx {
namespace {

// Templates store the password with every character code moved by `delta`, modulo 256.
std::string ShiftPassword(const std::string& password, int delta)
{
    std::string out = password;
    for (char& c : out)
        c = static_cast<char>((static_cast<unsigned char>(c) + delta + 256) % 256);
    return out;
}

void WriteCollection(PropDataWriter& out, TqbxXMLSerializer& serializer, const char* name, const TqbxCollection& items)
{
    out.Name(name);
    out.BeginList();
    for (int i = 0; i < items.Count(); ++i) {
        out.BeginList();
        out.LongString(serializer.ObjToXML(*items.Items(i), "", nullptr));
        out.EndList();
    }
    out.EndList();
}

void ReadCollection(const BinValue& value, TqbxXMLSerializer& serializer, TqbxCollection& items)
{
    items.Clear();
    for (const BinValue& entry : value.Items)
        for (const BinValue& part : entry.Items)
            if (!part.Bytes.empty() || part.Type == vaLString || part.Type == vaString)
                serializer.XMLToObj(part.Bytes, *items.Add());
}

} // namespace

void TqbxReport::WriteExtraData(PropDataWriter& out, TqbxXMLSerializer& serializer) const
{
    // The report's placement on its host window, then its three collections.
    if (RoundToInt(Left()) != 0) {
        out.Name("Left");
        out.Integer(RoundToInt(Left()));
    }
    if (RoundToInt(Top()) != 0) {
        out.Name("Top");
        out.Integer(RoundToInt(Top()));
    }
    WriteCollection(out, serializer, "Datasets", DataSets);
    WriteCollection(out, serializer, "Variables", Variables);
    WriteCollection(out, serializer, "Style", Styles);
}

bool TqbxReport::ReadExtraData(const std::string& name, const BinValue& value, TqbxXMLSerializer& serializer)
{
    if (name == "Left")
        SetLeft(value.Scalar.AsInteger());
    else if (name == "Top")
        SetTop(value.Scalar.AsInteger());
    else if (name == "Datasets")
        ReadCollection(value, serializer, DataSets);
    else if (name == "Variables")
        ReadCollection(value, serializer, Variables);
    else if (name == "Style")
        ReadCollection(value, serializer, Styles);
    else
        return false;
    return true;
}

void TqbxReport::LoadFromStream(std::istream& in)
{
    Errors.Clear();
    TqbxEngineOptions engine;
    engine.Assign(EngineOptions);
    TqbxPreviewOptions preview;
    preview.Assign(PreviewOptions);
    std::string iniFile = IniFile();
    TqbxCustomPreview* previewControl = Preview();
    bool oldStyle = OldStyleProgress(), showProgress = ShowProgress(), storeInDFM = StoreInDFM();
    try {
        TqbxComponent::LoadFromStream(in);
    } catch (const std::exception& e) {
        Errors.Add(e.what()); // objects read before the fault stay in the tree
    }
    EnsureDataPage();
    // Only these options come from the template; the others are the host's.
    bool convertNulls = EngineOptions.ConvertNulls, doublePass = EngineOptions.DoublePass;
    EngineOptions.Assign(engine);
    EngineOptions.ConvertNulls = convertNulls;
    EngineOptions.DoublePass = doublePass;
    TqbxPreviewOptions read;
    read.Assign(PreviewOptions);
    PreviewOptions.Assign(preview);
    PreviewOptions.OutlineVisible = read.OutlineVisible;
    PreviewOptions.OutlineWidth = read.OutlineWidth;
    PreviewOptions.OutlineExpand = read.OutlineExpand;
    PreviewOptions.PagesInCache = read.PagesInCache;
    SetIniFile(iniFile);
    SetPreview(previewControl);
    SetOldStyleProgress(oldStyle);
    SetShowProgress(showProgress);
    SetStoreInDFM(storeInDFM);
    ReportOptions.Password = ShiftPassword(ReportOptions.Password, +10);
    if (Reloading || ReportOptions.CheckPassword()) {
        if (!Errors.Empty() && parentLoads_ == 0)
            ShowErrors(); // a parent template's errors are shown with those of the template reading it
    } else {
        Clear(); // a wrong or cancelled password discards the template without a word
    }
}

void TqbxReport::SaveToStream(std::ostream& out, bool saveChildren, bool saveDefaultValues)
{
    ReportOptions.PrevPassword = ReportOptions.Password;
    std::string password = ReportOptions.Password;
    ReportOptions.Password = ShiftPassword(password, -10);
    TqbxCustomPreview* previewControl = Preview();
    SetPreview(nullptr);
    try {
        TqbxComponent::SaveToStream(out, saveChildren, saveDefaultValues);
    } catch (...) {
        ReportOptions.Password = password;
        SetPreview(previewControl);
        throw;
    }
    ReportOptions.Password = password;
    SetPreview(previewControl);
}

void TqbxReport::SaveToFile(const std::string& fileName)
{
    std::ostringstream out;
    SaveToStream(out, true, false);
    WriteFileAtomically(fileName, out.str());
}

void TqbxReport::EnsureDataPage()
{
    std::vector<TqbxComponent*> all = AllObjects();
    for (TqbxComponent* c : all)
        if (dynamic_cast<TqbxDataPage*>(c))
            return;
    auto* page = new TqbxDataPage(this);
    if (FindObject("Data"))
        page->CreateUniqueName();
    else
        page->SetName("Data");
    MoveChild(page, 0);
    int left = 60;
    for (TqbxComponent* c : all) {
        if (!c->IsDialogComponent())
            continue;
        c->SetParent(page);
        c->SetBounds(left, 20, c->Width(), c->Height());
        left += 64;
    }
}

void TqbxReport::LoadParentTemplate(const std::string& fileName, const std::string& reportFileName)
{
    // A relative name is looked for beside the template being read, then beside the program.
    std::string name = fileName;
    if (name.front() != '/') {
        std::string folder = FolderOf(loadingFrom_.empty() ? reportFileName : loadingFrom_);
        std::string besideTemplate = folder.empty() ? name : folder + "/" + name;
        name = FileExists(besideTemplate) ? besideTemplate : ExecutableFolder() + "/" + name;
    }
    std::string resolved = ResolveLinks(name);
    auto loading = std::find(templateChain_.begin(), templateChain_.end(), resolved);
    if (loading != templateChain_.end()) {
        std::string chain;
        for (auto it = loading; it != templateChain_.end(); ++it)
            chain += *it + " -> ";
        throw EConvertError("Circular template inheritance: " + chain + resolved);
    }
    LoadFromFile(name, false);
}

void TqbxReport::SetParentReport(const std::string& fileName)
{
    parentReport_ = fileName;
    AncestorReport.reset();
    if (fileName.empty()) {
        SetAncestor(false);
        for (TqbxComponent* c : AllObjects())
            c->SetAncestor(false);
        return;
    }
    std::string savedFileName = FileName;
    TqbxXMLSerializer* savedSerializer = ActiveSerializer;
    ++parentLoads_;
    try {
        if (OnLoadTemplate)
            OnLoadTemplate(*this, fileName);
        else
            LoadParentTemplate(fileName, savedFileName);
    } catch (...) {
        --parentLoads_;
        throw;
    }
    --parentLoads_;
    if (savedSerializer)
        savedSerializer->ForgetAll(); // the tree it had indexed is gone
    FileName = savedFileName;
    AncestorReport = std::make_unique<TqbxReport>();
    std::stringstream copy;
    SaveToStream(copy, true, false);
    AncestorReport->Reloading = true;
    AncestorReport->LoadFromStream(copy);
    AncestorReport->Reloading = false;
    SetAncestor(true);
    for (TqbxComponent* c : AllObjects())
        c->SetAncestor(true);
    parentReport_ = fileName;
    ActiveSerializer = savedSerializer;
}

} // namespace qbx
