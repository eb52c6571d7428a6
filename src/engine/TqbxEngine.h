// TqbxCustomEngine and TqbxEngine: the band engine that turns a report template into prepared pages.
#pragma once

#include "base/DateTime.h"
#include "base/Variant.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace qbx {

class TqbxBand;
class TqbxComponent;
class TqbxCustomMemoView;
class TqbxReportComponent;
class TqbxStretcheable;
class TqbxSubreport;
class TqbxDataBand;
class TqbxDataSet;
class TqbxGroupHeader;
class TqbxPreviewPages;
class TqbxReport;
class TqbxReportPage;
class TqbxXMLItem;

// The engine as scripts and the report see it. Owned by the report, which it references.
class TqbxCustomEngine
{
public:
    explicit TqbxCustomEngine(TqbxReport& report);
    virtual ~TqbxCustomEngine() = default;
    TqbxCustomEngine(const TqbxCustomEngine&) = delete;
    TqbxCustomEngine& operator=(const TqbxCustomEngine&) = delete;

    virtual void EndPage() = 0;
    virtual void NewColumn() = 0;
    virtual void NewPage() = 0;
    virtual void ShowBand(TqbxBand* band) = 0;
    virtual long double HeaderHeight() = 0;
    virtual long double FooterHeight() = 0;
    virtual long double FreeSpace() = 0;
    // One complete preparation; false when the structure checks failed or a dialog was cancelled.
    virtual bool Run() = 0;
    void StopReport(); // sets the report's Terminated

    bool DoublePass() const;
    int CurColumn = 1;
    int CurVColumn = 0;
    long double CurX = 0, CurY = 0;
    bool FinalPass = true;
    long double PageHeight = 0, PageWidth = 0;
    TDateTime StartDate = 0, StartTime = 0;
    int TotalPages = 0;
    int CurLine = 0, CurLineThrough = 0;
    bool Running = false;

protected:
    TqbxReport& report_;
    TqbxPreviewPages& pages_;
};

// The band engine. The run-time state it keeps about template bands and objects (band links, counters,
// shift trees) lives in side tables rebuilt by every run, so templates carry none of it.
class TqbxEngine : public TqbxCustomEngine
{
public:
    explicit TqbxEngine(TqbxReport& report);
    ~TqbxEngine() override;

    void EndPage() override;
    void NewColumn() override;
    void NewPage() override;
    void ShowBand(TqbxBand* band) override;
    long double HeaderHeight() override;
    long double FooterHeight() override;
    long double FreeSpace() override;
    bool Run() override;

private:
    // What the engine needs to know of a band's object, found once rather than per record.
    struct ObjectKind
    {
        TqbxComponent* Object = nullptr;
        TqbxReportComponent* Component = nullptr;
        TqbxStretcheable* Stretcheable = nullptr;
        TqbxCustomMemoView* Memo = nullptr;
        TqbxSubreport* Subreport = nullptr;
        bool DotMatrixBottomFrame = false; // a dot-matrix memo framed below takes one more text row
    };
    struct BandState
    {
        std::vector<TqbxBand*> SubBands;
        TqbxBand* HeaderBand = nullptr;
        TqbxBand* FooterBand = nullptr;
        TqbxBand* GroupBand = nullptr;
        TqbxDataSet* DataSet = nullptr; // a data band's records: its data set, or its RowCount counter
        int BandLine = 0, BandLineThrough = 0;
        Variant LastValue;
        int ChildCount = -1;
        long double PreparedHeight = 0, MaxY = 0;
        bool ShiftTreeBuilt = false;
        bool HasVBands = false; // some of its objects became cells of vertical bands
        std::vector<ObjectKind> Kinds; // of Objects, in order
    };
    struct ObjectState
    {
        std::vector<TqbxComponent*> ShiftList;
        long double ShiftDelta = 0, SavedHeight = 0;
        TqbxBand* OriginBand = nullptr; // for a cell of a vertical band: the horizontal band it came from
    };
    struct HeaderEntry
    {
        TqbxBand* Band = nullptr;
        long double Left = 0;
        bool AddedWhileKeeping = false;
    };

    BandState& State(TqbxBand& band) { return bands_[&band]; }
    const std::vector<ObjectKind>& Kinds(TqbxBand& band);
    ObjectState& State(TqbxComponent& object) { return objects_[&object]; }

    // Structure (TqbxEngineStructure.cpp).
    void BuildBandStructure(TqbxReportPage& page, bool vertical);
    void MoveIntoVerticalBands(TqbxBand& band, const std::vector<TqbxBand*>& verticals);
    void BuildShiftTree(TqbxBand& band);
    void CollectDetails(TqbxBand& parent, std::vector<TqbxBand*>& list, std::size_t from);
    bool CheckDataSets();

    // Bands (TqbxEngineBands.cpp).
    // An object's print-time events and data: BeforePrint always, the rest only on a visible band.
    void TakeData(TqbxReportComponent& object, bool bandVisible);
    void PrepareBand(TqbxBand& band);
    void ShiftObjects(TqbxComponent& parent, long double shift, bool parentIsBand);
    void OutputBand(TqbxBand& band);
    void FinishBand(TqbxBand& band);
    void SplitBand(TqbxBand& band);
    void ShowBandOfClass(const char* className);
    void ShowFooter(TqbxBand& band);
    void ShowColumnFooter();
    void ShowPageObjects();
    void AddBandOutline(TqbxBand& band);
    void AddPageOutline();
    void ResetSuppressValues(TqbxBand& band);
    void ShowSubreports(TqbxBand& band);
    void ShowSubreportsOnParent(TqbxBand& band);

    // Vertical bands (TqbxEngineVertical.cpp).
    void RunVerticalBands(TqbxBand& hband);
    void RunVBands(const std::vector<TqbxBand*>& list);
    void ShowVBand(TqbxBand& vband);
    void OutputSplitRow();
    void CallHandler(const TqbxComponent& sender, const std::string& handler, const char* event);

    // Pages (TqbxEnginePages.cpp).
    void RunPages();
    void RunAllPages();
    void RunPage(TqbxReportPage& page);
    void RunPageInstance();
    void StartPage();
    void StartOutputPage();
    void StartColumn();
    void SetPageMetrics();
    long double ColumnLeft(int column) const; // page column's left offset in pixels (column from 1)
    // Gives a band back the objects a split took out of it, in their order.
    static void RestoreObjects(TqbxBand& band, const std::vector<TqbxComponent*>& objects);
    TqbxBand* FindBand(const char* className) const;

    // Records (TqbxEngineRecords.cpp).
    void RunBands(const std::vector<TqbxBand*>& list);
    bool HasData(const std::vector<TqbxBand*>& list, bool isBand, bool printIfEmpty);
    void RunBandRecords(TqbxDataBand& band);
    void ShowGroupHeaders(TqbxDataBand& band, std::size_t from, bool restart);
    void CheckGroups(TqbxDataBand& band, long double rowY, int rowPos);
    void ShowGroupFooters(TqbxDataBand& band, std::size_t from);
    void CheckDrillDown(TqbxDataBand& band);
    void CheckColumns(TqbxDataBand& band, int rowPos, long double rowY);
    void AddToHeaderList(TqbxBand& band);
    void RemoveFromHeaderList(TqbxBand* band);
    void StartKeep(TqbxBand& band, int position);
    void EndKeep(TqbxBand& band);

    std::unordered_map<const TqbxBand*, BandState> bands_;
    std::unordered_map<const TqbxComponent*, ObjectState> objects_;
    std::unordered_map<const TqbxReportPage*, std::vector<TqbxBand*>> masterBands_, vMasterBands_;
    std::vector<TqbxBand*> vHeaderList_; // vertical headers shown again in every chunk of a wide row
    std::vector<int> vPageSplits_; // where the cells of CurHBand go on to the next page
    TqbxBand* curHBand_ = nullptr; // the horizontal band whose cells the vertical bands make
    std::vector<HeaderEntry> headerList_;
    TqbxReportPage* page_ = nullptr;
    TqbxBand* curBand_ = nullptr;
    TqbxBand* keepBand_ = nullptr;
    TqbxBand* startNewPageBand_ = nullptr;
    std::unique_ptr<TqbxBand> redirectBand_; // collects the bands of subreports printed on their parent
    TqbxXMLItem* keepOutline_ = nullptr;
    int keepPosition_ = 0, keepAnchor_ = 0;
    int countersPage_ = -2; // the page the report's run counters were taken for; -2: take them again
    long double columnTopY_ = 0, originX_ = 0;
    bool keeping_ = false, showingKeptFooter_ = false, isFirstPage_ = false, isLastPage_ = false;
    bool reprintingHeaders_ = false, printingSummary_ = false, pageStarting_ = false, firstReportPage_ = false;
    bool hideHeaders_ = false;
    bool breaking_ = false; // a band that did not fit is starting a new column or page
};

} // namespace qbx
