// The report root's value resolution: bare names (data fields, system variables, host values, report
// and global variables) and the evaluation of expressions.
#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "formats/TqbxResources.h"
#include "report/TqbxReport.h"
#include "views/TqbxDrawText.h"

#include <algorithm>
#include <cctype>

namespace qbx {
namespace {

bool IsBareName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '#' || c == '.'
            || static_cast<unsigned char>(c) >= 0x80;
    });
}

bool IsOneLineString(const Variant& value)
{
    return value.IsText() && value.AsString().find("\r\n") == std::string::npos;
}

} // namespace

TqbxDrawText& TqbxReport::DrawText()
{
    if (!drawText_)
        drawText_ = std::make_unique<TqbxDrawText>();
    return *drawText_;
}

TqbxDataSet* TqbxReport::GetDataSetAndField(const std::string& text, std::string& field) const
{
    field.clear();
    std::size_t dot = text.find(".\"");
    if (dot == std::string::npos)
        return nullptr;
    std::string rest = text.substr(dot + 2);
    if (!rest.empty())
        rest.pop_back(); // the closing quote
    field = rest;
    return GetDataset(text.substr(0, dot));
}

Variant TqbxReport::SystemValue(int index) const
{
    const TqbxRunCounters& c = RunCounters;
    switch (index) { // in the order of SystemVariables
    case 0:
        return Variant::FromDate(c.StartDate);
    case 1:
        return Variant::FromDate(c.StartTime);
    case 2:
        return Variant(c.LogicalPage);
    case 3:
        return Variant(c.CurPage + 1);
    case 4:
        return Variant(c.LogicalTotalPages);
    case 5:
        return Variant(c.TotalPages);
    case 6:
        return Variant(c.CurLine);
    case 7:
        return Variant(c.CurLineThrough);
    default:
        return qbxGlobalVariables().Get("CopyName0"); // Null when there is none
    }
}

bool TqbxReport::DoGetValue(const std::string& name, Variant& value)
{
    std::string field;
    if (TqbxDataSet* dataSet = GetDataSetAndField(name, field); dataSet && !field.empty()) {
        value = dataSet->GetValue(field);
        if (EngineOptions.ConvertNulls && value.IsNull()) {
            switch (dataSet->GetFieldType(field)) {
            case fftNumeric:
                value = Variant(0);
                break;
            case fftString:
                value = Variant(std::string());
                break;
            case fftBoolean:
                value = Variant(false);
                break;
            }
        }
        return true;
    }
    auto system = std::find_if(
        systemVariables_.begin(), systemVariables_.end(), [&](const std::string& v) { return SameText(v, name); });
    if (system != systemVariables_.end()) {
        value = SystemValue(static_cast<int>(system - systemVariables_.begin()));
        return true;
    }
    value = Variant();
    if (OnGetValue) {
        OnGetValue(name, value);
        if (!value.IsEmpty())
            return true;
    }
    if (Variables.IndexOf(name) >= 0) {
        value = Variables.Get(name);
        if (IsOneLineString(value)) {
            // A variable naming itself, directly or through others, would recurse without end.
            if (std::any_of(
                    resolving_.begin(), resolving_.end(), [&](const std::string& n) { return SameText(n, name); }))
                throw EConvertError("Variable '" + name + "' refers to itself");
            resolving_.push_back(name);
            try {
                value = Calc(value.AsString());
            } catch (...) {
                resolving_.pop_back();
                throw;
            }
            resolving_.pop_back();
        }
        return true;
    }
    if (qbxGlobalVariables().IndexOf(name) >= 0) {
        value = qbxGlobalVariables().Get(name);
        return true;
    }
    if (SameText(name, "Value")) { // the one variable of the report script's own scope so far
        value = scriptValue_;
        return true;
    }
    return false;
}

Variant TqbxReport::Calc(const std::string& expression)
{
    Variant value;
    std::string name(TrimBlanks(expression));
    if (DoGetValue(name, value))
        return value;
    // Expressions are compiled by the script engine, which does not exist yet.
    bool bare = IsBareName(name);
    std::string error = bare ? TqbxResources::Instance().Get("clUnknownVar") + " '" + name + "'"
                             : "Evaluating '" + name + "' is not available yet: the script engine is not built";
    if (!CurrentObjectName.empty())
        error = CurrentObjectName + ": " + error;
    Errors.Add(error);
    if (bare)
        throw EConvertError(error);
    throw ENotAvailable(error);
}

} // namespace qbx
