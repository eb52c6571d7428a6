// Reading page-range texts.
#include "base/PageRange.h"

#include <string>

namespace qbx {
namespace {

// Reads a positive page number from the whole of `text`.
bool ReadPage(std::string_view text, int& page)
{
    if (text.empty() || text.size() > 9)
        return false;
    page = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        page = page * 10 + (c - '0');
    }
    return page > 0;
}

} // namespace

bool ParsePageRange(std::string_view text, std::vector<PageSpan>& spans)
{
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t')
            compact += c;
    spans.clear();
    if (compact.empty()) {
        spans.push_back({ 1, 0 });
        return true;
    }
    std::string_view rest = compact;
    while (true) {
        std::size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        std::size_t dash = item.find('-');
        PageSpan span;
        if (dash == std::string_view::npos) {
            if (!ReadPage(item, span.First))
                return false;
            span.Last = span.First;
        } else if (!ReadPage(item.substr(0, dash), span.First)
            || (dash + 1 < item.size() && !ReadPage(item.substr(dash + 1), span.Last))
            || (span.Last && span.Last < span.First)) {
            return false;
        }
        spans.push_back(span);
        if (comma == std::string_view::npos)
            return true;
        rest.remove_prefix(comma + 1);
    }
}

bool PageInRange(const std::vector<PageSpan>& spans, int page, int pageCount)
{
    for (const PageSpan& s : spans)
        if (page >= s.First && page <= (s.Last ? s.Last : pageCount))
            return true;
    return false;
}

} // namespace qbx
