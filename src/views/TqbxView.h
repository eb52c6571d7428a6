// TqbxView: the base of every object shown on a report page, and TqbxSubreport, which prints a page in place.
#pragma once

#include "platform/Canvas.h"
#include "report/TqbxDataSets.h"
#include "report/TqbxReportComponent.h"
#include "views/TqbxFrame.h"

#include <string>

namespace qbx {

class TqbxReportPage;

enum TqbxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum TqbxShiftMode { smDontShift, smAlways, smWhenOverlapped };

// The view's data model: fill, frame, alignment, shift behaviour, data binding and hyperlink data.
// Drawing arrives with the view drawing sequence; until then Draw raises ENotAvailable.
class TqbxView : public TqbxReportComponent
{
public:
    explicit TqbxView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    void ReferenceRemoved(TqbxComponent* removed) override;

    // A data set is set and DataField is not empty.
    bool IsDataField() const { return DataSet() && !DataField.empty(); }
    TqbxDataSet* DataSet() const { return dataSet_.DataSet; }
    void SetDataSet(TqbxDataSet* dataSet) { dataSet_.Set(dataSet); }
    std::string DataSetName() const { return dataSet_.GetName(); }
    void SetDataSetName(const std::string& name);

    TqbxAlign Align = baNone;
    TBrushStyle BrushStyle = bsSolid;
    TColor Color = clNone;
    int Cursor = 0;
    std::string DataField;
    TqbxFrame Frame;
    bool Printable = true;
    TqbxShiftMode ShiftMode = smAlways;
    std::string TagStr, URL;

private:
    DataSetBinding dataSet_;
};

enum TqbxStretchMode { smDontStretch, smActualHeight, smMaxHeight };

// The base of views that can grow and be split across pages. CalcHeight, DrawPart and InitPart are
// the band engine's calls; the base grows by nothing and keeps nothing back.
class TqbxStretcheable : public TqbxView
{
public:
    using TqbxView::TqbxView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    virtual long double CalcHeight() { return Height(); }
    virtual long double DrawPart() { return 0; }
    virtual void InitPart() { }

    TqbxStretchMode StretchMode = smDontStretch;
};

// Prints a whole report page in its own place.
class TqbxSubreport : public TqbxView
{
public:
    explicit TqbxSubreport(TqbxComponent* parent = nullptr);
    ~TqbxSubreport() override;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obSubRep"
    void ReferenceRemoved(TqbxComponent* removed) override;

    TqbxReportPage* Page() const { return page_; } // the page printed here (not owned)
    // The page's back link points to this subreport from now on.
    void SetPage(TqbxReportPage* page);
    bool PrintOnParent = false;

private:
    TqbxReportPage* page_ = nullptr;
};

} // namespace qbx
