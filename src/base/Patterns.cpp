// Pattern filling for localized messages.
#include "base/Patterns.h"

namespace qbx {

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string> arguments)
{
    std::string out;
    auto next = arguments.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            char kind = pattern[i + 1];
            if (kind == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((kind == 'd' || kind == 's') && next != arguments.end()) {
                out += *next++;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace qbx
