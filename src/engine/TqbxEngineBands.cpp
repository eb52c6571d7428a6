// One band through the engine: its objects' data and heights, stretching and shifting, the fit check,
// output to the prepared pages, splitting across pages, and the end of its print.
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxDMPViews.h"
#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <algorithm>
#include <cmath>

namespace qbx {
namespace {

// One dot-matrix text row, added below a dot-matrix memo whose frame has a bottom line.
constexpr long double kDotMatrixRow = 17;

bool HasBottomFrame(const TqbxComponent& c)
{
    const auto* memo = dynamic_cast<const TqbxDMPMemoView*>(&c);
    return memo && (memo->Frame.Typ & ftBottom);
}

} // namespace

const std::vector<TqbxEngine::ObjectKind>& TqbxEngine::Kinds(TqbxBand& band)
{
    std::vector<ObjectKind>& kinds = State(band).Kinds;
    const std::vector<TqbxComponent*>& objects = band.Objects();
    bool current = kinds.size() == objects.size();
    for (std::size_t i = 0; current && i < objects.size(); ++i)
        current = kinds[i].Object == objects[i];
    if (current)
        return kinds;
    kinds.clear();
    for (TqbxComponent* c : objects) {
        ObjectKind kind;
        kind.Object = c;
        kind.Component = dynamic_cast<TqbxReportComponent*>(c);
        kind.Stretcheable = dynamic_cast<TqbxStretcheable*>(c);
        kind.Memo = dynamic_cast<TqbxCustomMemoView*>(c);
        kind.Subreport = dynamic_cast<TqbxSubreport*>(c);
        kind.DotMatrixBottomFrame = HasBottomFrame(*c);
        kinds.push_back(kind);
    }
    return kinds;
}

void TqbxEngine::CallHandler(const TqbxComponent& sender, const std::string& handler, const char* event)
{
    if (!handler.empty())
        throw ENotAvailable("Script handlers are not available yet: " + sender.Name() + "." + event + " (" + handler
            + ") needs the script engine");
}

void TqbxEngine::TakeData(TqbxReportComponent& object, bool bandVisible)
{
    report_.CurrentObjectName = object.Name();
    object.BeforePrint();
    if (!bandVisible)
        return;
    CallHandler(object, object.OnBeforePrint(), "OnBeforePrint");
    if (object.Visible()) {
        object.GetData();
        CallHandler(object, object.OnAfterData(), "OnAfterData");
    }
}

void TqbxEngine::PrepareBand(TqbxBand& band)
{
    curBand_ = &band;
    // What "Page", "Page#" and "TotalPages" read while the band's objects take their data; they change
    // only with the page or a reset of the numbering.
    if (pages_.CurPage != countersPage_) {
        countersPage_ = pages_.CurPage;
        report_.RunCounters.CurPage = pages_.CurPage;
        report_.RunCounters.LogicalPage = pages_.GetLogicalPageNumber();
        report_.RunCounters.LogicalTotalPages = pages_.GetLogicalTotalPages();
    }
    BuildShiftTree(band);
    bool eventsRan = &band == curHBand_; // a row crossed by vertical bands had its events already
    if (!eventsRan) {
        report_.CurrentObjectName = band.Name();
        band.BeforePrint();
        CallHandler(band, band.OnBeforePrint(), "OnBeforePrint");
    }
    bool stretched = false, onParent = false;
    const std::vector<ObjectKind>& kinds = Kinds(band);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const ObjectKind& kind = kinds[i];
        TqbxReportComponent* object = kind.Component;
        if (!object)
            continue;
        bool cell = eventsRan; // the row's objects and the cells of vertical bands have their data
        if (kind.Subreport && kind.Subreport->PrintOnParent && kind.Subreport->Visible())
            onParent = true;
        if (!cell)
            TakeData(*object, band.Visible());
        TqbxStretcheable* stretcheable = kind.Stretcheable;
        State(*kind.Object).ShiftDelta = 0;
        if (band.Visible() && object->Visible() && stretcheable && stretcheable->StretchMode != smDontStretch) {
            long double h = stretcheable->CalcHeight();
            if (h > stretcheable->Height()) {
                State(*kind.Object).ShiftDelta = h - stretcheable->Height();
                stretcheable->SetHeight(h);
                stretched = true;
            }
        }
    }
    if (!band.Visible())
        return;
    if (stretched)
        ShiftObjects(band, 0, true);
    if (onParent)
        ShowSubreportsOnParent(band);
    long double bottom = 0;
    for (const ObjectKind& kind : Kinds(band)) {
        const TqbxComponent& c = *kind.Object;
        bottom = std::max(bottom, c.Top() + c.Height() + (kind.DotMatrixBottomFrame ? kDotMatrixRow : 0));
    }
    if (band.Stretched)
        band.SetHeight(bottom);
    report_.CurrentObjectName = band.Name();
    CallHandler(band, band.OnAfterCalcHeight, "OnAfterCalcHeight");
    for (const ObjectKind& kind : Kinds(band))
        if (TqbxStretcheable* s = kind.Stretcheable; s && s->StretchMode == smMaxHeight)
            s->SetHeight(bottom - s->Top() - (kind.DotMatrixBottomFrame ? kDotMatrixRow : 0));
}

void TqbxEngine::ShiftObjects(TqbxComponent& parent, long double shift, bool parentIsBand)
{
    for (TqbxComponent* c : State(parent).ShiftList) {
        auto* view = dynamic_cast<TqbxView*>(c);
        TqbxShiftMode mode = view ? view->ShiftMode : smAlways;
        long double delta = State(*c).ShiftDelta;
        switch (mode) {
        case smAlways:
            c->SetTop(c->Top() + shift);
            ShiftObjects(*c, shift + delta, false);
            break;
        case smWhenOverlapped: {
            long double parentBottom = parent.Top() + parent.Height();
            if (parentIsBand) {
                ShiftObjects(*c, delta, false);
            } else if (c->Top() < parentBottom) {
                long double overlap = parentBottom - c->Top();
                c->SetTop(parentBottom);
                ShiftObjects(*c, overlap + delta, false);
            } else {
                ShiftObjects(*c, delta, false);
            }
            break;
        }
        case smDontShift:
            ShiftObjects(*c, shift + delta, false);
            break;
        }
        State(*c).ShiftDelta = 0;
    }
}

void TqbxEngine::ShowBand(TqbxBand* band)
{
    if (!band)
        return;
    if (band->KeepChild)
        StartKeep(*band, 0);
    OutputBand(*band);
    if (TqbxBand* child = band->Child(); child && (band->Visible() || band->PrintChildIfInvisible))
        ShowBand(child);
    if (band->KeepChild)
        EndKeep(*band);
}

void TqbxEngine::OutputBand(TqbxBand& band)
{
    bool crossed = State(band).HasVBands;
    std::vector<int> splits;
    if (crossed) {
        // The row and its own objects take their data first, while Line is still the row's.
        report_.CurrentObjectName = band.Name();
        band.BeforePrint();
        CallHandler(band, band.OnBeforePrint(), "OnBeforePrint");
        for (const ObjectKind& kind : Kinds(band))
            if (kind.Component)
                TakeData(*kind.Component, band.Visible());
        RunVerticalBands(band);
        CurX = 0;
        pages_.AddMode = TqbxAddMode::amAdd;
        splits = vPageSplits_;
    }
    if (band.Vertical) {
        ShowVBand(band);
        return;
    }
    auto* data = dynamic_cast<TqbxDataBand*>(&band);
    bool multiColumn = data && data->Columns > 1;
    bool recordBand = data || dynamic_cast<TqbxGroupHeader*>(&band);
    if (!reprintingHeaders_ && band.Visible() && band.StartNewPage && (!recordBand || State(band).BandLine != 1)) {
        startNewPageBand_ = &band;
        if (auto* header = dynamic_cast<TqbxGroupHeader*>(&band); header && header->ResetPageNumbers) {
            pages_.ResetLogicalPageNumber();
            countersPage_ = -2;
        }
        NewPage();
        startNewPageBand_ = nullptr;
    }
    PrepareBand(band);
    State(band).PreparedHeight = band.Height();
    if (band.Visible()) {
        try {
            // Bands shown while a page starts (reprinted headers, or any band inside a break) print where
            // they are: a new page would start with them again, and break again, without end.
            bool fits = multiColumn || dynamic_cast<TqbxOverlay*>(&band) || dynamic_cast<TqbxNullBand*>(&band)
                || redirectBand_ || reprintingHeaders_ || breaking_ || FreeSpace() >= band.Height();
            if (!fits && band.AllowSplit) {
                SplitBand(band);
                FinishBand(band);
                return;
            }
            if (!fits) {
                bool suppressed = false;
                for (TqbxComponent* c : band.Objects())
                    if (auto* memo = dynamic_cast<TqbxCustomMemoView*>(c); memo && memo->SuppressRepeated) {
                        memo->ResetSuppressed();
                        suppressed = true;
                    }
                if (suppressed) {
                    FinishBand(band);
                    PrepareBand(band);
                }
                breaking_ = true;
                try {
                    NewColumn();
                } catch (...) {
                    breaking_ = false;
                    throw;
                }
                breaking_ = false;
            }
            if (!dynamic_cast<TqbxNullBand*>(&band)) {
                band.SetLeft(multiColumn ? band.Left() + CurX : CurX);
                band.SetTop(CurY);
            }
            if (redirectBand_) {
                auto* copy = new TqbxNullBand(redirectBand_.get());
                copy->AssignAll(band);
            } else if (crossed) {
                vPageSplits_ = splits;
                curHBand_ = &band;
                OutputSplitRow();
            } else if (!(reprintingHeaders_ && pages_.BandExists(band))) {
                pages_.AddObject(band);
            }
            CurY += band.Height();
        } catch (...) {
            FinishBand(band);
            throw;
        }
        FinishBand(band);
        ShowSubreports(band);
    }
    if (crossed)
        curHBand_ = nullptr;
}

// Subreports of a printed band run side by side, each from the band's top, and output goes on below the
// one that reached furthest.
void TqbxEngine::ShowSubreports(TqbxBand& band)
{
    std::vector<TqbxSubreport*> subreports;
    for (const ObjectKind& kind : Kinds(band))
        if (TqbxSubreport* sub = kind.Subreport; sub && sub->Visible() && !sub->PrintOnParent && sub->Page())
            subreports.push_back(sub);
    if (subreports.empty())
        return;
    int savedPage = pages_.CurPage, savedColumn = CurColumn;
    long double savedX = CurX, savedY = CurY, savedOrigin = originX_;
    int furthestPage = -1, furthestColumn = 0;
    long double furthestY = 0;
    for (TqbxSubreport* sub : subreports) {
        pages_.CurPage = savedPage;
        CurColumn = savedColumn;
        originX_ = savedOrigin + sub->Left();
        CurX = savedX + sub->Left();
        CurY = savedY - band.Height() + sub->Top();
        RunPage(*sub->Page());
        bool further = pages_.CurPage > furthestPage
            || (pages_.CurPage == furthestPage
                && (CurColumn > furthestColumn || (CurColumn == furthestColumn && CurY > furthestY)));
        if (further) {
            furthestPage = pages_.CurPage;
            furthestColumn = CurColumn;
            furthestY = CurY;
        }
    }
    pages_.CurPage = furthestPage;
    CurColumn = furthestColumn;
    CurX = savedOrigin + (CurColumn > 1 ? ColumnLeft(CurColumn) : 0);
    CurY = furthestY;
    originX_ = savedOrigin;
}

// Subreports printed on their parent: their bands are collected, then their views join this band.
void TqbxEngine::ShowSubreportsOnParent(TqbxBand& band)
{
    if (redirectBand_)
        return; // no nesting
    State(band).ChildCount = static_cast<int>(band.Objects().size());
    redirectBand_ = std::make_unique<TqbxNullBand>(nullptr);
    long double savedX = CurX, savedY = CurY, savedOrigin = originX_;
    auto restore = [&] {
        CurX = savedX;
        CurY = savedY;
        originX_ = savedOrigin;
    };
    std::vector<TqbxSubreport*> subreports;
    for (TqbxComponent* c : band.Objects())
        if (auto* sub = dynamic_cast<TqbxSubreport*>(c); sub && sub->Visible() && sub->PrintOnParent && sub->Page())
            subreports.push_back(sub);
    try {
        for (TqbxSubreport* sub : subreports) {
            originX_ = savedOrigin + sub->Left();
            CurX = savedX + sub->Left();
            CurY = sub->Top();
            RunPage(*sub->Page());
        }
    } catch (...) {
        restore();
        redirectBand_.reset();
        throw;
    }
    restore();
    std::vector<TqbxComponent*> collected = redirectBand_->AllObjects();
    for (TqbxComponent* c : collected) {
        auto* view = dynamic_cast<TqbxView*>(c);
        if (!view || dynamic_cast<TqbxSubreport*>(c))
            continue;
        long double left = c->AbsLeft(), top = c->AbsTop();
        c->SetParentFont(false);
        c->SetParent(&band);
        c->SetLeft(left);
        c->SetTop(top);
        if (auto* s = dynamic_cast<TqbxStretcheable*>(c))
            s->StretchMode = smDontStretch;
    }
    redirectBand_.reset();
}

void TqbxEngine::FinishBand(TqbxBand& band)
{
    const std::vector<ObjectKind>& kinds = Kinds(band);
    if (band.Visible()) {
        for (const ObjectKind& kind : kinds)
            if (TqbxReportComponent* object = kind.Component) {
                report_.CurrentObjectName = object->Name();
                CallHandler(*object, object->OnAfterPrint(), "OnAfterPrint");
            }
    }
    for (const ObjectKind& kind : kinds)
        if (TqbxReportComponent* object = kind.Component)
            object->AfterPrint();
    report_.CurrentObjectName = band.Name();
    if (band.Visible())
        CallHandler(band, band.OnAfterPrint(), "OnAfterPrint");
    band.AfterPrint();
    if (int& keep = State(band).ChildCount; keep != -1) {
        while (static_cast<int>(band.Objects().size()) > keep)
            delete band.Objects().back(); // the views subreports printed on this band
        keep = -1;
    }
}

void TqbxEngine::ShowBandOfClass(const char* className)
{
    ShowBand(FindBand(className));
}

// A page footer, column footer or top overlay at the current Y.
void TqbxEngine::ShowFooter(TqbxBand& band)
{
    PrepareBand(band);
    if (band.Visible()) {
        band.SetLeft(0);
        band.SetTop(CurY);
        auto* footer = dynamic_cast<TqbxPageFooter*>(&band);
        bool dropped
            = footer && ((isFirstPage_ && !footer->PrintOnFirstPage) || (isLastPage_ && !footer->PrintOnLastPage));
        if (!dropped && !pages_.BandExists(band)) {
            pages_.AddObject(band);
            CurY += band.Height();
        }
    }
    FinishBand(band);
}

void TqbxEngine::ShowColumnFooter()
{
    TqbxBand* footer = FindBand("TqbxColumnFooter");
    if (!footer)
        return;
    PrepareBand(*footer);
    if (footer->Visible()) {
        footer->SetLeft(CurX - originX_);
        footer->SetTop(CurY);
        pages_.AddObject(*footer);
        CurY += footer->Height();
    }
    FinishBand(*footer);
}

// Objects placed directly on the page print once per page instance, at their page position.
void TqbxEngine::ShowPageObjects()
{
    std::vector<TqbxComponent*> loose;
    for (TqbxComponent* c : page_->Objects())
        if (!c->IsBand())
            loose.push_back(c);
    if (loose.empty())
        return;
    long double savedY = CurY;
    TqbxNullBand band(nullptr);
    band.SetBounds(0, 0, PageWidth, PageHeight);
    for (TqbxComponent* c : loose)
        c->SetParent(&band);
    try {
        band.AlignChildren();
        ShowBand(&band);
    } catch (...) {
        for (TqbxComponent* c : loose)
            c->SetParent(page_);
        throw;
    }
    for (TqbxComponent* c : loose)
        c->SetParent(page_);
    bands_.erase(&band);
    objects_.erase(&band);
    CurY = savedY;
}

void TqbxEngine::AddBandOutline(TqbxBand& band)
{
    if (band.OutlineText.empty() || !band.Visible())
        return;
    report_.CurrentObjectName = band.Name();
    long double h = band.Stretched ? State(band).PreparedHeight : band.Height();
    pages_.Outline().AddItem(report_.Calc(band.OutlineText).ToText(), RoundToInt(CurY - h));
}

void TqbxEngine::AddPageOutline()
{
    if (page_->OutlineText.empty())
        return;
    pages_.Outline().LevelRoot();
    report_.CurrentObjectName = page_->Name();
    pages_.Outline().AddItem(report_.Calc(page_->OutlineText).ToText(), 0);
}

void TqbxEngine::ResetSuppressValues(TqbxBand& band)
{
    for (const ObjectKind& kind : Kinds(band))
        if (kind.Memo)
            kind.Memo->ResetSuppressed();
}

void TqbxEngine::RestoreObjects(TqbxBand& band, const std::vector<TqbxComponent*>& objects)
{
    for (std::size_t i = 0; i < objects.size(); ++i) {
        objects[i]->SetParent(&band);
        band.MoveChild(objects[i], static_cast<int>(i));
    }
}

// A band with AllowSplit taller than the free space goes out in pieces, one per column or page.
void TqbxEngine::SplitBand(TqbxBand& band)
{
    std::vector<TqbxComponent*> initial(band.Objects().begin(), band.Objects().end());
    std::vector<TqbxComponent*> remaining;
    TqbxComponent holder; // keeps the objects while they are out of the band, in the band's font
    holder.SetFont(band.Font());
    for (TqbxComponent* c : initial) {
        if (dynamic_cast<TqbxSubreport*>(c))
            continue;
        if (auto* s = dynamic_cast<TqbxStretcheable*>(c)) {
            s->InitPart();
            State(*c).SavedHeight = s->Height();
        }
        c->SetParent(&holder);
        remaining.push_back(c);
    }
    auto restore = [&] { RestoreObjects(band, initial); };
    try {
        long double space = FreeSpace();
        while (!remaining.empty()) {
            std::vector<TqbxComponent*> shifted, still;
            auto shiftBelow = [&](TqbxComponent& o, long double d) {
                for (TqbxComponent* q : remaining) {
                    if (q == &o || std::find(shifted.begin(), shifted.end(), q) != shifted.end())
                        continue;
                    bool below = q->Top() >= o.Top() + o.Height();
                    bool apart = q->Left() >= o.Left() + o.Width() || o.Left() >= q->Left() + q->Width();
                    if (below && !apart) {
                        q->SetTop(q->Top() + d);
                        shifted.push_back(q);
                    }
                }
            };
            for (TqbxComponent* o : remaining) {
                auto* s = dynamic_cast<TqbxStretcheable*>(o);
                if (o->Top() + o->Height() <= space) {
                    o->SetParent(&band); // wholly in this piece
                    if (s)
                        s->DrawPart();
                    continue;
                }
                if (s && o->Top() < space) {
                    s->SetHeight(space - o->Top());
                    long double unused = s->DrawPart();
                    shiftBelow(*o, unused);
                    if (std::fabs(unused - s->Height()) < 0.0001L) {
                        o->SetTop(space); // nothing fitted: all of it goes to the next piece
                        s->SetHeight(State(*o).SavedHeight);
                    } else {
                        o->SetParent(&band); // a part in this piece, the rest in the next
                        State(*o).SavedHeight = State(*o).SavedHeight - s->Height() + unused;
                    }
                } else if (o->Top() < space) {
                    shiftBelow(*o, space - o->Top());
                    o->SetTop(space);
                }
                still.push_back(o);
            }
            long double height = 0;
            for (TqbxComponent* c : band.Objects())
                height = std::max(height, c->Top() + c->Height());
            if (still.empty())
                for (TqbxComponent* c : band.Objects()) {
                    if (auto* v = dynamic_cast<TqbxView*>(c); v && v->Align == baBottom)
                        c->SetTop(height - c->Height());
                    if (auto* s = dynamic_cast<TqbxStretcheable*>(c); s && s->StretchMode == smMaxHeight)
                        c->SetHeight(height - c->Top());
                }
            band.SetHeight(height);
            band.SetLeft(CurX);
            band.SetTop(CurY);
            pages_.AddObject(band);
            std::vector<TqbxComponent*> piece(band.Objects().begin(), band.Objects().end());
            for (TqbxComponent* c : piece)
                c->SetParent(&holder);
            if (!still.empty())
                NewColumn();
            else
                CurY += height;
            for (TqbxComponent* c : still) {
                c->SetTop(c->Top() - space);
                if (auto* s = dynamic_cast<TqbxStretcheable*>(c); s && c->Top() < 0) {
                    c->SetTop(0);
                    s->SetHeight(State(*c).SavedHeight);
                }
            }
            remaining = still;
            space = FreeSpace();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace qbx
