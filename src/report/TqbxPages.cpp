// The page classes' descriptions.
#include "report/TqbxPages.h"

#include "report/ClassBuilder.h"

namespace qbx {

const ClassInfo& TqbxPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxPage", &TqbxComponent::StaticClassInfo(), nullptr);
        ClassBuilder<TqbxPage>(c)
            .Object("Font", "TFont", static_cast<TqbxFont& (TqbxComponent::*)()>(&TqbxComponent::Font))
            .Stored([](const TqbxPage& p) { return !p.ParentFont(); })
            .Boolean("Visible", &TqbxPage::Visible, &TqbxPage::SetVisible)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

TqbxDataPage::TqbxDataPage(TqbxComponent* parent)
    : TqbxPage(parent)
{
    SetBounds(0, 0, 1000, 1000);
}

const ClassInfo& TqbxDataPage::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxDataPage", &TqbxPage::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxDataPage(parent); });
        using P = TqbxDataPage;
        ClassBuilder<P>(c)
            .Float("Height", &P::Height, &P::SetHeight)
            .Float("Left", &P::Left, &P::SetLeft)
            .Float("Top", &P::Top, &P::SetTop)
            .Float("Width", &P::Width, &P::SetWidth);
        return c;
    }();
    return info;
}

} // namespace qbx
