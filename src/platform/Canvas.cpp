// The canvas operations that every implementation shares.
#include "platform/Canvas.h"

#include "platform/Metafile.h"

#include <array>
#include <numeric>

namespace qbx {

void Canvas::LineTo(int x, int y)
{
    DrawLine(penPos_, { x, y });
    penPos_ = { x, y };
}

std::vector<int> Canvas::CumulativeExtents(std::u16string_view text)
{
    std::vector<int> extents = CharAdvances(text);
    std::partial_sum(extents.begin(), extents.end(), extents.begin());
    return extents;
}

TSize Canvas::TextExtent(std::u16string_view text)
{
    std::vector<int> advances = CharAdvances(text);
    return { std::accumulate(advances.begin(), advances.end(), 0), FontMetrics().Height };
}

void Canvas::DrawMetafile(const TRect& dest, const Metafile& picture)
{
    picture.PlayOn(*this, dest);
}

std::span<const int> PenDashPattern(TPenStyle style)
{
    static constexpr std::array<int, 1> kSolid = { 1 };
    static constexpr std::array<int, 2> kDash = { 18, 6 };
    static constexpr std::array<int, 2> kDot = { 3, 3 };
    static constexpr std::array<int, 4> kDashDot = { 9, 6, 3, 6 };
    static constexpr std::array<int, 6> kDashDotDot = { 9, 3, 3, 3, 3, 3 };
    switch (style) {
    case psSolid:
        return kSolid;
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
        return kDashDot;
    case psDashDotDot:
        return kDashDotDot;
    }
    return kSolid;
}

} // namespace qbx
