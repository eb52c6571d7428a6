// The memo's print-time data: the template text saved and restored around a record, the field text or the
// expanded expressions, highlight, suppression of repeated text, text flow, and the difference text.
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "formats/XmlEscape.h"
#include "report/TqbxReport.h"
#include "views/ExpressionScanner.h"
#include "views/TqbxMemoView.h"
#include "views/ValueFormat.h"

#include <sstream>

namespace qbx {
namespace {

// What HideZeros hides: any value but text (numbers, Booleans, date-times) that equals 0.
bool IsZero(const Variant& value)
{
    return (value.IsNumeric() || value.IsBoolean() || value.IsDate()) && value.AsFloat() == 0;
}

// The format written after " #" in an expression: a kind letter, then the format text. For numbers every
// ",", "-" or "." becomes "." and the last of them is the decimal separator to print.
TqbxFormat InlineFormat(const std::string& text)
{
    TqbxFormat format;
    char kind = text.empty() ? ' ' : text[0];
    format.FormatStr = text.empty() ? "" : text.substr(1);
    switch (kind) {
    case 'B':
    case 'b':
        format.Kind = fkBoolean;
        break;
    case 'D':
    case 'd':
    case 'T':
    case 't':
        format.Kind = fkDateTime;
        break;
    case 'N':
    case 'n':
        format.Kind = fkNumeric;
        for (char& c : format.FormatStr)
            if (c == ',' || c == '-' || c == '.') {
                format.DecimalSeparator = std::string(1, c);
                c = '.';
            }
        break;
    default:
        format.Kind = fkText;
    }
    return format;
}

} // namespace

void TqbxCustomMemoView::BeforePrint()
{
    TqbxStretcheable::BeforePrint();
    if (!IsDataField())
        savedMemo_ = Memo;
}

void TqbxCustomMemoView::AfterPrint()
{
    if (!IsDataField())
        Memo = savedMemo_;
    TqbxStretcheable::AfterPrint();
}

std::string TqbxCustomMemoView::ValueText(const TqbxFormat& format) const
{
    return HideZeros && IsZero(Value) ? std::string() : FormatValue(Value, format);
}

void TqbxCustomMemoView::GetData()
{
    TqbxStretcheable::GetData();
    TqbxReport* report = Report();
    if (IsDataField()) {
        TqbxDataSet& data = *DataSet();
        if (data.IsBlobField(DataField)) {
            std::istringstream content(data.GetValue(DataField).ToText());
            Memo.LoadFromStream(content);
        } else {
            Value = data.GetValue(DataField);
            std::u16string text = DisplayFormat.Kind != fkText ? Utf8ToUtf16(ValueText(DisplayFormat))
                : HideZeros && IsZero(Value)                   ? std::u16string()
                                                               : data.GetDisplayText(DataField);
            Memo.SetText(text);
        }
    } else if (AllowExpressions && report)
        ExpandText(*report);
    Highlight.Active = false;
    if (report) {
        report->SetValue(Value);
        if (!TrimBlanks(Highlight.Condition).empty())
            Highlight.Active = report->Calc(Highlight.Condition).AsBoolean();
    }
    if (SuppressRepeated) {
        std::u16string text = Memo.Text();
        if (lastText_ && *lastText_ == text)
            Memo.Clear();
        else
            lastText_ = text;
    }
    if (FlowTo()) {
        InitPart();
        DrawPart();
        FlowTo()->Memo.SetText(partBuffer_);
        FlowTo()->AllowExpressions = false; // the flowed text is expanded already
    }
}

void TqbxCustomMemoView::ExpandText(TqbxReport& report)
{
    std::size_t comma = ExpressionDelimiters.find(',');
    std::string open = ExpressionDelimiters.substr(0, comma);
    std::string close = comma == std::string::npos ? std::string() : ExpressionDelimiters.substr(comma + 1);
    std::string text = Utf16ToUtf8(Memo.Text());
    if (open.empty() || text.find(open) == std::string::npos)
        return;
    Memo.SetText(Utf8ToUtf16(
        ExpandDelimited(text, open, close, [&](const std::string& e) { return ExpandExpression(e, report); })));
}

std::string TqbxCustomMemoView::ExpandExpression(const std::string& text, TqbxReport& report)
{
    std::string expression = text;
    TqbxFormat format = DisplayFormat;
    std::size_t hash = text.find(" #");
    if (hash != std::string::npos && text.find(')', hash + 2) == std::string::npos) {
        expression = text.substr(0, hash);
        format = InlineFormat(text.substr(hash + 2));
    }
    std::string upper = AsciiUpper(TrimBlanks(expression));
    if (upper == "TOTALPAGES#" || upper == "COPYNAME#") {
        // Resolved when the page is drawn, once the page count and the copy number are known.
        std::string marker = upper == "TOTALPAGES#" ? "[TotalPages#]" : "[CopyName#]";
        Value = Variant(marker);
        return marker;
    }
    Value = report.Calc(expression);
    return ValueText(format);
}

std::string TqbxCustomMemoView::GetComponentText()
{
    std::string text = Utf16ToUtf8(Memo.Text());
    if (AllowExpressions)
        ReplaceFirstIgnoringCase(text, "[TOTALPAGES]", std::to_string(TotalPages));
    return text;
}

std::string TqbxCustomMemoView::Diff(const TqbxComponent& reference) const
{
    std::string out = TqbxStretcheable::Diff(reference);
    const auto* r = dynamic_cast<const TqbxCustomMemoView*>(&reference);
    auto number = [&](const char* name, long double mine, long double theirs) {
        if (!r || Differ(mine, theirs, kDiffTolerance))
            out += XmlAttribute(name, FloatToText(mine));
    };
    auto integer = [&](const char* name, int mine, int theirs) {
        if (!r || mine != theirs)
            out += XmlAttribute(name, std::to_string(mine));
    };
    const TqbxCustomMemoView& ref = r ? *r : *this;
    integer("AutoWidth", AutoWidth, ref.AutoWidth);
    number("CharSpacing", CharSpacing, ref.CharSpacing);
    number("GapX", GapX, ref.GapX);
    number("GapY", GapY, ref.GapY);
    integer("HAlign", HAlign, ref.HAlign);
    integer("Highlight.Active", Highlight.Active, ref.Highlight.Active);
    number("LineSpacing", LineSpacing, ref.LineSpacing);
    out += XmlAttribute("u", XmlEscape(Memo.JoinedUtf8()));
    number("ParagraphGap", ParagraphGap, ref.ParagraphGap);
    integer("Rotation", Rotation(), ref.Rotation());
    integer("RTLReading", RTLReading, ref.RTLReading);
    integer("Underlines", Underlines, ref.Underlines);
    integer("VAlign", VAlign, ref.VAlign);
    integer("WordWrap", WordWrap, ref.WordWrap);
    if (FirstParaBreak)
        out += XmlAttribute("FirstParaBreak", "1");
    if (LastParaBreak)
        out += XmlAttribute("LastParaBreak", "1");
    FirstParaBreak = LastParaBreak;
    LastParaBreak = false;
    return out;
}

} // namespace qbx
