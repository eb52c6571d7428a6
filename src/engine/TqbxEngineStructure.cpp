// The band structure of a run: which bands belong together (groups, headers and footers, masters and
// details), the structure errors, and the shift trees that let stretched objects push others down.
#include "base/Exceptions.h"
#include "base/Units.h"
#include "engine/TqbxEngine.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxResources.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace qbx {
namespace {

// Band numbers of the kinds that take part in the structure.
constexpr int kHeader = 4, kFooter = 5, kMasterData = 6, kDataBand6 = 11, kGroupHeader = 12, kGroupFooter = 13;

std::string Res(const char* key)
{
    return TqbxResources::Instance().Get(key);
}

std::vector<TqbxBand*> BandsOf(const TqbxReportPage& page)
{
    std::vector<TqbxBand*> bands;
    for (TqbxComponent* c : page.Objects())
        if (auto* band = dynamic_cast<TqbxBand*>(c))
            bands.push_back(band);
    return bands;
}

bool OverlapsHorizontally(const TqbxComponent& a, const TqbxComponent& b)
{
    return b.AbsLeft() < a.AbsLeft() + a.Width() - 0.0001L && b.AbsLeft() + b.Width() > a.AbsLeft() + 0.0001L;
}

bool OverlapsVertically(long double aTop, long double aBottom, long double bTop, long double bBottom)
{
    return bTop < aBottom - 0.0001L && bBottom > aTop + 0.0001L;
}

// The sentinel of a shift tree: a thin strip just above the band, as wide as the band.
class ShiftSentinel : public TqbxComponent
{
public:
    explicit ShiftSentinel(const TqbxBand& band) { SetBounds(band.AbsLeft(), band.AbsTop() - 2, band.Width(), 1); }
};

} // namespace

TqbxCustomEngine::TqbxCustomEngine(TqbxReport& report)
    : report_(report)
    , pages_(report.PreviewPages())
{
}

void TqbxCustomEngine::StopReport()
{
    report_.Terminated = true;
}

bool TqbxCustomEngine::DoublePass() const
{
    return report_.EngineOptions.DoublePass;
}

void TqbxEngine::BuildBandStructure(TqbxReportPage& page, bool vertical)
{
    page.UpdateDimensions();
    long double printableWidth = (page.PaperWidth() - page.LeftMargin - page.RightMargin) * qb01cm;
    long double printableHeight = (page.PaperHeight() - page.TopMargin - page.BottomMargin) * qb01cm;
    std::vector<TqbxBand*> all = BandsOf(page), bands, verticals;
    for (TqbxBand* band : all) {
        if (band->Vertical)
            band->SetHeight(printableHeight - band->Top());
        else
            band->SetWidth(printableWidth - band->Left());
        band->AlignChildren();
        if (band->Vertical == vertical)
            bands.push_back(band);
        if (band->Vertical)
            verticals.push_back(band);
    }
    (vertical ? vMasterBands_ : masterBands_)[&page].clear();
    for (TqbxBand* band : bands) {
        BuildShiftTree(*band);
        BandState& state = State(*band);
        state.SubBands.clear();
        state.HeaderBand = state.FooterBand = state.GroupBand = nullptr;
        state.HasVBands = false;
        if (auto* data = dynamic_cast<TqbxDataBand*>(band)) {
            state.DataSet = data->DataSet();
            if (!state.DataSet && data->RowCount() > 0) {
                state.DataSet = &data->Counter();
                data->Counter().Initialize();
            }
        }
        if (!vertical && !dynamic_cast<TqbxOverlay*>(band))
            MoveIntoVerticalBands(*band, verticals);
    }

    // Bands 4 to 13 ordered by their position; a second band at the same position takes no part.
    std::map<std::string, TqbxBand*> byTop;
    for (TqbxBand* band : bands) {
        int number = band->BandNumber();
        if (number < kHeader || number > kGroupFooter)
            continue;
        char key[32];
        std::snprintf(key, sizeof key, "%9.2f", static_cast<double>(vertical ? band->Left() : band->Top()));
        byTop.emplace(key, band);
    }
    std::vector<TqbxBand*> list;
    for (const auto& entry : byTop)
        list.push_back(entry.second);
    auto leave = [&](TqbxBand* band) { list.erase(std::find(list.begin(), list.end(), band)); };

    // Groups: a run of group headers belongs to the data band below it; footers pair with headers.
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->BandNumber() != kGroupHeader || (i > 0 && list[i - 1]->BandNumber() == kGroupHeader))
            continue;
        std::vector<TqbxBand*> chain;
        std::size_t j = i;
        for (; j < list.size() && list[j]->BandNumber() == kGroupHeader; ++j)
            chain.push_back(list[j]);
        while (j < list.size() && (list[j]->BandNumber() < kMasterData || list[j]->BandNumber() > kDataBand6))
            ++j;
        State(*chain.front()).SubBands = chain;
        if (j < list.size())
            State(*list[j]).GroupBand = chain.front();
        else
            report_.Errors.Add(Res("enUnconnGroup") + " " + chain.front()->Name());
    }
    std::vector<TqbxBand*> openHeaders;
    for (TqbxBand* band : std::vector<TqbxBand*>(list)) {
        if (band->BandNumber() == kGroupHeader) {
            openHeaders.push_back(band);
        } else if (band->BandNumber() == kGroupFooter) {
            if (openHeaders.empty()) {
                report_.Errors.Add(Res("enUnconnGFooter") + " " + band->Name());
            } else {
                State(*openHeaders.back()).FooterBand = band;
                leave(openHeaders.back());
                openHeaders.pop_back();
            }
            leave(band);
        }
    }
    for (TqbxBand* header : openHeaders)
        leave(header);

    // Headers and footers directly around a data band.
    for (std::size_t i = 0; i < list.size(); ++i) {
        int number = list[i]->BandNumber();
        if (number < kMasterData || number > kDataBand6)
            continue;
        TqbxBand* data = list[i];
        if (i > 0 && list[i - 1]->BandNumber() == kHeader) {
            State(*data).HeaderBand = list[i - 1];
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(--i));
        }
        if (i + 1 < list.size() && list[i + 1]->BandNumber() == kFooter) {
            State(*data).FooterBand = list[i + 1];
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i + 1));
        }
    }
    for (TqbxBand* band : std::vector<TqbxBand*>(list))
        if (band->BandNumber() == kHeader || band->BandNumber() == kFooter) {
            report_.Errors.Add(Res("enUnconnHeader") + " " + band->Name());
            leave(band);
        }

    // Masters and their details, level by level.
    for (std::size_t i = 0; i < list.size();) {
        if (list[i]->BandNumber() != kMasterData) {
            ++i;
            continue;
        }
        TqbxBand* master = list[i];
        if (State(*master).DataSet)
            (vertical ? vMasterBands_ : masterBands_)[&page].push_back(master);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        CollectDetails(*master, list, i);
    }
    for (TqbxBand* band : list)
        report_.Errors.Add(Res("enBandPos") + " " + band->Name());
}

// Objects of a horizontal band that lie within a vertical band's extent become that band's cells.
void TqbxEngine::MoveIntoVerticalBands(TqbxBand& band, const std::vector<TqbxBand*>& verticals)
{
    std::vector<TqbxComponent*> objects(band.Objects().begin(), band.Objects().end());
    for (TqbxComponent* c : objects)
        for (TqbxBand* v : verticals) {
            long double left = c->AbsLeft(), vLeft = v->AbsLeft();
            if (left >= vLeft - 0.0001L && vLeft + v->Width() + 0.0001L >= left + c->Width()) {
                State(*c).OriginBand = &band;
                c->SetParent(v);
                c->SetLeft(left - vLeft);
                State(band).HasVBands = true;
                break;
            }
        }
}

void TqbxEngine::CollectDetails(TqbxBand& parent, std::vector<TqbxBand*>& list, std::size_t from)
{
    int level = parent.BandNumber();
    for (std::size_t i = from; i < list.size();) {
        TqbxBand* band = list[i];
        int number = band->BandNumber();
        if (number <= level)
            return;
        if (number != level + 1) {
            ++i;
            continue;
        }
        if (State(*band).DataSet)
            State(parent).SubBands.push_back(band);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        if (number != kDataBand6)
            CollectDetails(*band, list, i);
    }
}

bool TqbxEngine::CheckDataSets()
{
    TqbxDataSet* reportData = report_.DataSet();
    for (int i = 0; i < report_.PagesCount(); ++i) {
        auto* page = dynamic_cast<TqbxReportPage*>(report_.Pages(i));
        if (!page)
            continue;
        if (reportData && reportData == page->DataSet()) {
            report_.Errors.Add("Cannot use the same dataset for Report.DataSet and Page.DataSet");
            return false;
        }
        for (TqbxBand* band : masterBands_[page]) {
            TqbxDataSet* data = State(*band).DataSet;
            if (reportData && data == reportData) {
                report_.Errors.Add("Cannot use the same dataset for Report.DataSet and Band.DataSet");
                break;
            }
            if (page->DataSet() && data == page->DataSet()) {
                report_.Errors.Add("Cannot use the same dataset for Page.DataSet and Band.DataSet");
                break;
            }
        }
    }
    return report_.Errors.Empty();
}

// Each object's shift list holds the objects directly below it that it pushes down when it grows.
void TqbxEngine::BuildShiftTree(TqbxBand& band)
{
    if (State(band).ShiftTreeBuilt)
        return;
    State(band).ShiftTreeBuilt = true;
    ShiftSentinel sentinel(band);
    std::vector<TqbxComponent*> order(band.Objects().begin(), band.Objects().end());
    std::stable_sort(order.begin(), order.end(), [](const TqbxComponent* a, const TqbxComponent* b) {
        return std::round(a->Top() * 100) < std::round(b->Top() * 100);
    });
    order.insert(order.begin(), &sentinel);
    for (TqbxComponent* c : order)
        State(*c).ShiftList.clear();
    auto top = [](const TqbxComponent* c) { return c->AbsTop(); };
    auto bottom = [](const TqbxComponent* c) { return c->AbsTop() + c->Height(); };
    for (std::size_t a = 0; a < order.size(); ++a) {
        TqbxComponent& A = *order[a];
        for (std::size_t b = a + 1; b < order.size(); ++b) {
            TqbxComponent& B = *order[b];
            if (OverlapsVertically(top(&A), bottom(&A), top(&B), bottom(&B)) || !(top(&A) < top(&B))
                || !OverlapsHorizontally(A, B))
                continue;
            long double left = std::max(A.AbsLeft(), B.AbsLeft());
            long double right = std::min(A.AbsLeft() + A.Width(), B.AbsLeft() + B.Width());
            bool screened = false;
            for (std::size_t c = a + 1; c < b && !screened; ++c) {
                const TqbxComponent& C = *order[c];
                screened = !OverlapsVertically(top(&A), bottom(&A), top(&C), bottom(&C))
                    && !OverlapsVertically(top(&B), bottom(&B), top(&C), bottom(&C)) && C.AbsLeft() < right - 0.0001L
                    && C.AbsLeft() + C.Width() > left + 0.0001L;
            }
            if (!screened)
                State(A).ShiftList.push_back(&B);
        }
    }
    State(static_cast<TqbxComponent&>(band)).ShiftList = State(static_cast<TqbxComponent&>(sentinel)).ShiftList;
    objects_.erase(&sentinel);
}

} // namespace qbx
