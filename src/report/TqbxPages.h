// Pages: the common page base and the data page that holds a report's non-visual components.
#pragma once

#include "report/TqbxComponent.h"

namespace qbx {

// A page of a report; its font is the default of every object placed on it.
class TqbxPage : public TqbxComponent
{
public:
    using TqbxComponent::TqbxComponent;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsPage() const override { return true; }
};

// The page that holds data sets and other non-visual components.
class TqbxDataPage : public TqbxPage
{
public:
    explicit TqbxDataPage(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

} // namespace qbx
