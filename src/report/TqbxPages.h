// Pages: the common page base and the data page that holds a report's non-visual components.
#pragma once

#include "base/TWideStrings.h"
#include "report/TqbxComponent.h"
#include "report/TqbxDataSets.h"
#include "views/TqbxFrame.h"

namespace qbx {

// A page of a report; its font is the default of every object placed on it.
class TqbxPage : public TqbxComponent
{
public:
    using TqbxComponent::TqbxComponent;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsPage() const override { return true; }
    // Dot-matrix pages snap their bands to the character grid.
    virtual bool IsDotMatrixPage() const { return false; }
};

// The page that holds data sets and other non-visual components.
class TqbxDataPage : public TqbxPage
{
public:
    explicit TqbxDataPage(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obDataPage"
};

enum TqbxPageOrientation { poPortrait, poLandscape };
enum TqbxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };

// One kind of output page: paper, margins, columns, background and the bands on it. Paper sizes and
// margins are millimetres; Width and Height are the paper in whole pixels.
class TqbxReportPage : public TqbxPage
{
public:
    explicit TqbxReportPage(TqbxComponent* parent = nullptr);
    ~TqbxReportPage() override;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obRepPage"

    TqbxPageOrientation Orientation() const { return orientation_; }
    void SetOrientation(TqbxPageOrientation orientation);
    long double PaperWidth() const { return paperWidth_; }
    virtual void SetPaperWidth(long double mm);
    long double PaperHeight() const { return paperHeight_; }
    virtual void SetPaperHeight(long double mm);
    int PaperSize() const { return paperSize_; }
    virtual void SetPaperSize(int code);
    // Margins of 10 mm and the printer's default paper (A4 portrait without a printer).
    virtual void SetDefaults();
    int Columns() const { return columns_; }
    void SetColumns(int count);
    void UpdateDimensions();
    void AlignChildren() override;
    // The first child that is an instance of the class, or nullptr.
    TqbxComponent* FindBand(const ClassInfo& bandClass) const;
    bool IsSubreport() const { return Subreport != nullptr; }
    std::string ColumnPositionsText() const { return ColumnPositions.JoinedUtf8(); }
    void SetColumnPositionsText(const std::string& text);
    void ReferenceRemoved(TqbxComponent* removed) override;

    long double LeftMargin = 0, RightMargin = 0, TopMargin = 0, BottomMargin = 0;
    bool MirrorMargins = false;
    long double ColumnWidth = 0;
    TWideStrings ColumnPositions; // left offset of each column in mm, one number a line
    int Bin = 7, BinOtherPages = 7;
    std::string BackPicture; // the background picture's file bytes; empty for none
    TColor Color = clNone;
    TqbxFrame Frame;
    // The page prints once per record of this data set (not owned).
    TqbxDataSet* DataSet() const { return dataSet_.DataSet; }
    void SetDataSet(TqbxDataSet* dataSet) { dataSet_.Set(dataSet); }
    std::string DataSetName() const { return dataSet_.GetName(); }
    void SetDataSetName(const std::string& name);
    TqbxDuplexMode Duplex = dmNone;
    bool EndlessHeight = false, EndlessWidth = false, LargeDesignHeight = false;
    std::string OutlineText;
    bool PrintIfEmpty = true, PrintOnPreviousPage = false, ResetPageNumbers = false, TitleBeforeHeader = true;
    TWideStrings HGuides, VGuides;
    std::string OnAfterPrint, OnBeforePrint, OnManualBuild;
    TqbxComponent* Subreport = nullptr; // the subreport object that prints this page (not owned)
    // A subreport object's Page now is, or no longer is, this page. The last one linked prints it; each
    // is told when the page goes, so none is left pointing at it.
    void LinkSubreport(TqbxComponent* subreport);
    void UnlinkSubreport(TqbxComponent* subreport);

protected:
    // The paper's code alone, its dimensions as they are (a page that adjusts the dimensions it was given).
    void SetPaperSizeCode(int code) { paperSize_ = code; }

private:
    DataSetBinding dataSet_;
    std::vector<TqbxComponent*> subreports_; // every subreport whose Page is this page (not owned)
    TqbxPageOrientation orientation_ = poPortrait;
    long double paperWidth_ = 210, paperHeight_ = 297;
    int paperSize_ = 9;
    int columns_ = 0;
};

} // namespace qbx
