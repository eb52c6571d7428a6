// Attribute-value escaping.
#include "formats/XmlEscape.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"

namespace qbx {

std::string XmlEscape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '&' && value.substr(i, 6) == "&quot;") {
            out += "&#34;";
            i += 5;
        } else if (c == '\n' || c == '\r' || c == '"' || c == '&' || c == '<' || c == '>') {
            out += "&#" + std::to_string(static_cast<int>(c)) + ";";
        } else {
            out += c;
        }
    }
    return out;
}

std::string XmlAttribute(std::string_view name, std::string_view value)
{
    std::string out;
    out.reserve(name.size() + value.size() + 4);
    out.append(" ").append(name).append("=\"").append(value).append("\"");
    return out;
}

std::string XmlUnescape(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '&' && i + 2 < value.size() && value[i + 1] == '#') {
            std::size_t end = value.find(';', i + 2);
            std::string_view digits
                = value.substr(i + 2, end == std::string_view::npos ? std::string_view::npos : end - i - 2);
            long long code = 0;
            if (!TryTextToInt64(digits, code) || digits.find_first_not_of("0123456789") != std::string_view::npos)
                throw EConvertError("'" + std::string(digits) + "' is not a valid integer value");
            out += static_cast<char>(code & 0xFF);
            i = end == std::string_view::npos ? value.size() : end;
        } else if (value[i] == '&' && value.substr(i + 1, 5) == "quot;") {
            out += '"';
            i += 5;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace qbx
