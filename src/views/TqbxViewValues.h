// The small value objects views share: the conditional highlight and the display format.
#pragma once

#include "base/Colors.h"
#include "report/TqbxFont.h"
#include "report/TqbxPersistent.h"

#include <string>

namespace qbx {

enum TqbxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };

// Another font and fill for a memo while Condition holds. Owned by its memo.
class TqbxHighlight : public TqbxPersistent
{
public:
    TqbxHighlight();
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    bool Active = false;
    TqbxFont Font; // "Arial", 10 points, red
    TColor Color = clNone;
    std::string Condition;
};

// How values become text. Owned by its view.
class TqbxFormat : public TqbxPersistent
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    std::string DecimalSeparator;
    std::string FormatStr;
    TqbxFormatKind Kind = fkText;
};

} // namespace qbx
