// Views placed by their Align inside their parent.
#include "report/TqbxBands.h"
#include "views/TqbxView.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TqbxView* View(
    TqbxComponent* parent, TqbxAlign align, long double left, long double top, long double width, long double height)
{
    auto* v = new TqbxView(parent);
    v->Align = align;
    v->SetBounds(left, top, width, height);
    return v;
}

TEST(AlignChildren, LeftRightWidthCenterBottomClient)
{
    TqbxMasterData band;
    band.SetBounds(0, 0, 500, 100);
    TqbxView* first = View(&band, baLeft, 40, 10, 50, 20);
    TqbxView* second = View(&band, baLeft, 200, 15, 60, 20);
    TqbxView* alone = View(&band, baLeft, 300, 60, 30, 20); // overlaps nobody vertically
    TqbxView* right = View(&band, baRight, 400, 10, 70, 20);
    TqbxView* filler = View(&band, baWidth, 250, 12, 10, 10);
    band.AlignChildren();
    EXPECT_EQ(first->Left(), 0);
    EXPECT_EQ(second->Left(), 50) << "a second left-aligned view stacks after the first";
    EXPECT_EQ(alone->Left(), 0);
    EXPECT_EQ(right->Left(), 430);
    EXPECT_EQ(filler->Left(), 110);
    EXPECT_EQ(filler->Width(), 320) << "a width-aligned view fills the gap between its neighbours";

    TqbxMasterData other;
    other.SetBounds(0, 0, 200, 80);
    TqbxView* center = View(&other, baCenter, 0, 0, 50, 10);
    TqbxView* bottom = View(&other, baBottom, 0, 0, 50, 10);
    TqbxView* client = View(&other, baClient, 5, 5, 5, 5);
    other.AlignChildren();
    EXPECT_EQ(center->Left(), 75);
    EXPECT_EQ(bottom->Top(), 70);
    EXPECT_EQ(client->Width(), 200);
    EXPECT_EQ(client->Height(), 80);
}

} // namespace
} // namespace qbx
