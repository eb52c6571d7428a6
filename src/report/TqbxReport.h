// TqbxReport: the root of a report's component tree and the owner of everything a run creates.
#pragma once

#include "base/TWideStrings.h"
#include "report/TqbxComponent.h"

#include <string>
#include <vector>

namespace qbx {

// A sorted list of texts that ignores duplicates: the report's collected errors.
class SortedStrings
{
public:
    void Add(const std::string& text); // a text already present is ignored
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }
    std::string Text() const; // every line followed by CR LF

private:
    std::vector<std::string> items_;
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

    const std::string& Version() const { return version_; }
    void SetVersion(const std::string&) { version_ = "4.3"; } // always 4.3, whatever is assigned
    const std::string& ParentReport() const { return parentReport_; }
    void SetParentReport(const std::string& v) { parentReport_ = v; }
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(const std::string& v) { dataSetName_ = v; }
    bool DotMatrixReport() const { return dotMatrix_; }
    void SetDotMatrixReport(bool v) { dotMatrix_ = v; }
    const std::string& IniFile() const { return iniFile_; }
    void SetIniFile(const std::string& v) { iniFile_ = v; }
    bool OldStyleProgress() const { return oldStyleProgress_; }
    void SetOldStyleProgress(bool v) { oldStyleProgress_ = v; }
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

    SortedStrings Errors;
    // "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#", "CopyName#".
    const std::vector<std::string>& SystemVariables() const;
    std::string FileName;
    std::string CurrentObjectName;
    bool Terminated = false;
    bool Reloading = false;

private:
    std::string version_ = "4.3";
    std::string parentReport_, dataSetName_;
    bool dotMatrix_ = false;
    std::string iniFile_ = "\\Software\\Lantorra";
    bool oldStyleProgress_ = false;
    std::string scriptLanguage_ = "VeradaZurezi";
    TWideStrings scriptText_;
    bool showProgress_ = true;
    bool storeInDFM_ = true;
    std::string onRunDialogs_, onStartReport_, onStopReport_;
};

} // namespace qbx
