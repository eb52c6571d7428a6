// The sorted, duplicate-free string list.
#include "base/SortedStrings.h"

#include <algorithm>
#include <sstream>

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

void SortedStrings::SetText(const std::string& text)
{
    items_.clear();
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        Add(line);
    }
}

} // namespace qbx
