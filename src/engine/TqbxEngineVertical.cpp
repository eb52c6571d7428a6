// Vertical bands (cross layout): the cells a horizontal band gets from the vertical bands that cross
// it, record by record across the page, and rows wider than the page continued on the next pages.
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <algorithm>

namespace qbx {

void TqbxEngine::RunVerticalBands(TqbxBand& hband)
{
    curHBand_ = &hband;
    State(hband).ChildCount = static_cast<int>(hband.Objects().size());
    hband.AllowSplit = false;
    vHeaderList_.clear();
    vPageSplits_ = { 0 };
    CurVColumn = 0;
    RunVBands(vMasterBands_[page_]);
    vPageSplits_.push_back(static_cast<int>(hband.Objects().size()));
}

void TqbxEngine::RunVBands(const std::vector<TqbxBand*>& list)
{
    for (TqbxBand* b : list) {
        auto* band = dynamic_cast<TqbxDataBand*>(b);
        if (!band || !State(*band).DataSet)
            continue;
        BandState& state = State(*band);
        TqbxDataSet& data = *state.DataSet;
        data.First();
        state.BandLine = state.BandLineThrough = 1;
        ResetSuppressValues(*band);
        bool first = true;
        while (!data.Eof()) {
            if (first && state.HeaderBand) {
                ShowBand(state.HeaderBand);
                vHeaderList_.push_back(state.HeaderBand);
            }
            if (state.GroupBand) {
                if (first)
                    ShowGroupHeaders(*band, 0, true);
                else
                    CheckGroups(*band, 0, 0);
            }
            first = false;
            CurLine = report_.RunCounters.CurLine = state.BandLine;
            CurLineThrough = report_.RunCounters.CurLineThrough = state.BandLineThrough;
            ShowBand(band);
            ++state.BandLine;
            ++state.BandLineThrough;
            RunVBands(state.SubBands);
            if (band->FooterAfterEach)
                ShowBand(state.FooterBand);
            data.Next();
            if ((band->RowCount() != 0 && band->RowCount() < state.BandLine) || report_.Terminated)
                break;
        }
        if (state.GroupBand)
            ShowGroupFooters(*band, 0);
        if (!first) {
            vHeaderList_.erase(
                std::remove(vHeaderList_.begin(), vHeaderList_.end(), state.HeaderBand), vHeaderList_.end());
            if (!band->FooterAfterEach)
                ShowBand(state.FooterBand);
        }
    }
}

// One vertical band's cells for the current horizontal band, placed at CurX.
void TqbxEngine::ShowVBand(TqbxBand& vband)
{
    if (dynamic_cast<TqbxDataBand*>(&vband))
        ++CurVColumn;
    bool footer = dynamic_cast<TqbxFooter*>(&vband) || dynamic_cast<TqbxGroupFooter*>(&vband);
    curBand_ = footer ? &vband : curHBand_;
    report_.CurrentObjectName = vband.Name();
    vband.BeforePrint();
    CallHandler(vband, vband.OnBeforePrint(), "OnBeforePrint");
    if (vband.Visible() && curHBand_) {
        if (CurX + vband.Width() > PageWidth) {
            if (page_->EndlessWidth) {
                PageWidth += vband.Width();
            } else {
                CurX = 0;
                vPageSplits_.push_back(static_cast<int>(curHBand_->Objects().size()));
                for (TqbxBand* header : std::vector<TqbxBand*>(vHeaderList_))
                    ShowVBand(*header);
            }
        }
        std::vector<TqbxComponent*> objects(vband.Objects().begin(), vband.Objects().end());
        for (TqbxComponent* c : objects) {
            auto* object = dynamic_cast<TqbxReportComponent*>(c);
            if (!object || State(*c).OriginBand != curHBand_)
                continue;
            TakeData(*object, true);
            TqbxComponent* cell = ClassRegistry::Instance().Create(object->ClassName(), curHBand_);
            cell->Assign(*object);
            cell->SetAliasName(object->AliasName());
            cell->SetSourceComponent(object->SourceComponent());
            cell->SetLeft(object->Left() + CurX);
            object->AfterPrint();
        }
        CurX += vband.Width();
        CallHandler(vband, vband.OnAfterPrint(), "OnAfterPrint");
    }
    vband.AfterPrint();
}

// A crossed row, chunk by chunk: each chunk goes to the same height of the next page.
void TqbxEngine::OutputSplitRow()
{
    TqbxBand& row = *curHBand_;
    std::vector<TqbxComponent*> all(row.Objects().begin(), row.Objects().end());
    int savedPage = pages_.CurPage;
    long double savedY = CurY, savedX = CurX;
    pages_.AddMode = TqbxAddMode::amWriteOver;
    TqbxComponent holder; // keeps the other chunks' cells meanwhile, in the band's font
    holder.SetFont(row.Font());
    auto restore = [&] { RestoreObjects(row, all); };
    try {
        for (std::size_t chunk = 0; chunk + 1 < vPageSplits_.size(); ++chunk) {
            for (std::size_t i = 0; i < all.size(); ++i) {
                bool inChunk
                    = static_cast<int>(i) >= vPageSplits_[chunk] && static_cast<int>(i) < vPageSplits_[chunk + 1];
                all[i]->SetParent(inChunk ? static_cast<TqbxComponent*>(&row) : &holder);
            }
            pages_.AddObject(row);
            if (chunk + 2 < vPageSplits_.size()) {
                hideHeaders_ = true;
                NewPage();
                hideHeaders_ = false;
                row.SetTop(savedY);
            } else {
                EndPage();
            }
        }
    } catch (...) {
        hideHeaders_ = false;
        restore();
        throw;
    }
    restore();
    pages_.CurPage = savedPage;
    CurY = savedY;
    CurX = savedX;
    pages_.AddMode = TqbxAddMode::amAdd; // the rows that follow make new pages again
}

} // namespace qbx
