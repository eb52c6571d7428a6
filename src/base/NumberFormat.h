// Number formatting: float pictures ("#,##0.00") and printf-style formats ("%2.2f", "%n", "%m").
#pragma once

#include "base/Variant.h"

#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// A float picture: up to three sections separated by ";" (positive, negative, zero). In a section "0" is a
// digit that is always shown, "#" one shown when needed, "." the place of the decimal separator, "," (in
// the integer part) asks for thousands grouping; text in single or double quotes and every other
// character is copied. The value is rounded to the picture's decimal places, halves away from zero.
// The separators written are the system format settings'.
std::string FormatFloat(std::string_view picture, long double value);

// A printf-style format: "%" [index ":"] ["-"] [width] ["." precision] type, with the types
// d (integer), u (unsigned), e (scientific), f (fixed), g (general), n (fixed with thousands
// separators), m (money: the currency string and n), s (text), x (hexadecimal); "%%" is a percent sign.
// A value that does not suit its type raises EConvertError naming the specifier.
std::string Format(std::string_view format, const std::vector<Variant>& arguments);

} // namespace qbx
