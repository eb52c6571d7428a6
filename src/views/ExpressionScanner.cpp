// The expression scanner shared by views and memos.
#include "views/ExpressionScanner.h"

namespace qbx {
namespace {

std::size_t CharLength(unsigned char lead)
{
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
}

} // namespace

ScannedExpression ScanExpression(
    std::string_view text, std::string_view open, std::string_view close, std::size_t start)
{
    ScannedExpression result;
    if (open.empty() || close.empty() || start >= text.size() || text.substr(start, open.size()) != open)
        return result;
    int depth = 0;
    bool inDouble = false, inSingle = false;
    std::size_t exprStart = 0, i = start;
    while (i < text.size()) {
        char c = text[i];
        std::size_t step = CharLength(static_cast<unsigned char>(c));
        if (c == '"' && !inSingle) {
            inDouble = !inDouble;
        } else if (c == '\'' && !inDouble) {
            inSingle = !inSingle;
        } else if (!inDouble && !inSingle) {
            if (text.substr(i, open.size()) == open) {
                if (depth++ == 0)
                    exprStart = i + open.size();
                step = open.size();
            } else if (depth > 0 && text.substr(i, close.size()) == close) {
                step = close.size();
                if (--depth == 0) {
                    result.Expression = std::string(text.substr(exprStart, i - exprStart));
                    result.End = i + close.size() - 1;
                    result.Found = true;
                    return result;
                }
            }
        }
        i += step;
    }
    // No closing delimiter: everything after the opening one, less its last character. An opening
    // delimiter that ends the text starts no expression (the scan ends where it began).
    if (exprStart >= text.size())
        return result;
    result.Expression = std::string(text.substr(exprStart, text.size() > exprStart ? text.size() - exprStart - 1 : 0));
    result.End = text.size() - 1;
    result.Found = true;
    return result;
}

std::string ExpandDelimited(std::string text, std::string_view open, std::string_view close,
    const std::function<std::string(const std::string& expression)>& expand)
{
    if (open.empty())
        return text;
    std::size_t p = 0;
    while ((p = text.find(open, p)) != std::string::npos) {
        ScannedExpression e = ScanExpression(text, open, close, p);
        if (!e.Found)
            break;
        std::string value = expand(e.Expression);
        text.replace(p, e.End - p + 1, value);
        p += value.size();
    }
    return text;
}

} // namespace qbx
