// The files the build embeds in the program (button images, script grammars), by upper-cased name.
#pragma once

#include <string_view>

namespace qbx {

// The bytes of the embedded file of that upper-cased name; empty when there is none. Generated at configure time.
std::string_view EmbeddedResource(std::string_view name);

} // namespace qbx
