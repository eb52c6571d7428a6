// Turning a value into text with a view's display format.
#pragma once

#include "base/Variant.h"
#include "views/TqbxViewValues.h"

#include <string>

namespace qbx {

// Null gives empty text; fkText the plain text; fkNumeric a float picture (with "#"), an integer printf
// format (with "d") or a float printf format, then the format's own decimal separator; fkDateTime a
// date-time picture; fkBoolean the part of FormatStr before the first comma for True and after it for
// False. Any failure gives the value's plain text.
std::string FormatValue(const Variant& value, const TqbxFormat& format);

} // namespace qbx
