// TqbxView: the base of every object shown on a report page, and TqbxSubreport, which prints a page in place.
#pragma once

#include "platform/Canvas.h"
#include "report/TqbxDataSets.h"
#include "report/TqbxReportComponent.h"
#include "views/TqbxFrame.h"

#include <string>

namespace qbx {

class TqbxReport;
class TqbxReportPage;

enum TqbxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum TqbxShiftMode { smDontShift, smAlways, smWhenOverlapped };

// The base of report objects: fill, frame, alignment, shift behaviour, data binding and hyperlink data,
// and the drawing sequence every view shares (device rectangle, background, frame).
class TqbxView : public TqbxReportComponent
{
public:
    explicit TqbxView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    int ViewAlign() const override { return Align; }
    // The component's differences, then fill, alignment, frame, cursor, printability, TagStr and URL.
    std::string Diff(const TqbxComponent& reference) const override;
    // Saves the bounds, TagStr and URL; GetData expands [expressions] in TagStr and URL through the
    // report's calculator; AfterPrint restores what BeforePrint saved.
    void BeforePrint() override;
    void GetData() override;
    void AfterPrint() override;
    // BeginDraw, DrawBackground, DrawFrame; subclasses put their content into this sequence.
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    void ReferenceRemoved(TqbxComponent* removed) override;

    virtual void BeginDraw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY);
    virtual void DrawBackground();
    virtual void DrawFrame();
    // A line w pixels thick as w parallel one-pixel lines with the current pen (w = 0 counts as 1).
    void DrawThickLine(int x1, int y1, int x2, int y2, int w);
    // The brush a dashed line shows through its gaps: the view's colour, or none.
    void UseGapBrush();

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

protected:
    // The device rectangle (FX, FY, FX1, FY1, FDX, FDY) and frame width at these factors; BeginDraw
    // without the canvas, for measuring.
    void SetDeviceRect(long double scaleX, long double scaleY, long double offsetX, long double offsetY);

    enum class Side { Left, Right, Top, Bottom };
    void DrawFrameLine(
        int x1, int y1, int x2, int y2, const TqbxFrameLine& line, Side side, bool firstFramed, bool secondFramed);

    // Drawing state, valid from BeginDraw to the end of Draw.
    Canvas* canvas_ = nullptr;
    long double scaleX_ = 1, scaleY_ = 1, offsetX_ = 0, offsetY_ = 0;
    int FX = 0, FY = 0, FX1 = 0, FY1 = 0, FDX = 0, FDY = 0, FFrameWidth = 0;

private:
    DataSetBinding dataSet_;
    std::string savedTagStr_, savedURL_;
};

// The frame part of a view's difference text, against the reference view's frame.
std::string FrameDiff(const TqbxFrame& mine, const TqbxFrame& theirs);

// Expands every [expression] of `text` with the report's calculator; the inserted text is not scanned again.
std::string ExpandExpressions(const std::string& text, TqbxReport& report);

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
    // The view drawing, then the object's name 2 pixels right of and below its top-left corner.
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    void ReferenceRemoved(TqbxComponent* removed) override;

    TqbxReportPage* Page() const { return page_; } // the page printed here (not owned)
    // The page's back link points to this subreport from now on.
    void SetPage(TqbxReportPage* page);
    bool PrintOnParent = false;

private:
    TqbxReportPage* page_ = nullptr;
};

} // namespace qbx
