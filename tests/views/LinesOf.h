// The lines of a wide-string list as a vector, for comparing with an expected list in one assertion.
#pragma once

#include "base/TWideStrings.h"

#include <string>
#include <vector>

namespace qbx {

inline std::vector<std::u16string> LinesOf(const TWideStrings& list)
{
    std::vector<std::u16string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Strings(i));
    return out;
}

} // namespace qbx
