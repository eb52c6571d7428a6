// Float text in the general form and a tolerant reader.
#include "base/FloatText.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qbx {
namespace {

// Splits |value| into its significant digits (no trailing zeros) and the decimal exponent of the first one.
void SignificantDigits(long double value, int digits, std::string& mantissa, int& exponent)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    std::string text(buffer);
    std::size_t e = text.find('e');
    exponent = std::atoi(text.c_str() + e + 1);
    mantissa.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            mantissa += text[i];
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
}

std::string FixedForm(const std::string& mantissa, int exponent)
{
    std::string out;
    if (exponent < 0) {
        out = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        return out;
    }
    std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= intDigits)
        return mantissa + std::string(intDigits - mantissa.size(), '0');
    return mantissa.substr(0, intDigits) + "." + mantissa.substr(intDigits);
}

std::string ScientificForm(const std::string& mantissa, int exponent)
{
    std::string out = mantissa.substr(0, 1);
    if (mantissa.size() > 1)
        out += "." + mantissa.substr(1);
    return out + "E" + std::to_string(exponent);
}

} // namespace

std::string FloatToText(long double value, int digits)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    std::string mantissa;
    int exponent = 0;
    SignificantDigits(std::fabs(value), digits, mantissa, exponent);
    std::string sign = value < 0 ? "-" : "";
    if (exponent >= digits || exponent < -5)
        return sign + ScientificForm(mantissa, exponent);
    return sign + FixedForm(mantissa, exponent);
}

bool TryTextToFloat(std::string_view text, long double& value)
{
    std::string normal(TrimBlanks(text));
    if (normal.empty())
        return false;
    std::size_t comma = normal.find(',');
    if (comma != std::string::npos) {
        if (normal.find('.') != std::string::npos || normal.find(',', comma + 1) != std::string::npos)
            return false;
        normal[comma] = '.';
    }
    const char* first = normal.data();
    const char* last = first + normal.size();
    if (*first == '+')
        ++first;
    if (first == last)
        return false;
    long double result = 0;
    auto [end, error] = std::from_chars(first, last, result, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Underflow reads as zero, as a user would expect; overflow is no number at all.
        if (std::strtold(std::string(first, last).c_str(), nullptr) != 0)
            return false;
        result = 0;
    } else if (error != std::errc() || end != last) {
        return false;
    }
    value = result;
    return true;
}

long double TextToFloat(std::string_view text)
{
    long double value = 0;
    if (!TryTextToFloat(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

bool TryTextToInt64(std::string_view text, long long& value)
{
    std::string_view t = TrimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && t.front() == '$') {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty())
        return false;
    unsigned long long magnitude = 0;
    auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), magnitude, base);
    if (error != std::errc() || end != t.data() + t.size())
        return false;
    constexpr unsigned long long kMaxPositive = 9223372036854775807ULL;
    if (magnitude > kMaxPositive + (negative ? 1 : 0))
        return false;
    value = negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
    return true;
}

} // namespace qbx
