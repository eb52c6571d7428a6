// Display formats of views.
#include "views/ValueFormat.h"

#include "base/DateFormat.h"
#include "base/Exceptions.h"
#include "base/FormatSettings.h"
#include "base/NumberFormat.h"

namespace qbx {
namespace {

std::string Numeric(const Variant& value, const TqbxFormat& format)
{
    const std::string& f = format.FormatStr;
    std::string text;
    if (f.find('#') != std::string::npos)
        text = FormatFloat(f, value.AsFloat());
    else if (f.find('d') != std::string::npos)
        text = Format(f, { Variant(value.AsInt64()) });
    else
        text = Format(f, { Variant(static_cast<double>(value.AsFloat())) });
    char system = SystemFormatSettings().DecimalSeparator;
    if (format.DecimalSeparator.size() == 1 && format.DecimalSeparator[0] != system)
        for (char& c : text)
            if (c == system)
                c = format.DecimalSeparator[0];
    return text;
}

} // namespace

std::string FormatValue(const Variant& value, const TqbxFormat& format)
{
    if (value.IsNull())
        return {};
    try {
        switch (format.Kind) {
        case fkText:
            return value.ToText();
        case fkNumeric:
            return Numeric(value, format);
        case fkDateTime:
            return FormatDateTime(format.FormatStr, value.AsDateTime());
        case fkBoolean: {
            std::size_t comma = format.FormatStr.find(',');
            if (value.AsBoolean())
                return comma == std::string::npos ? std::string() : format.FormatStr.substr(0, comma);
            return comma == std::string::npos ? format.FormatStr : format.FormatStr.substr(comma + 1);
        }
        }
    } catch (const Exception&) {
        // Formatting never fails outward.
    }
    return value.ToText();
}

} // namespace qbx
