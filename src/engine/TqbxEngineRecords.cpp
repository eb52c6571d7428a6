// Records through the engine: data bands level by level, masters without details, groups and their
// drill-down, headers reprinted on new pages, multi-column rows and blocks kept together.
#include "base/Exceptions.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Platform.h"
#include "platform/Ui.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <chrono>

namespace qbx {
namespace {

bool SameValue(const Variant& a, const Variant& b)
{
    if (a.VarType() == b.VarType() || (a.IsNumeric() && b.IsNumeric()))
        return a.IsNumeric() ? a.AsFloat() == b.AsFloat() : a.ToText() == b.ToText();
    return a.ToText() == b.ToText();
}

// Lets the preview and the progress window repaint and take a click, at most every 20 ms: asking the
// window system on every record would cost more than printing it.
void ProcessMessages()
{
    static auto last = std::chrono::steady_clock::time_point();
    auto now = std::chrono::steady_clock::now();
    if (now - last < std::chrono::milliseconds(20) || !HasPlatform())
        return;
    last = now;
    CurrentPlatform().GetUi().ProcessMessages();
}

} // namespace

void TqbxEngine::RunBands(const std::vector<TqbxBand*>& list)
{
    ProcessMessages();
    if (report_.Terminated)
        return;
    for (TqbxBand* b : list) {
        auto* band = dynamic_cast<TqbxDataBand*>(b);
        if (band && State(*band).DataSet)
            RunBandRecords(*band);
        if (report_.Terminated)
            return;
        pageStarting_ = false;
    }
}

void TqbxEngine::RunBandRecords(TqbxDataBand& band)
{
    BandState& state = State(band);
    TqbxDataSet& data = *state.DataSet;
    int keepFooterPos = 0, rowPos = 0;
    long double rowY = CurY;
    data.First();
    state.BandLine = state.BandLineThrough = 1;
    band.SetCurColumn(1);
    state.MaxY = 0;
    ResetSuppressValues(band);
    bool first = true, shown = false;
    while (!data.Eof()) {
        if (HasData(state.SubBands, true, band.PrintIfDetailEmpty)) {
            if (first) {
                if (band.KeepTogether || (band.KeepHeader && state.HeaderBand))
                    StartKeep(band, 0);
                if (state.HeaderBand) {
                    AddToHeaderList(*state.HeaderBand);
                    ShowBand(state.HeaderBand);
                }
            } else if (!state.GroupBand && band.KeepTogether) {
                StartKeep(band, 0);
            }
            if (state.GroupBand) {
                if (first)
                    ShowGroupHeaders(band, 0, true);
                else
                    CheckGroups(band, rowY, rowPos);
            }
            if (band.KeepFooter)
                keepFooterPos = pages_.GetCurPosition();
            if (band.Columns > 1 && band.CurColumn() == 1)
                rowPos = pages_.GetCurPosition();
            rowY = CurY;
            CurLine = report_.RunCounters.CurLine = state.BandLine;
            CurLineThrough = report_.RunCounters.CurLineThrough = state.BandLineThrough;
            ShowBand(&band);
            if (first && band.KeepHeader && state.HeaderBand)
                EndKeep(band);
            first = false;
            shown = true;
            ++state.BandLine;
            ++state.BandLineThrough;
            CheckColumns(band, rowPos, rowY);
            AddBandOutline(band);
            RunBands(state.SubBands);
            if (!band.OutlineText.empty())
                pages_.Outline().LevelUp();
        }
        pageStarting_ = false;
        if (band.FooterAfterEach)
            ShowBand(state.FooterBand);
        if (!state.GroupBand && band.KeepTogether)
            EndKeep(band);
        data.Next();
        if ((band.RowCount() != 0 && band.RowCount() < state.BandLine) || report_.Terminated)
            break;
    }
    band.SetCurColumn(band.Columns);
    CheckColumns(band, rowPos, rowY);
    if (shown) {
        if (state.GroupBand)
            ShowGroupFooters(band, 0);
        if (!band.FooterAfterEach) {
            if (band.KeepFooter)
                StartKeep(band, keepFooterPos);
            showingKeptFooter_ = true;
            ShowBand(state.FooterBand);
            if (band.KeepFooter)
                EndKeep(band);
            showingKeptFooter_ = false;
        }
        RemoveFromHeaderList(state.HeaderBand);
        if (state.GroupBand && band.KeepTogether)
            EndKeep(band);
    }
}

bool TqbxEngine::HasData(const std::vector<TqbxBand*>& list, bool isBand, bool printIfEmpty)
{
    if (printIfEmpty)
        return true;
    if (list.empty())
        return isBand;
    for (TqbxBand* b : list) {
        auto* band = dynamic_cast<TqbxDataBand*>(b);
        TqbxDataSet* data = band ? State(*band).DataSet : nullptr;
        if (!data)
            continue;
        CallHandler(*band, band->OnMasterDetail, "OnMasterDetail");
        for (data->First(); !data->Eof(); data->Next())
            if (HasData(State(*band).SubBands, true, band->PrintIfDetailEmpty))
                return true;
    }
    return false;
}

void TqbxEngine::ShowGroupHeaders(TqbxDataBand& band, std::size_t from, bool restart)
{
    std::vector<TqbxBand*>& chain = State(*State(band).GroupBand).SubBands;
    for (std::size_t i = from; i < chain.size(); ++i) {
        BandState& s = State(*chain[i]);
        if (restart) {
            s.BandLine = s.BandLineThrough = 1;
            ResetSuppressValues(*chain[i]);
        } else {
            ++s.BandLine;
            ++s.BandLineThrough;
            if (i + 1 < chain.size())
                State(*chain[i + 1]).BandLine = 0;
        }
    }
    CheckDrillDown(band);
    for (std::size_t i = from; i < chain.size(); ++i) {
        auto& header = static_cast<TqbxGroupHeader&>(*chain[i]);
        BandState& s = State(header);
        CurLine = report_.RunCounters.CurLine = s.BandLine;
        CurLineThrough = report_.RunCounters.CurLineThrough = s.BandLineThrough;
        report_.CurrentObjectName = header.Name();
        s.LastValue = report_.Calc(header.Condition);
        header.DrillDownNumber = s.BandLineThrough;
        if (header.KeepTogether)
            StartKeep(header, 0);
        ShowBand(&header);
        AddBandOutline(header);
        if (header.ReprintOnNewPage)
            AddToHeaderList(header);
    }
}

void TqbxEngine::CheckGroups(TqbxDataBand& band, long double rowY, int rowPos)
{
    CheckDrillDown(band);
    std::vector<TqbxBand*>& chain = State(*State(band).GroupBand).SubBands;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        auto& header = static_cast<TqbxGroupHeader&>(*chain[i]);
        report_.CurrentObjectName = header.Name();
        if (SameValue(report_.Calc(header.Condition), State(header).LastValue))
            continue;
        band.SetCurColumn(band.Columns);
        CheckColumns(band, rowPos, rowY);
        TqbxDataSet& data = *State(band).DataSet;
        bool stepped = true;
        try {
            data.Prior();
        } catch (const Exception&) {
            stepped = false; // the cursor did not move: the footers see the next group's first record
        }
        ShowGroupFooters(band, i);
        if (stepped)
            data.Next();
        ShowGroupHeaders(band, i, false);
        State(band).BandLine = 1;
        ResetSuppressValues(band);
        return;
    }
}

void TqbxEngine::ShowGroupFooters(TqbxDataBand& band, std::size_t from)
{
    std::vector<TqbxBand*>& chain = State(*State(band).GroupBand).SubBands;
    for (std::size_t i = chain.size(); i-- > from;) {
        auto& header = static_cast<TqbxGroupHeader&>(*chain[i]);
        if (auto* footer = dynamic_cast<TqbxGroupFooter*>(State(header).FooterBand)) {
            if (!(footer->HideIfSingleDataRecord && State(band).BandLine <= 2))
                ShowBand(footer);
        }
        if (!header.OutlineText.empty())
            pages_.Outline().LevelUp();
        RemoveFromHeaderList(&header);
        if (header.KeepTogether)
            EndKeep(header);
    }
}

void TqbxEngine::CheckDrillDown(TqbxDataBand& band)
{
    std::vector<TqbxBand*>& chain = State(*State(band).GroupBand).SubBands;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        auto& header = static_cast<TqbxGroupHeader&>(*chain[i]);
        if (!header.DrillDown)
            continue;
        std::string key = header.Name() + "." + std::to_string(State(header).BandLineThrough);
        const auto& list = report_.DrillDownList;
        bool visible = std::find(list.begin(), list.end(), key) != list.end();
        if (header.ExpandDrillDown)
            visible = !visible;
        for (std::size_t j = i + 1; j < chain.size(); ++j) {
            chain[j]->SetVisible(visible);
            if (TqbxBand* footer = State(*chain[j]).FooterBand)
                footer->SetVisible(visible);
        }
        band.SetVisible(visible);
        if (TqbxBand* footer = State(header).FooterBand; footer && !header.ShowFooterIfDrillDown)
            footer->SetVisible(visible);
        if (!visible)
            return;
    }
}

void TqbxEngine::CheckColumns(TqbxDataBand& band, int rowPos, long double rowY)
{
    if (band.Columns <= 1)
        return;
    BandState& state = State(band);
    state.MaxY = std::max(state.MaxY, CurY);
    if (band.CurColumn() < band.Columns) {
        CurY = rowY;
    } else if (state.MaxY <= PageHeight - FooterHeight()) {
        CurY = state.MaxY;
    } else if (keeping_) {
        NewColumn();
    } else {
        pages_.CutObjects(rowPos);
        NewColumn();
        pages_.PasteObjects(CurX, CurY);
        CurY += state.MaxY - rowY;
    }
    if (band.Visible()) {
        band.SetCurColumn(band.CurColumn() + 1);
        if (band.CurColumn() == 1)
            state.MaxY = 0;
    }
}

void TqbxEngine::AddToHeaderList(TqbxBand& band)
{
    if (band.Vertical)
        vHeaderList_.push_back(&band);
    else
        headerList_.push_back({ &band, originX_, keeping_ });
}

void TqbxEngine::RemoveFromHeaderList(TqbxBand* band)
{
    if (band && band->Vertical) {
        auto v = std::find(vHeaderList_.begin(), vHeaderList_.end(), band);
        if (v != vHeaderList_.end())
            vHeaderList_.erase(v);
        return;
    }
    auto it
        = std::find_if(headerList_.begin(), headerList_.end(), [&](const HeaderEntry& e) { return e.Band == band; });
    if (band && it != headerList_.end())
        headerList_.erase(it);
}

void TqbxEngine::StartKeep(TqbxBand& band, int position)
{
    if (keeping_ || pageStarting_)
        return;
    keeping_ = true;
    keepBand_ = &band;
    keepPosition_ = position != 0 ? position : pages_.GetCurPosition();
    keepOutline_ = pages_.Outline().GetCurPosition();
    keepAnchor_ = pages_.GetAnchorCursor();
}

void TqbxEngine::EndKeep(TqbxBand& band)
{
    if (keepBand_ != &band)
        return;
    keeping_ = false;
    keepBand_ = nullptr;
}

} // namespace qbx
