// Placing child views by their Align property.
#include "report/TqbxComponent.h"

#include <algorithm>
#include <cstdio>

namespace qbx {
namespace {

enum : int { kNone, kLeft, kRight, kCenter, kWidth, kBottom, kClient }; // the view alignments' ordinals

// Left as text: "1" and the value for Left >= 0, "0" and its magnitude otherwise; the order sorts by it.
std::string OrderKey(const TqbxComponent& c)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%9.2f", static_cast<double>(c.Left() >= 0 ? c.Left() : -c.Left()));
    return (c.Left() >= 0 ? "1" : "0") + std::string(buffer);
}

bool Overlap(const TqbxComponent& a, const TqbxComponent& b)
{
    return !(a.AbsTop() >= b.AbsTop() + b.Height() - 0.0001L || b.AbsTop() >= a.AbsTop() + a.Height() - 0.0001L);
}

} // namespace

void TqbxComponent::AlignChildren()
{
    std::vector<TqbxComponent*> views;
    for (TqbxComponent* child : objects_)
        if (child->ViewAlign() >= 0)
            views.push_back(child);
    std::stable_sort(views.begin(), views.end(),
        [](const TqbxComponent* a, const TqbxComponent* b) { return OrderKey(*a) < OrderKey(*b); });
    for (std::size_t i = 0; i < views.size(); ++i) {
        TqbxComponent& v = *views[i];
        if (v.ViewAlign() != kLeft && v.ViewAlign() != kWidth)
            continue;
        long double left = 0;
        for (std::size_t j = i; j-- > 0;) {
            const TqbxComponent& n = *views[j];
            if (!Overlap(v, n) || (v.ViewAlign() == kWidth && n.Left() > v.Left()))
                continue;
            left = n.Left() + n.Width();
            break;
        }
        v.SetLeft(left);
    }
    for (std::size_t i = views.size(); i-- > 0;) {
        TqbxComponent& v = *views[i];
        if (v.ViewAlign() != kRight && v.ViewAlign() != kWidth)
            continue;
        long double edge = width_;
        for (std::size_t j = i + 1; j < views.size(); ++j) {
            const TqbxComponent& n = *views[j];
            if (!Overlap(v, n) || (v.ViewAlign() == kWidth && n.Left() + n.Width() < v.Left() + v.Width()))
                continue;
            edge = n.Left();
            break;
        }
        if (v.ViewAlign() == kRight)
            v.SetLeft(edge - v.Width());
        else
            v.SetWidth(edge - v.Left());
    }
    for (TqbxComponent* child : objects_) {
        switch (child->ViewAlign()) {
        case kCenter:
            child->SetLeft((width_ - child->Width()) / 2);
            break;
        case kBottom:
            child->SetTop(height_ - child->Height());
            break;
        case kClient:
            child->SetBounds(0, 0, width_, height_);
            break;
        default:
            break;
        }
    }
}

} // namespace qbx
