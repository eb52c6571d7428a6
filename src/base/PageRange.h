// Page-range texts such as "1,3,5-12" or "5-": numbers and ranges separated by commas, blanks ignored.
#pragma once

#include <string_view>
#include <vector>

namespace qbx {

// One range of 1-based page numbers; Last is 0 for "to the last page".
struct PageSpan
{
    int First = 1;
    int Last = 0;
    bool operator==(const PageSpan&) const = default;
};

// Reads a range text; false for anything that is not one (letters, "0", "7-3", "--", empty items).
// An empty or blank text is every page: one open span from 1.
bool ParsePageRange(std::string_view text, std::vector<PageSpan>& spans);

// Whether 1-based page `page` of `pageCount` pages is in the spans.
bool PageInRange(const std::vector<PageSpan>& spans, int page, int pageCount);

} // namespace qbx
