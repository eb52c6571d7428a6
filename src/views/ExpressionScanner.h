// Finding a bracketed expression in text: nested delimiters, quoted strings and multi-byte characters.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace qbx {

struct ScannedExpression
{
    std::string Expression; // the text strictly between the outermost delimiters
    std::size_t End = 0; // index of the last character of the closing delimiter
    bool Found = false;
};

// Scans UTF-8 `text` from `start`, which points at an opening delimiter. Delimiters are recognised only
// outside single and double quotes; an opening one deepens the nesting, a closing one ends a level, and
// the scan stops when the depth returns to 0. Multi-byte characters are stepped over whole. Without a
// matching closing delimiter the scan runs to the end of the text.
ScannedExpression ScanExpression(
    std::string_view text, std::string_view open, std::string_view close, std::size_t start);

// Replaces every delimited expression of `text`, from left to right, by what `expand` makes of the text
// between the delimiters; the inserted text is not scanned again.
std::string ExpandDelimited(std::string text, std::string_view open, std::string_view close,
    const std::function<std::string(const std::string& expression)>& expand);

} // namespace qbx
