// The report root's published properties and collected errors.
#include "report/TqbxReport.h"

#include "base/Unicode.h"
#include "report/ClassBuilder.h"

#include <algorithm>

namespace qbx {

void SortedStrings::Add(const std::string& text)
{
    auto at = std::lower_bound(items_.begin(), items_.end(), text);
    if (at == items_.end() || *at != text)
        items_.insert(at, text);
}

std::string SortedStrings::Text() const
{
    std::string out;
    for (const std::string& line : items_)
        out += line + "\r\n";
    return out;
}

const ClassInfo& TqbxReport::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxReport", &TqbxComponent::StaticClassInfo(), [](TqbxComponent*) { return new TqbxReport; });
        using R = TqbxReport;
        ClassBuilder<R>(c)
            .String("Version", &R::Version, &R::SetVersion)
            .String("ParentReport", &R::ParentReport, &R::SetParentReport)
            .String("DataSetName", &R::DataSetName, &R::SetDataSetName)
            .Boolean("DotMatrixReport", &R::DotMatrixReport, &R::SetDotMatrixReport)
            .String("IniFile", &R::IniFile, &R::SetIniFile)
            .Boolean("OldStyleProgress", &R::OldStyleProgress, &R::SetOldStyleProgress)
            .Default(Variant(false))
            .String("ScriptLanguage", &R::ScriptLanguage, &R::SetScriptLanguage)
            .Lines("ScriptText", &R::ScriptTextValue, &R::SetScriptTextValue)
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
{
    scriptText_.SetText(u"begin\r\n\r\nend.");
}

TqbxReport::~TqbxReport()
{
    Clear();
}

std::string TqbxReport::ScriptTextValue() const
{
    std::string text = Utf16ToUtf8(scriptText_.Text());
    if (text.size() >= 2)
        text.resize(text.size() - 2); // the lines joined by CR LF, without a final one
    return text;
}

void TqbxReport::SetScriptTextValue(const std::string& text)
{
    scriptText_.SetText(Utf8ToUtf16(text));
}

const std::vector<std::string>& TqbxReport::SystemVariables() const
{
    static const std::vector<std::string> names
        = { "Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#", "CopyName#" };
    return names;
}

} // namespace qbx
