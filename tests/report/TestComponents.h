// Small concrete components for tests of the component tree: a view, a band and a dialog page.
#pragma once

#include "report/ClassBuilder.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReportComponent.h"

namespace qbx::test {

class ProbeView : public TqbxReportComponent
{
public:
    using TqbxReportComponent::TqbxReportComponent;
    static const ClassInfo& StaticClassInfo()
    {
        static const ClassInfo info = [] {
            ClassInfo c("TqbxProbeView", &TqbxReportComponent::StaticClassInfo(),
                [](TqbxComponent* parent) { return new ProbeView(parent); });
            ClassBuilder<ProbeView>(c)
                .Float("Left", &ProbeView::Left, &ProbeView::SetLeft)
                .Boolean("Visible", &ProbeView::Visible, &ProbeView::SetVisible)
                .Default(Variant(true))
                .Integer("Tag", &ProbeView::Tag, &ProbeView::SetTag); // published again: keeps its place
            return c;
        }();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { }
};

class ProbeBand : public ProbeView
{
public:
    using ProbeView::ProbeView;
    bool IsBand() const override { return true; }
};

class ProbeDialogPage : public ProbeView
{
public:
    using ProbeView::ProbeView;
    bool IsDialogPage() const override { return true; }
    bool IsPage() const override { return true; }
};

// Enters the probe classes into the class registry, so that streamed copies can create and read them.
inline void RegisterProbes()
{
    ClassRegistry::Instance().Register(ProbeView::StaticClassInfo());
}

} // namespace qbx::test
