// The report root's lifecycle: loading, preparing and showing, progress and the delivery of errors.
#include "base/Exceptions.h"
#include "base/Patterns.h"
#include "base/Unicode.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxResources.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace qbx {
namespace {

std::string Res(const char* key)
{
    return TqbxResources::Instance().Get(key);
}

} // namespace

TqbxPreviewPages& TqbxReport::PreviewPages()
{
    if (!previewPages_)
        previewPages_ = std::make_unique<TqbxPreviewPages>(*this);
    return *previewPages_;
}

bool TqbxReport::LoadFromFile(const std::string& fileName, bool raiseIfMissing)
{
    Clear();
    FileName.clear();
    bool exists = FileExists(fileName);
    if (!exists && !raiseIfMissing)
        return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EFileError("Cannot open file " + fileName);
    std::string outer = loadingFrom_;
    loadingFrom_ = fileName;
    templateChain_.push_back(ResolveLinks(fileName));
    auto restore = [&] {
        templateChain_.pop_back();
        loadingFrom_ = outer;
    };
    try {
        LoadFromStream(in);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    FileName = fileName;
    return true;
}

TqbxEngine& TqbxReport::Engine()
{
    if (!engine_)
        engine_ = std::make_unique<TqbxEngine>(*this);
    return *engine_;
}

namespace {

// Whether the report script does anything: a script of only "begin end." (or nothing) has no statements.
bool ScriptHasStatements(const std::string& text)
{
    std::string compact;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return !compact.empty() && compact != "beginend.";
}

} // namespace

bool TqbxReport::PrepareReport(bool clearLastReport)
{
    if (clearLastReport)
        PreviewPages().Clear();
    Errors.Clear();
    Terminated = false;
    for (int i = 0; i < DataSets.Count(); ++i)
        if (!DataSets.Item(i)->DataSet())
            Errors.Add(FillPattern(Res("clDSNotExist"), { DataSets.Item(i)->StoredName() }));
    if (!Errors.Empty()) {
        ShowErrors();
        return false;
    }
    // Whatever the run changes in the template is undone by reading this copy back afterwards.
    std::string password = ReportOptions.Password;
    ReportOptions.Password.clear();
    std::stringstream snapshot;
    SaveToStream(snapshot, true, false);
    bool result = false;
    try {
        if (OnBeginDoc)
            OnBeginDoc(*this);
        if (ScriptHasStatements(ScriptTextValue()))
            throw ENotAvailable("The report script is not available yet: the script engine is not built");
        result = Engine().Run();
        if (result && OnEndDoc)
            OnEndDoc(*this);
    } catch (const std::exception& e) {
        Errors.Add(e.what());
        result = false;
    }
    std::vector<std::string> errors = Errors.Items();
    snapshot.seekg(0);
    Reloading = true;
    try {
        LoadFromStream(snapshot);
    } catch (...) {
        Reloading = false;
        ReportOptions.Password = password;
        throw;
    }
    Reloading = false;
    ReportOptions.Password = password;
    Errors.Clear();
    for (const std::string& error : errors)
        Errors.Add(error);
    if (!Errors.Empty()) {
        ShowErrors();
        return false;
    }
    return result;
}

Timer& TqbxReport::PrepareTimer()
{
    if (!prepareTimer_) {
        prepareTimer_ = CurrentPlatform().GetUi().CreateTimer(
            [this] {
                prepareTimer_->SetEnabled(false);
                PrepareReport(false);
            },
            50);
    }
    return *prepareTimer_;
}

void TqbxReport::ShowReport(bool clearLastReport)
{
    if (!OldStyleProgress()) {
        PrepareTimer().SetEnabled(true);
        ShowPreparedReport();
    } else if (PrepareReport(false)) {
        ShowPreparedReport();
    }
    (void)clearLastReport; // the prepared pages arrive with the pages store
}

void TqbxReport::ShowPreparedReport()
{
    if (preview_) {
        preview_->Init(*this);
        return;
    }
    // Nothing can show the pages, so nothing is left to fill them for.
    if (prepareTimer_)
        prepareTimer_->SetEnabled(false);
    Errors.Clear();
    Errors.Add("The preview window is not available yet");
    ShowErrors();
}

void TqbxReport::ShowErrors()
{
    std::string text = Res("clErrors") + "\r\n" + Errors.Text();
    switch (EngineOptions.NewSilentMode) {
    case simMessageBoxes:
        CurrentPlatform().GetUi().MessageBox(text, Res("mbError"), mtError);
        break;
    case simSilent:
        break;
    case simReThrow:
        throw Exception(text);
    }
}

bool TqbxReport::ShowsProgressWindow(TqbxProgressType type) const
{
    return (OldStyleProgress() || type != ptRunning) && ShowProgress();
}

void TqbxReport::ProgressStart(TqbxProgressType type)
{
    if (OnProgressStart)
        OnProgressStart(*this, type, 0);
    if (ShowsProgressWindow(type)) {
        progressWindow_.reset();
        progressWindow_ = CurrentPlatform().GetUi().CreateProgressWindow(Res("100"));
    }
    if (preview_ && type == ptRunning)
        preview_->ProgressStart(type);
    CurrentPlatform().GetUi().ProcessMessages();
}

void TqbxReport::Progress(TqbxProgressType type, int value)
{
    if (OnProgress)
        OnProgress(*this, type, value);
    if (ShowsProgressWindow(type) && progressWindow_) {
        const char* key = type == ptExporting ? "prExporting"
            : type == ptPrinting              ? "prPrinting"
            : FinalPass                       ? "prRunning"
                                              : "prRunningFirst";
        progressWindow_->SetMessage(FillPattern(Res(key), { std::to_string(value) }));
        if (progressWindow_->Cancelled())
            Terminated = true;
    }
    if (preview_ && type == ptRunning)
        preview_->Progress(type, value - 1);
    CurrentPlatform().GetUi().ProcessMessages();
}

void TqbxReport::ProgressStop(TqbxProgressType type)
{
    if (OnProgressStop)
        OnProgressStop(*this, type, 0);
    if (ShowsProgressWindow(type))
        progressWindow_.reset();
    if (preview_ && type == ptRunning)
        preview_->ProgressStop(type);
    CurrentPlatform().GetUi().ProcessMessages();
}

void TqbxReport::ProgressMessage(const std::string& text)
{
    if (OldStyleProgress() && EngineRunning && ShowProgress() && progressWindow_)
        progressWindow_->SetMessage(text);
    if (preview_)
        preview_->ShowMessage(text);
    CurrentPlatform().GetUi().ProcessMessages();
}

std::unique_ptr<SettingsStore> TqbxReport::OpenSettingsStore() const
{
    return qbx::OpenSettingsStore(IniFile());
}

void TqbxReport::SelectConfiguredPrinter()
{
    // The printer list arrives with printing; until then the current printer is left as it is.
}

} // namespace qbx
