// Filling the %d and %s places of a localized pattern such as "Preparing page %d".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qbx {

// Each "%d" or "%s" in turn takes the next argument; a place without an argument is left as it is,
// and "%%" stands for one percent sign.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string> arguments);

} // namespace qbx
