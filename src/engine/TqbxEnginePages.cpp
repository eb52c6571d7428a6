// The run and its pages: passes, report pages and their instances, starting and ending output pages
// with titles, headers, footers and overlays, columns, page breaks that carry a kept block along.
#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "report/TqbxBands.h"
#include "report/TqbxDialogPage.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <cmath>

namespace qbx {
namespace {

std::vector<TqbxReportPage*> ReportPages(const TqbxReport& report)
{
    std::vector<TqbxReportPage*> pages;
    for (int i = 0; i < report.PagesCount(); ++i)
        if (auto* page = dynamic_cast<TqbxReportPage*>(report.Pages(i)))
            pages.push_back(page);
    return pages;
}

} // namespace

TqbxEngine::TqbxEngine(TqbxReport& report)
    : TqbxCustomEngine(report)
{
}

TqbxEngine::~TqbxEngine() = default;

bool TqbxEngine::Run()
{
    pages_.Initialize();
    StartDate = std::trunc(Now());
    StartTime = Now() - StartDate;
    Running = report_.EngineRunning = true;
    keeping_ = false;
    CurVColumn = 0;
    bands_.clear();
    objects_.clear();
    masterBands_.clear();
    vMasterBands_.clear();
    curHBand_ = nullptr;
    report_.RunCounters = {};
    report_.RunCounters.StartDate = StartDate;
    report_.RunCounters.StartTime = StartTime;
    bool result = false;
    auto finish = [&] {
        report_.DataSets.Finalize();
        pages_.Finish();
        Running = report_.EngineRunning = false;
        report_.FinalPass = true;
    };
    try {
        for (TqbxReportPage* page : ReportPages(report_)) {
            BuildBandStructure(*page, false);
            BuildBandStructure(*page, true);
        }
        if (report_.Errors.Empty() && CheckDataSets()) {
            report_.DataSets.Initialize();
            CallHandler(report_, report_.OnStartReport(), "OnStartReport");
            for (TqbxComponent* c : report_.Objects())
                if (auto* dialog = dynamic_cast<TqbxDialogPage*>(c);
                    dialog && dialog->Visible() && !dialog->Objects().empty())
                    throw ENotAvailable("Dialog pages are not available yet: " + dialog->Name());
            result = true;
            for (TqbxReportPage* page : ReportPages(report_))
                pages_.AddSourcePage(*page);
            FinalPass = report_.FinalPass = !DoublePass();
            TotalPages = report_.RunCounters.TotalPages = 0;
            pages_.BeginPass();
            RunPages();
            if (DoublePass()) {
                TotalPages = report_.RunCounters.TotalPages = pages_.PageCount();
                pages_.ClearFirstPass();
                countersPage_ = -2;
                FinalPass = report_.FinalPass = true;
                RunPages();
            }
            CallHandler(report_, report_.OnStopReport(), "OnStopReport");
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}

void TqbxEngine::RunPages()
{
    firstReportPage_ = true;
    TqbxDataSet* data = report_.DataSet();
    if (!data) {
        RunAllPages();
        return;
    }
    data->First();
    while (!data->Eof() && !report_.Terminated) {
        RunAllPages();
        data->Next();
    }
}

void TqbxEngine::RunAllPages()
{
    for (TqbxReportPage* page : ReportPages(report_)) {
        page_ = page;
        if (!page->IsSubreport() && page->Visible())
            RunPage(*page);
        if (report_.Terminated)
            return;
        firstReportPage_ = false;
    }
}

void TqbxEngine::RunPage(TqbxReportPage& page)
{
    if (page.IsSubreport()) {
        RunBands(masterBands_[&page]); // at the current position, within the page being run
        return;
    }
    page_ = &page;
    pageStarting_ = true;
    CallHandler(page, page.OnBeforePrint, "OnBeforePrint");
    if (TqbxDataSet* data = page.DataSet()) {
        data->First();
        while (!data->Eof() && !report_.Terminated) {
            RunPageInstance();
            data->Next();
        }
    } else {
        RunPageInstance();
    }
    CallHandler(page, page.OnAfterPrint, "OnAfterPrint");
}

void TqbxEngine::RunPageInstance()
{
    if (!HasData(masterBands_[page_], false, report_.EngineOptions.PrintIfEmpty))
        return;
    StartPage();
    ShowPageObjects();
    if (report_.OnManualBuild)
        report_.OnManualBuild(*page_);
    else if (!page_->OnManualBuild.empty())
        CallHandler(*page_, page_->OnManualBuild, "OnManualBuild");
    else
        RunBands(masterBands_[page_]);
    isLastPage_ = true;
    if (page_->EndlessHeight || page_->EndlessWidth) {
        long double width = page_->EndlessWidth ? page_->LeftMargin * qb01cm + PageWidth + page_->RightMargin * qb01cm
                                                : page_->PaperWidth() * qb01cm;
        long double height = page_->PaperHeight() * qb01cm;
        if (page_->EndlessHeight) {
            PageHeight = FooterHeight() + CurY;
            height = page_->TopMargin * qb01cm + PageHeight + page_->BottomMargin * qb01cm;
        }
        pages_.ModifyPageSize(*page_, height, width);
    }
    EndPage();
    isLastPage_ = false;
}

void TqbxEngine::SetPageMetrics()
{
    PageHeight = (page_->PaperHeight() - page_->TopMargin - page_->BottomMargin) * qb01cm;
    PageWidth = (page_->PaperWidth() - page_->LeftMargin - page_->RightMargin) * qb01cm;
}

TqbxBand* TqbxEngine::FindBand(const char* className) const
{
    for (TqbxComponent* c : page_->Objects())
        if (c->ClassName() == className)
            return static_cast<TqbxBand*>(c);
    return nullptr;
}

void TqbxEngine::StartPage()
{
    headerList_.clear();
    TqbxBand* title = FindBand("TqbxReportTitle");
    TqbxBand* header = FindBand("TqbxPageHeader");
    if (page_->TitleBeforeHeader)
        headerList_ = { { title }, { header } };
    else
        headerList_ = { { header }, { title } };
    SetPageMetrics();
    CurX = CurY = 0;
    CurColumn = 1;
    originX_ = 0;
    isFirstPage_ = true;
    isLastPage_ = false;
    if (page_->ResetPageNumbers)
        pages_.ResetLogicalPageNumber();
    countersPage_ = -2;
    auto dropTitle = [&] {
        for (HeaderEntry& e : headerList_)
            if (e.Band == title)
                e.Band = nullptr;
    };
    if (pages_.PageCount() > 0 && page_->PrintOnPreviousPage) {
        pages_.CurPage = pages_.PageCount() - 1;
        CurY = pages_.GetLastY();
        dropTitle();
        ShowBand(title);
    } else {
        StartOutputPage();
    }
    if (firstReportPage_)
        pages_.FirstReportPageIndex = pages_.CurPage;
    columnTopY_ = CurY;
    TqbxBand* columnHeader = FindBand("TqbxColumnHeader");
    ShowBand(columnHeader);
    headerList_.push_back({ columnHeader, 0, false });
    dropTitle();
    pages_.Outline().LevelRoot();
    AddPageOutline();
}

void TqbxEngine::StartOutputPage()
{
    pages_.AddPage(*page_);
    countersPage_ = -2;
    CurY = 0;
    if (auto* overlay = dynamic_cast<TqbxOverlay*>(FindBand("TqbxOverlay")); overlay && !overlay->PrintOnTop) {
        ShowBand(overlay);
        CurY = 0;
    }
    columnTopY_ = 0;
    long double savedX = CurX;
    for (HeaderEntry& entry : headerList_) {
        TqbxBand* band = entry.Band;
        CurX = entry.Left;
        if (!band || band == startNewPageBand_)
            continue;
        if (auto* pageHeader = dynamic_cast<TqbxPageHeader*>(band);
            pageHeader && isFirstPage_ && !pageHeader->PrintOnFirstPage) {
            if (!pageHeader->PrintChildIfInvisible || !pageHeader->Child())
                continue;
            band = pageHeader->Child();
        }
        if ((entry.AddedWhileKeeping && keeping_) || (hideHeaders_ && dynamic_cast<TqbxHeader*>(band)))
            continue;
        band->Overflow = true;
        int line = CurLine, lineThrough = CurLineThrough;
        CurLine = State(*band).BandLine;
        CurLineThrough = State(*band).BandLineThrough;
        reprintingHeaders_ = true;
        if (dynamic_cast<TqbxReportTitle*>(band))
            entry.Band = nullptr;
        if (dynamic_cast<TqbxPageHeader*>(band))
            columnTopY_ = band->Height();
        try {
            ShowBand(band);
        } catch (...) {
            reprintingHeaders_ = band->Overflow = false;
            throw;
        }
        reprintingHeaders_ = false;
        band->Overflow = false;
        CurLine = line;
        CurLineThrough = lineThrough;
    }
    CurX = savedX;
}

void TqbxEngine::EndPage()
{
    ShowColumnFooter();
    if (!isLastPage_) {
        CurX = originX_;
        CurColumn = 1;
    }
    if (isLastPage_ && !printingSummary_) {
        printingSummary_ = true;
        try {
            ShowBandOfClass("TqbxReportSummary");
        } catch (...) {
            printingSummary_ = false;
            throw;
        }
        printingSummary_ = false;
    }
    if (TqbxBand* footer = FindBand("TqbxPageFooter")) {
        CurY = PageHeight - footer->Height();
        ShowFooter(*footer);
    }
    if (auto* overlay = dynamic_cast<TqbxOverlay*>(FindBand("TqbxOverlay")); overlay && overlay->PrintOnTop) {
        CurY = 0;
        ShowFooter(*overlay);
    }
    isFirstPage_ = false;
}

void TqbxEngine::NewColumn()
{
    if (CurColumn < page_->Columns()) {
        ShowColumnFooter();
        StartColumn();
    } else {
        NewPage();
    }
}

long double TqbxEngine::ColumnLeft(int column) const
{
    long double mm = 0;
    TryTextToFloat(Utf16ToUtf8(page_->ColumnPositions.Strings(column - 1)), mm);
    return mm * qb01cm;
}

void TqbxEngine::StartColumn()
{
    ++CurColumn;
    long double x = ColumnLeft(CurColumn);
    CurY = columnTopY_;
    for (const HeaderEntry& entry : headerList_) {
        if (!entry.Band || dynamic_cast<TqbxPageHeader*>(entry.Band))
            continue;
        CurX = entry.Left + x;
        for (TqbxBand* band = entry.Band; band;) {
            band->Overflow = true;
            PrepareBand(*band);
            if (band->Visible()) {
                band->SetLeft(CurX);
                band->SetTop(CurY);
                pages_.AddObject(*band);
                CurY += band->Height();
            }
            FinishBand(*band);
            band->Overflow = false;
            band = band->Visible() || band->PrintChildIfInvisible ? band->Child() : nullptr;
        }
    }
    CurX = originX_ + x;
}

void TqbxEngine::NewPage()
{
    if (keeping_) {
        pages_.CutObjects(keepPosition_);
        CurY = pages_.GetLastY();
    }
    EndPage();
    StartOutputPage();
    if (keeping_) {
        pages_.PasteObjects(0, CurY);
        pages_.Outline().ShiftItems(keepOutline_, RoundToInt(CurY));
        pages_.ShiftAnchors(keepAnchor_, RoundToInt(CurY));
        CurY = pages_.GetLastY();
    }
    keeping_ = false;
    AddPageOutline();
}

long double TqbxEngine::FreeSpace()
{
    return page_->EndlessHeight ? 1000000 : PageHeight - FooterHeight() - CurY;
}

long double TqbxEngine::HeaderHeight()
{
    long double height = 0;
    for (const char* kind : { "TqbxColumnHeader", "TqbxPageHeader" })
        for (TqbxBand* band = FindBand(kind); band; band = band->Child())
            height += band->Height();
    return height;
}

long double TqbxEngine::FooterHeight()
{
    long double height = 0;
    for (const char* kind : { "TqbxColumnFooter", "TqbxPageFooter" })
        if (TqbxBand* band = FindBand(kind))
            height += band->Height();
    return height;
}

} // namespace qbx
