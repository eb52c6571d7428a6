// TqbxReportComponent: what the band engine calls on everything that can appear on a page.
#pragma once

#include "platform/Geometry.h"
#include "report/TqbxComponent.h"

namespace qbx {

class Canvas;

class TqbxReportComponent : public TqbxComponent
{
public:
    using TqbxComponent::TqbxComponent;

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // Draws onto a canvas; a device coordinate is round(offset + scale x page units).
    virtual void Draw(Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
        = 0;
    virtual void BeforePrint(); // saves the bounds
    virtual void GetData() { }
    virtual void AfterPrint(); // restores the saved bounds through SetBounds
    virtual std::string GetComponentText() { return {}; }
    virtual TRectF GetRealBounds() const;

    const std::string& OnAfterData() const { return onAfterData_; }
    void SetOnAfterData(const std::string& v) { onAfterData_ = v; }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(const std::string& v) { onAfterPrint_ = v; }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(const std::string& v) { onBeforePrint_ = v; }
    const std::string& OnPreviewClick() const { return onPreviewClick_; }
    void SetOnPreviewClick(const std::string& v) { onPreviewClick_ = v; }

    // Engine state for shifting objects below a stretched one.
    long double ShiftAmount = 0;
    std::vector<TqbxReportComponent*> ShiftChildren; // not owned

private:
    std::string onAfterData_, onAfterPrint_, onBeforePrint_, onPreviewClick_;
};

} // namespace qbx
