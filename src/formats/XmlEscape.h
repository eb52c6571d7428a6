// Escaping of XML attribute values as templates and prepared reports write them.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

// LF, CR, '"', '&', '<' and '>' become "&#NN;"; the sequence "&quot;" as a whole becomes "&#34;";
// every other byte, control characters included, is kept.
std::string XmlEscape(std::string_view value);

// ` name="value"` as an element's attribute list holds it; `value` is written as given (escape it first).
std::string XmlAttribute(std::string_view name, std::string_view value);

// "&#NN;" becomes the byte NN (its low 8 bits), "&quot;" a double quote; any other ampersand stays.
// A numeric reference whose digits are no number raises EConvertError.
std::string XmlUnescape(std::string_view value);

} // namespace qbx
