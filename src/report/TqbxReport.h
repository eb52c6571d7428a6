// TqbxReport: the root of a report's component tree and the owner of everything a run creates.
#pragma once

#include "base/DateTime.h"
#include "base/SortedStrings.h"
#include "base/TWideStrings.h"
#include "report/TqbxComponent.h"
#include "report/TqbxCustomPreview.h"
#include "report/TqbxDataSetItems.h"
#include "report/TqbxDataSets.h"
#include "report/TqbxOptions.h"
#include "report/TqbxVariables.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

class SettingsStore;
class TqbxXMLSerializer;
class Timer;
class ProgressWindow;
class TqbxDrawText;
class TqbxPreviewPages;
class TqbxEngine;

// The run's counters behind the system variables Date, Time, Page, Page#, TotalPages, TotalPages#,
// Line and Line#.
struct TqbxRunCounters
{
    TDateTime StartDate = 0, StartTime = 0; // when the run started
    int LogicalPage = 0; // "Page": restarts where page numbers are reset
    int CurPage = 0; // the prepared page being made; "Page#" is CurPage + 1
    int LogicalTotalPages = 0; // "TotalPages": the page count of the current numbering run
    int TotalPages = 0; // "TotalPages#": 0 on a first pass, then the first pass's page count
    int CurLine = 0, CurLineThrough = 0; // "Line" and "Line#"
};

// Owned by the host (a form's component or the command line); owns its pages and all objects below them.
class TqbxReport : public TqbxComponent
{
public:
    TqbxReport();
    ~TqbxReport() override;

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsReportRoot() const override { return true; }
    std::string GetDescription() const override; // the localized "obReport"

    // Published properties.
    const std::string& Version() const { return version_; }
    void SetVersion(const std::string&) { version_ = "4.3"; } // always 4.3, whatever is assigned
    const std::string& ParentReport() const { return parentReport_; }
    // Makes this an inherited template: the parent template is loaded into the report, copied into
    // AncestorReport and every object is marked as coming from it. An empty name ends the inheritance.
    void SetParentReport(const std::string& fileName);
    TqbxDataSet* DataSet() const { return dataSet_.DataSet; } // the main data set (not owned)
    void SetDataSet(TqbxDataSet* v) { dataSet_.Set(v); }
    std::string DataSetName() const { return dataSet_.GetName(); }
    void SetDataSetName(const std::string& v) { dataSet_.SetName(v, this); }
    // Evaluates a report expression: what DoGetValue resolves, else the compiled expression. Until the
    // script engine exists no expression is compiled: an unknown bare name raises "Unknown variable or
    // datafield: 'name'" and anything else raises ENotAvailable. Errors are added to Errors (after
    // CurrentObjectName and ": ") before they are raised.
    Variant Calc(const std::string& expression);
    // Resolves a bare name: a data field written as DataSet."Field" of a listed data set, a system
    // variable, the host's OnGetValue, a report variable (a one-line string value is an expression and
    // is evaluated), a global variable, the script variable Value. False when nothing knows the name.
    bool DoGetValue(const std::string& name, Variant& value);
    // The script variable Value, which text objects set before their highlight condition is evaluated.
    void SetValue(const Variant& value) { scriptValue_ = value; }
    // Splits DataSet."Field" into the listed data set and the field name; nullptr and "" otherwise.
    TqbxDataSet* GetDataSetAndField(const std::string& text, std::string& field) const;
    // The data set of the DataSets item whose data set bears that user name, or nullptr.
    TqbxDataSet* GetDataset(const std::string& name) const;
    bool DotMatrixReport() const { return dotMatrix_; }
    void SetDotMatrixReport(bool v) { dotMatrix_ = v; }
    TqbxEngineOptions EngineOptions;
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(const std::string& v) { iniFile_ = v; }
    bool OldStyleProgress() const { return oldStyleProgress_; }
    void SetOldStyleProgress(bool v) { oldStyleProgress_ = v; }
    TqbxCustomPreview* Preview() const { return preview_; } // an attached preview control (not owned)
    void SetPreview(TqbxCustomPreview* v) { preview_ = v; }
    TqbxPreviewOptions PreviewOptions;
    TqbxPrintOptions PrintOptions;
    TqbxReportOptions ReportOptions;
    const std::string& ScriptLanguage() const { return scriptLanguage_; }
    void SetScriptLanguage(const std::string& v) { scriptLanguage_ = v; }
    TWideStrings& ScriptText() { return scriptText_; }
    std::string ScriptTextValue() const;
    void SetScriptTextValue(const std::string& text);
    bool ShowProgress() const { return showProgress_; }
    void SetShowProgress(bool v) { showProgress_ = v; }
    bool StoreInDFM() const { return storeInDFM_; }
    void SetStoreInDFM(bool v) { storeInDFM_ = v; }
    const std::string& OnRunDialogs() const { return onRunDialogs_; }
    void SetOnRunDialogs(const std::string& v) { onRunDialogs_ = v; }
    const std::string& OnStartReport() const { return onStartReport_; }
    void SetOnStartReport(const std::string& v) { onStartReport_ = v; }
    const std::string& OnStopReport() const { return onStopReport_; }
    void SetOnStopReport(const std::string& v) { onStopReport_ = v; }

    // The collections stored in the template's PropData as Datasets, Variables and Style.
    TqbxReportDataSets DataSets;
    TqbxVariables Variables;
    TqbxStyles Styles;

    // Host callbacks; never stored in a template.
    std::function<void(TqbxReport&, const std::string&)> OnLoadTemplate; // must load the named parent
    std::function<void(TqbxReport&, TqbxProgressType, int)> OnProgressStart, OnProgress, OnProgressStop;
    std::function<void(TqbxReport&)> OnBeginDoc, OnEndDoc, OnPreview;
    std::function<void(const std::string& name, Variant& value)> OnGetValue; // asked for names it may know
    // The mouse over a view of a prepared page, and a click on one (which may modify the view).
    std::function<void(TqbxComponent& view)> OnMouseOverObject;
    std::function<void(TqbxComponent& view, bool& modified)> OnClickObject;
    // Builds a page instance in place of the automatic band loop (it calls the engine's ShowBand).
    std::function<void(TqbxComponent& page)> OnManualBuild;

    // Resets the report to an empty template.
    void Clear() override;
    // Clears the main data set when it is the one destroyed.
    void RemovedNotification(TqbxComponent* object) override;
    // The report's direct children, which are all pages.
    int PagesCount() const { return static_cast<int>(Objects().size()); }
    TqbxComponent* Pages(int index) const;

    // Lifecycle. Each step that needs a part not built yet reports "... is not available yet" through
    // the collected errors (or raises, where the operation has no result to report it in).
    bool LoadFromFile(const std::string& fileName, bool raiseIfMissing = false);
    void LoadFromStream(std::istream& in) override;
    // Written to a temporary file beside the target and renamed over it, so a failed save loses nothing.
    void SaveToFile(const std::string& fileName);
    void SaveToStream(std::ostream& out, bool saveChildren = true, bool saveDefaultValues = false) override;
    // Gives a report without a data page one, named "Data" (or a free name), as its first child.
    void EnsureDataPage();

    void WriteExtraData(PropDataWriter& out, TqbxXMLSerializer& serializer) const override;
    bool ReadExtraData(const std::string& name, const BinValue& value, TqbxXMLSerializer& serializer) override;
    bool PrepareReport(bool clearLastReport = true);
    void ShowReport(bool clearLastReport = true);
    void ShowPreparedReport();
    // The 50 ms timer of asynchronous preparation, created on first use, disabled.
    Timer& PrepareTimer();

    // Delivers the collected errors as EngineOptions.NewSilentMode says.
    void ShowErrors();
    // Progress of a run, an export or a print job (the engine, exports and printing call these).
    virtual void ProgressStart(TqbxProgressType type);
    virtual void Progress(TqbxProgressType type, int value);
    virtual void ProgressStop(TqbxProgressType type);
    void ProgressMessage(const std::string& text);

    std::unique_ptr<SettingsStore> OpenSettingsStore() const; // the caller owns the store
    void SelectConfiguredPrinter();

    SortedStrings Errors;
    // "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#", "CopyName#".
    const std::vector<std::string>& SystemVariables() const { return systemVariables_; }
    // What the system variables read; the band engine and the prepared pages store keep it current.
    TqbxRunCounters RunCounters;
    // The text engine of this report's memos, created on first use.
    TqbxDrawText& DrawText();
    // The prepared pages of the last run (or of a loaded prepared report), created on first use.
    TqbxPreviewPages& PreviewPages();
    // The band engine, created on first use.
    TqbxEngine& Engine();
    std::vector<std::string> DrillDownList;
    std::string FileName;
    std::string CurrentObjectName;
    bool Terminated = false;
    bool Reloading = false;
    bool EngineRunning = false; // set by the band engine while it runs
    bool FinalPass = true; // cleared by the band engine during the first pass of a two-pass run
    std::unique_ptr<TqbxReport> AncestorReport; // the parent template of an inherited one
    TqbxXMLSerializer* ActiveSerializer = nullptr; // the serializer reading this report, while it reads
    // FindObject, answered from the reading serializer's name index while a template is read.
    TqbxComponent* ObjectNamed(const std::string& name) const;

private:
    bool ShowsProgressWindow(TqbxProgressType type) const;
    Variant SystemValue(int index) const; // of the system variable at that index

    std::string version_ = "4.3";
    std::string parentReport_;
    DataSetBinding dataSet_;
    TqbxCustomPreview* preview_ = nullptr;
    bool dotMatrix_ = false;
    std::string iniFile_ = "\\Software\\Lantorra";
    bool oldStyleProgress_ = false;
    std::string scriptLanguage_ = "VeradaZurezi";
    TWideStrings scriptText_;
    bool showProgress_ = true;
    bool storeInDFM_ = true;
    std::string onRunDialogs_, onStartReport_, onStopReport_;
    std::vector<std::string> systemVariables_;
    std::unique_ptr<Timer> prepareTimer_;
    std::unique_ptr<ProgressWindow> progressWindow_;
    bool clearing_ = false;
    std::unique_ptr<TqbxDrawText> drawText_;
    std::unique_ptr<TqbxPreviewPages> previewPages_;
    std::unique_ptr<TqbxEngine> engine_;
    Variant scriptValue_ = Variant::Null(); // the report script's variable Value
    std::vector<std::string> resolving_; // the variables being evaluated, innermost last
    std::string loadingFrom_; // the file LoadFromFile is reading, for parent templates beside it
    std::vector<std::string> templateChain_; // the files being read, outermost first: a cycle stops
    int parentLoads_ = 0; // parent templates being read by ParentReport
    void LoadParentTemplate(const std::string& fileName, const std::string& reportFileName);
};

} // namespace qbx
