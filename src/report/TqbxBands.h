// Bands: horizontal (or vertical) strips of printable objects, in the kinds the band engine tells apart.
#pragma once

#include "report/TqbxDataSets.h"
#include "report/TqbxReportComponent.h"

#include <string>
#include <vector>

namespace qbx {

class TqbxChild;

// The fields every band kind may publish; each kind publishes its own subset (see its class description).
class TqbxBand : public TqbxReportComponent
{
public:
    using TqbxReportComponent::TqbxReportComponent;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsBand() const override { return true; }
    bool IsVerticalBand() const override { return Vertical; }
    std::string GetDescription() const override; // the localized "obBand"
    void Draw(Canvas&, long double, long double, long double, long double) override { } // bands draw nothing

    // On a dot-matrix page Left snaps to the character width and Top and Height to its height.
    void SetLeft(long double value) override;
    void SetTop(long double value) override;
    void SetHeight(long double value) override;

    // The band printed right after this one; a chain that leads back here raises
    // "Circular child reference is not allowed" and leaves Child as it was.
    TqbxBand* Child() const { return child_; }
    void SetChild(TqbxBand* child);
    void ReferenceRemoved(TqbxComponent* removed) override;

    // The index of the band's kind in the classification table (0 when it matches none).
    int BandNumber() const;

    bool Vertical = false;
    bool AllowSplit = false, KeepChild = false, StartNewPage = false, Stretched = false;
    bool PrintChildIfInvisible = false;
    std::string OutlineText;
    std::string OnAfterCalcHeight;

    // Engine state.
    bool Overflow = false;
    std::vector<TqbxComponent*> EngineList; // not owned
    int EngineIndex = -1;

private:
    bool SnapsToCharacterGrid() const;
    TqbxBand* child_ = nullptr;
};

// Declares a band kind with its class description; the kinds differ only in what they publish.
#define QBX_BAND_KIND(Name, Base)                                                                                      \
    class Name : public Base                                                                                           \
    {                                                                                                                  \
    public:                                                                                                            \
        using Base::Base;                                                                                              \
        static const ClassInfo& StaticClassInfo();                                                                     \
        const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }                                   \
    }

QBX_BAND_KIND(TqbxNullBand, TqbxBand);
QBX_BAND_KIND(TqbxReportTitle, TqbxBand);
QBX_BAND_KIND(TqbxReportSummary, TqbxBand);
class TqbxHeader : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool ReprintOnNewPage = false;
};
QBX_BAND_KIND(TqbxFooter, TqbxBand);
QBX_BAND_KIND(TqbxChild, TqbxBand);
QBX_BAND_KIND(TqbxColumnHeader, TqbxBand);
QBX_BAND_KIND(TqbxColumnFooter, TqbxBand);
class TqbxGroupFooter : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool HideIfSingleDataRecord = false;
};

class TqbxPageHeader : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool PrintOnFirstPage = true;
};

class TqbxPageFooter : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool PrintOnFirstPage = true, PrintOnLastPage = true;
};

class TqbxOverlay : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool PrintOnTop = false;
};

class TqbxGroupHeader : public TqbxBand
{
public:
    using TqbxBand::TqbxBand;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    // The base difference, plus the current drill-down number as Tag when DrillDown is set.
    std::string Diff(const TqbxComponent& reference) const override;

    std::string Condition;
    bool DrillDown = false, ExpandDrillDown = false, KeepTogether = false, ReprintOnNewPage = false;
    bool ResetPageNumbers = false, ShowFooterIfDrillDown = false;
    int DrillDownNumber = 0; // kept by the engine
};

// The abstract base of the six data bands; the class fixes the nesting level.
class TqbxDataBand : public TqbxBand
{
public:
    explicit TqbxDataBand(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obDataBand"
    void ReferenceRemoved(TqbxComponent* removed) override;

    // The band column being printed: past Columns it starts again at 1, which resets the per-column
    // positions; Left follows the column.
    int CurColumn() const { return curColumn_; }
    void SetCurColumn(int column);

    int Columns = 0;
    long double ColumnWidth = 0, ColumnGap = 0;
    TqbxDataSet* DataSet() const { return dataSet_.DataSet; } // not owned
    void SetDataSet(TqbxDataSet* dataSet) { dataSet_.Set(dataSet); }
    std::string DataSetName() const { return dataSet_.GetName(); }
    void SetDataSetName(const std::string& name);
    // Print this many records when the band has no data set; the band's own counter counts them.
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    TqbxUserDataSet& Counter() { return counter_; }
    bool FooterAfterEach = false, KeepFooter = false, KeepHeader = false, KeepTogether = false;
    bool PrintIfDetailEmpty = false;
    std::string OnMasterDetail;
    std::vector<long double> ColumnPositions; // per-column positions kept by the engine

private:
    DataSetBinding dataSet_;
    TqbxUserDataSet counter_; // counts RowCount records (range end reCount)
    int rowCount_ = 0;
    int curColumn_ = 1;
};

// Data band kinds take the base constructor's parent argument.
QBX_BAND_KIND(TqbxMasterData, TqbxDataBand);
QBX_BAND_KIND(TqbxDetailData, TqbxDataBand);
QBX_BAND_KIND(TqbxSubdetailData, TqbxDataBand);
QBX_BAND_KIND(TqbxDataBand4, TqbxDataBand);
QBX_BAND_KIND(TqbxDataBand5, TqbxDataBand);
QBX_BAND_KIND(TqbxDataBand6, TqbxDataBand);

#undef QBX_BAND_KIND

// The 18 band kinds in classification order.
const std::vector<const ClassInfo*>& BandKinds();

} // namespace qbx
