// A view's print-time data (TagStr and URL) and its difference text for prepared pages.
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "formats/XmlEscape.h"
#include "report/TqbxReport.h"
#include "views/ExpressionScanner.h"
#include "views/TqbxView.h"

namespace qbx {

std::string ExpandExpressions(const std::string& text, TqbxReport& report)
{
    return ExpandDelimited(text, "[", "]", [&](const std::string& e) { return report.Calc(e).ToText(); });
}

void TqbxView::BeforePrint()
{
    TqbxReportComponent::BeforePrint();
    savedTagStr_ = TagStr;
    savedURL_ = URL;
}

void TqbxView::GetData()
{
    TqbxReport* report = Report();
    if (!report)
        return;
    for (std::string* text : { &TagStr, &URL })
        if (text->find('[') != std::string::npos)
            *text = ExpandExpressions(*text, *report);
}

void TqbxView::AfterPrint()
{
    TqbxReportComponent::AfterPrint();
    TagStr = savedTagStr_;
    URL = savedURL_;
}

std::string FrameDiff(const TqbxFrame& mine, const TqbxFrame& theirs)
{
    std::string out;
    bool color = mine.Color() != theirs.Color(), style = mine.Style() != theirs.Style(),
         width = Differ(mine.Width(), theirs.Width(), TqbxComponent::kDiffTolerance);
    if (color)
        out += XmlAttribute("Frame.Color", std::to_string(mine.Color()));
    if (mine.DropShadow != theirs.DropShadow)
        out += XmlAttribute("Frame.DropShadow", mine.DropShadow ? "1" : "0");
    if (mine.ShadowColor != theirs.ShadowColor)
        out += XmlAttribute("Frame.ShadowColor", std::to_string(mine.ShadowColor));
    if (Differ(mine.ShadowWidth, theirs.ShadowWidth, TqbxComponent::kDiffTolerance))
        out += XmlAttribute("Frame.ShadowWidth", FloatToText(mine.ShadowWidth));
    if (style)
        out += XmlAttribute("Frame.Style", std::to_string(mine.Style()));
    if (mine.Typ != theirs.Typ)
        out += XmlAttribute("Frame.Typ", std::to_string(mine.Typ));
    if (width)
        out += XmlAttribute("Frame.Width", FloatToText(mine.Width()));
    struct Pair
    {
        const char* name;
        const TqbxFrameLine& a;
        const TqbxFrameLine& b;
    } lines[] = { { "LeftLine", mine.LeftLine, theirs.LeftLine }, { "TopLine", mine.TopLine, theirs.TopLine },
        { "RightLine", mine.RightLine, theirs.RightLine }, { "BottomLine", mine.BottomLine, theirs.BottomLine } };
    for (const Pair& l : lines) {
        std::string prefix = std::string("Frame.") + l.name;
        // When the frame's own value was written, a line is compared with the frame; otherwise with its namesake.
        if (color ? l.a.Color != mine.Color() : l.a.Color != l.b.Color)
            out += XmlAttribute(prefix + ".Color", std::to_string(l.a.Color));
        if (style ? l.a.Style != mine.Style() : l.a.Style != l.b.Style)
            out += XmlAttribute(prefix + ".Style", std::to_string(l.a.Style));
        if (Differ(l.a.Width, width ? mine.Width() : l.b.Width, TqbxComponent::kDiffTolerance))
            out += XmlAttribute(prefix + ".Width", FloatToText(l.a.Width));
    }
    return out;
}

std::string TqbxView::Diff(const TqbxComponent& reference) const
{
    std::string out = TqbxReportComponent::Diff(reference);
    const auto* r = dynamic_cast<const TqbxView*>(&reference);
    if (!r)
        return out;
    if (BrushStyle != r->BrushStyle)
        out += XmlAttribute("BrushStyle", std::to_string(BrushStyle));
    if (Align != r->Align)
        out += XmlAttribute("Align", std::to_string(Align));
    if (Color != r->Color)
        out += XmlAttribute("Color", std::to_string(Color));
    out += FrameDiff(Frame, r->Frame);
    if (Cursor != r->Cursor)
        out += XmlAttribute("Cursor", std::to_string(Cursor));
    if (Printable != r->Printable)
        out += XmlAttribute("Printable", Printable ? "1" : "0");
    if (TagStr != r->TagStr)
        out += XmlAttribute("TagStr", XmlEscape(TagStr));
    if (URL != r->URL)
        out += XmlAttribute("URL", XmlEscape(URL));
    return out;
}

} // namespace qbx
