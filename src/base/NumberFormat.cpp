// Float pictures and printf-style formats.
#include "base/NumberFormat.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/FormatSettings.h"

#include <cmath>
#include <cstdio>

namespace qbx {
namespace {

// One section of a picture, split into what comes before, inside and after its digit placeholders.
struct Picture
{
    std::string Prefix, Suffix;
    int IntZeros = 0; // "0" before the decimal point
    int FracZeros = 0, FracHashes = 0;
    bool Thousands = false, HasPoint = false;
};

std::vector<std::string> Sections(std::string_view picture)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : picture) {
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

Picture Parse(const std::string& section)
{
    Picture p;
    bool inDigits = false, done = false;
    char quote = 0;
    for (char c : section) {
        bool placeholder = !quote && (c == '0' || c == '#' || c == '.' || c == ',');
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                (done || inDigits ? p.Suffix : p.Prefix) += c;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        if (placeholder && !done) {
            inDigits = true;
            if (c == '.')
                p.HasPoint = true;
            else if (c == ',')
                p.Thousands = p.Thousands || !p.HasPoint;
            else if (!p.HasPoint)
                p.IntZeros += c == '0';
            else
                (c == '0' ? p.FracZeros : p.FracHashes) += 1;
            continue;
        }
        if (inDigits)
            done = true;
        (done ? p.Suffix : p.Prefix) += c;
    }
    return p;
}

std::string Group(const std::string& digits, char separator)
{
    std::string out;
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (count > 0 && count % 3 == 0)
            out.insert(out.begin(), separator);
        out.insert(out.begin(), *it);
        ++count;
    }
    return out;
}

// Fixed text of |value| with `decimals` places, halves away from zero, split at the point.
void Fixed(long double value, int decimals, std::string& whole, std::string& fraction)
{
    long double magnitude = std::fabs(value);
    long double scale = std::pow(10.0L, decimals);
    if (decimals <= 18 && magnitude * scale < 9e18L) {
        auto n = static_cast<unsigned long long>(std::roundl(magnitude * scale));
        auto divisor = static_cast<unsigned long long>(scale);
        whole = std::to_string(n / divisor);
        fraction = decimals > 0 ? std::to_string(n % divisor) : std::string();
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        return;
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, magnitude);
    std::string text(buffer);
    std::size_t dot = text.find('.');
    whole = text.substr(0, dot);
    fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
}

std::string Apply(const Picture& p, long double value)
{
    const FormatSettings& fs = SystemFormatSettings();
    std::string whole, fraction;
    Fixed(value, p.FracZeros + p.FracHashes, whole, fraction);
    if (whole == "0" && p.IntZeros == 0)
        whole.clear();
    while (static_cast<int>(whole.size()) < p.IntZeros)
        whole.insert(whole.begin(), '0');
    while (static_cast<int>(fraction.size()) > p.FracZeros && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string number = p.Thousands ? Group(whole, fs.ThousandSeparator) : whole;
    if (!fraction.empty())
        number += fs.DecimalSeparator + fraction;
    return p.Prefix + number + p.Suffix;
}

} // namespace

std::string FormatFloat(std::string_view picture, long double value)
{
    if (picture.empty())
        return FloatToText(value);
    std::vector<std::string> sections = Sections(picture);
    if (value == 0 && sections.size() >= 3 && !sections[2].empty())
        return Apply(Parse(sections[2]), 0);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty())
        return Apply(Parse(sections[1]), value); // the negative section carries its own sign
    Picture p = Parse(sections[0]);
    std::string text = Apply(p, value);
    std::string whole, fraction;
    Fixed(value, p.FracZeros + p.FracHashes, whole, fraction);
    bool roundsToZero
        = whole.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
    return value < 0 && !roundsToZero ? "-" + text : text;
}

namespace {

struct Spec
{
    bool Left = false;
    int Width = -1, Precision = -1;
    char Type = 0;
};

std::string Pad(std::string text, const Spec& s)
{
    if (s.Width > static_cast<int>(text.size()))
        text = s.Left ? text + std::string(static_cast<std::size_t>(s.Width) - text.size(), ' ')
                      : std::string(static_cast<std::size_t>(s.Width) - text.size(), ' ') + text;
    return text;
}

std::string WithSeparator(std::string text)
{
    char sep = SystemFormatSettings().DecimalSeparator;
    for (char& c : text)
        if (c == '.')
            c = sep;
    return text;
}

std::string FormatOne(const Spec& s, const Variant& v, std::string_view specText)
{
    auto bad
        = [&] { return EConvertError("Format '" + std::string(specText) + "' invalid or incompatible with argument"); };
    char buffer[512];
    switch (s.Type) {
    case 'd':
    case 'u': {
        if (v.IsFloat() || (!v.IsInteger() && !v.IsText() && !v.IsBoolean()))
            throw bad();
        long long n = v.AsInt64();
        std::string digits = std::to_string(n < 0 ? -n : n);
        if (s.Precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<std::size_t>(s.Precision) - digits.size(), '0');
        return Pad((n < 0 ? "-" : "") + digits, s);
    }
    case 'x': {
        if (!v.IsInteger())
            throw bad();
        std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(v.AsInt64()));
        std::string digits = buffer;
        if (s.Precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<std::size_t>(s.Precision) - digits.size(), '0');
        return Pad(digits, s);
    }
    case 'e':
    case 'f':
    case 'g':
    case 'n':
    case 'm': {
        if (!v.IsNumeric() && !v.IsDate())
            throw bad();
        long double x = v.AsFloat();
        if (s.Type == 'e') {
            std::snprintf(buffer, sizeof buffer, "%.*LE", s.Precision < 0 ? 14 : std::max(0, s.Precision - 1), x);
            std::string text = buffer; // d.dddE+dd -> exponent with at least three digits
            std::size_t e = text.find('E');
            std::string mant = text.substr(0, e), exp = text.substr(e + 2);
            while (exp.size() < 3)
                exp.insert(exp.begin(), '0');
            return Pad(WithSeparator(mant + "E" + text[e + 1] + exp), s);
        }
        if (s.Type == 'g')
            return Pad(WithSeparator(FloatToText(x, s.Precision <= 0 ? 15 : s.Precision)), s);
        int decimals = s.Precision < 0 ? 2 : s.Precision;
        if (s.Type == 'f') {
            std::string whole, fraction;
            Fixed(x, decimals, whole, fraction);
            std::string text
                = (x < 0 && (whole != "0" || fraction.find_first_not_of('0') != std::string::npos) ? "-" : "") + whole
                + (decimals > 0 ? std::string(1, SystemFormatSettings().DecimalSeparator) + fraction : "");
            return Pad(text, s);
        }
        std::string picture
            = "#,##0" + (decimals > 0 ? "." + std::string(static_cast<std::size_t>(decimals), '0') : "");
        std::string text = FormatFloat(picture, x);
        return Pad(s.Type == 'm' ? SystemFormatSettings().CurrencyString + text : text, s);
    }
    case 's': {
        std::string text = v.ToText();
        if (s.Precision >= 0 && s.Precision < static_cast<int>(text.size()))
            text.resize(static_cast<std::size_t>(s.Precision));
        return Pad(text, s);
    }
    default:
        throw bad();
    }
}

} // namespace

std::string Format(std::string_view format, const std::vector<Variant>& arguments)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            continue;
        }
        Spec s;
        auto number = [&](int& target) {
            if (i < format.size() && format[i] == '*') {
                target = next < arguments.size() ? arguments[next++].AsInteger() : 0;
                ++i;
                return;
            }
            int n = -1;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9')
                n = (n < 0 ? 0 : n * 10) + (format[i++] - '0');
            target = n;
        };
        int index = -1;
        std::size_t save = i;
        number(index);
        if (i < format.size() && format[i] == ':')
            ++i, next = static_cast<std::size_t>(std::max(0, index));
        else
            i = save;
        if (i < format.size() && format[i] == '-')
            s.Left = true, ++i;
        number(s.Width);
        if (i < format.size() && format[i] == '.')
            ++i, number(s.Precision), s.Precision = std::max(0, s.Precision);
        if (i >= format.size())
            throw EConvertError(
                "Format '" + std::string(format.substr(start)) + "' invalid or incompatible with argument");
        s.Type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
        std::string_view specText = format.substr(start, i - start + 1);
        if (next >= arguments.size())
            throw EConvertError("Format '" + std::string(specText) + "' has no argument");
        out += FormatOne(s, arguments[next++], specText);
    }
    return out;
}

} // namespace qbx
