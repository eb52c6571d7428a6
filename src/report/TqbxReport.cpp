// The report root: published properties, construction and Clear.
#include "report/TqbxReport.h"

#include "base/Unicode.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxResources.h"
#include "formats/TqbxXMLSerializer.h"
#include "platform/Ui.h"
#include "report/ClassBuilder.h"
#include "views/TqbxDrawText.h"

#include <algorithm>
#include <sstream>

namespace qbx {

const ClassInfo& TqbxReport::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxReport", &TqbxComponent::StaticClassInfo(), [](TqbxComponent* parent) {
            auto* report = new TqbxReport;
            report->SetParent(parent); // with a parent it is owned like any other child
            return report;
        });
        using R = TqbxReport;
        using K = TPropKind;
        ClassBuilder<R>(c)
            .String("Version", &R::Version, &R::SetVersion)
            .String("ParentReport", &R::ParentReport, &R::SetParentReport)
            .Reference("DataSet", "TqbxDataSet", &R::DataSet, &R::SetDataSet)
            .String("DataSetName", &R::DataSetName, &R::SetDataSetName)
            .Boolean("DotMatrixReport", &R::DotMatrixReport, &R::SetDotMatrixReport)
            .Object("EngineOptions", "TqbxEngineOptions", &R::EngineOptions)
            .String("IniFile", &R::IniFile, &R::SetIniFile)
            .Boolean("OldStyleProgress", &R::OldStyleProgress, &R::SetOldStyleProgress)
            .Default(Variant(false))
            .Reference("Preview", "TqbxCustomPreview", &R::Preview, &R::SetPreview)
            .Stored([](const R&) { return false; }) // detached while saving: never written
            .Object("PreviewOptions", "TqbxPreviewOptions", &R::PreviewOptions)
            .Object("PrintOptions", "TqbxPrintOptions", &R::PrintOptions)
            .Object("ReportOptions", "TqbxReportOptions", &R::ReportOptions)
            .String("ScriptLanguage", &R::ScriptLanguage, &R::SetScriptLanguage)
            .Property("ScriptText", K::Lines, "TStrings", &R::ScriptTextValue, &R::SetScriptTextValue)
            .Boolean("ShowProgress", &R::ShowProgress, &R::SetShowProgress)
            .Default(Variant(true))
            .Boolean("StoreInDFM", &R::StoreInDFM, &R::SetStoreInDFM)
            .Default(Variant(true))
            .Event("OnRunDialogs", &R::OnRunDialogs, &R::SetOnRunDialogs)
            .Event("OnStartReport", &R::OnStartReport, &R::SetOnStartReport)
            .Event("OnStopReport", &R::OnStopReport, &R::SetOnStopReport);
        return c;
    }();
    return info;
}

TqbxReport::TqbxReport()
    : ReportOptions(this)
{
    DataSets.Report = this;
    Clear();
}

TqbxReport::~TqbxReport()
{
    engine_.reset();
    previewPages_.reset(); // its source copies point at template objects: it goes first
    preview_ = nullptr;
    clearing_ = true;
    TqbxComponent::Clear();
}

std::string TqbxReport::GetDescription() const
{
    return TqbxResources::Instance().Get("obReport");
}

void TqbxReport::Clear()
{
    clearing_ = true;
    TqbxComponent::Clear();
    clearing_ = false;
    EngineOptions.Clear();
    PreviewOptions.Clear();
    PrintOptions.Clear();
    ReportOptions.Clear();
    dataSet_ = {};
    dotMatrix_ = false;
    parentReport_.clear();
    scriptLanguage_ = "VeradaZurezi";
    scriptText_.SetText(u"begin\r\n\r\nend.");
    systemVariables_ = { "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#", "CopyName#" };
    onRunDialogs_.clear();
    onStartReport_.clear();
    onStopReport_.clear();
    DataSets.Clear();
    Variables.Clear();
    Styles.Clear();
}

TqbxComponent* TqbxReport::ObjectNamed(const std::string& name) const
{
    if (ActiveSerializer && ActiveSerializer->Owner == this)
        return ActiveSerializer->FindOwned(name);
    return FindObject(name);
}

void TqbxReport::RemovedNotification(TqbxComponent* object)
{
    dataSet_.Forget(object);
    DataSets.Forget(object);
    // A prepared pages' source copy must not keep pointing at the template object it was copied from.
    if (TqbxComponent* copy = object->SourceComponent(); copy && copy->SourceComponent() == object)
        copy->SetSourceComponent(nullptr);
    if (ActiveSerializer)
        ActiveSerializer->Forget(*object);
    if (clearing_)
        return; // everything goes: no reference needs clearing one by one
    for (TqbxComponent* c : AllObjects())
        if (c != object)
            c->ReferenceRemoved(object);
}

TqbxDataSet* TqbxReport::GetDataset(const std::string& name) const
{
    for (int i = 0; i < DataSets.Count(); ++i) {
        TqbxDataSet* ds = DataSets.Item(i)->DataSet();
        if (ds && SameText(ds->UserName(), name))
            return ds;
    }
    return nullptr;
}

TqbxComponent* TqbxReport::Pages(int index) const
{
    return index >= 0 && index < PagesCount() ? Objects()[static_cast<std::size_t>(index)] : nullptr;
}

std::string TqbxReport::ScriptTextValue() const
{
    return scriptText_.JoinedUtf8();
}

void TqbxReport::SetScriptTextValue(const std::string& text)
{
    scriptText_.SetText(Utf8ToUtf16(text));
}

} // namespace qbx
