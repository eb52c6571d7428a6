// Highlight and display format descriptions.
#include "views/TqbxViewValues.h"

#include "report/ClassBuilder.h"

namespace qbx {

TqbxHighlight::TqbxHighlight()
{
    Font.SetColor(clRed);
}

const ClassInfo& TqbxHighlight::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using H = TqbxHighlight;
        ClassInfo c("TqbxHighlight", nullptr, nullptr);
        ClassBuilder<H>(c)
            .Field("Active", TPropKind::Boolean, "Boolean", &H::Active)
            .Default(Variant(false))
            .Object("Font", "TFont", &H::Font)
            .Field("Color", TPropKind::Integer, "TColor", &H::Color)
            .Default(Variant(clNone))
            .Field("Condition", TPropKind::String, "String", &H::Condition);
        return c;
    }();
    return info;
}

const ClassInfo& TqbxFormat::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using F = TqbxFormat;
        ClassInfo c("TqbxFormat", nullptr, nullptr);
        ClassBuilder<F>(c)
            .Field("DecimalSeparator", TPropKind::String, "String", &F::DecimalSeparator)
            .Field("FormatStr", TPropKind::String, "String", &F::FormatStr)
            .Field("Kind", TPropKind::Enum, "TqbxFormatKind", &F::Kind)
            .Names({ "fkText", "fkNumeric", "fkDateTime", "fkBoolean" })
            .Default(Variant(0));
        return c;
    }();
    return info;
}

} // namespace qbx
