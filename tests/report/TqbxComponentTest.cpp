// The component tree: names, lookup, geometry, font inheritance and differences.
#include "TestComponents.h"
#include "base/Exceptions.h"
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

using test::ProbeBand;
using test::ProbeDialogPage;
using test::ProbeView;

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(TqbxComponent, RenamingFollowsTheThreeRules)
{
    TqbxReport report;
    auto* a = new ProbeView(&report);
    auto* b = new ProbeView(a);
    a->SetName("memo1");
    a->SetName("Memo1");
    EXPECT_EQ(a->Name(), "memo1") << "a change of case alone is ignored";
    EXPECT_EQ(ErrorOf([&] { b->SetName("MEMO1"); }), "prDupl");
    EXPECT_EQ(b->Name(), "");
    EXPECT_EQ(ErrorOf([&] { b->SetName("1st"); }), "'1st' is not a valid component name");
    EXPECT_EQ(ErrorOf([&] { b->SetName("a b"); }), "'a b' is not a valid component name");
    b->SetName("Other_2");
    b->SetAncestor(true);
    EXPECT_EQ(
        ErrorOf([&] { b->SetName("Renamed"); }), "Could not rename Other_2, it was introduced in the ancestor report");
    b->SetName(""); // an empty name is allowed and is not a rename check
    EXPECT_EQ(b->Name(), "");
}

TEST(TqbxComponent, FindObjectAndUniqueNames)
{
    TqbxReport report;
    auto* page = new ProbeDialogPage(&report);
    auto* first = new ProbeView(page);
    first->CreateUniqueName();
    EXPECT_EQ(first->Name(), "Probe1");
    auto* third = new ProbeView(page);
    third->SetName("Probe3");
    auto* second = new ProbeView(first);
    second->CreateUniqueName();
    EXPECT_EQ(second->Name(), "Probe2");
    EXPECT_EQ(report.FindObject("PROBE2"), second);
    EXPECT_EQ(report.FindObject("Missing"), nullptr);
    // Pre-order: an object before its children, children in list order.
    EXPECT_EQ(report.AllObjects(), (std::vector<TqbxComponent*> { page, first, second, third }));
    EXPECT_EQ(second->Report(), &report);
    EXPECT_EQ(second->Page(), page);
    EXPECT_EQ(second->Owner(), &report);
}

TEST(TqbxComponent, AbsolutePositionsStopAtADialogPage)
{
    TqbxReport report;
    auto* page = new ProbeView(&report);
    auto* band = new ProbeBand(page);
    auto* view = new ProbeView(band);
    page->SetLeft(10);
    band->SetBounds(20, 5, 100, 30);
    view->SetBounds(3, 4, 10, 10);
    EXPECT_EQ(view->AbsLeft(), 33);
    EXPECT_EQ(view->AbsTop(), 9);

    auto* dialog = new ProbeDialogPage(&report);
    dialog->SetLeft(200);
    auto* panel = new ProbeView(dialog);
    panel->SetLeft(7);
    auto* control = new ProbeView(panel);
    control->SetLeft(2);
    EXPECT_EQ(control->AbsLeft(), 9);
}

TEST(TqbxComponent, RestrictionsGuardGeometryOnlyWhileDesigning)
{
    ProbeView view;
    view.SetRestrictions(rfDontMove | rfDontSize);
    view.SetBounds(1, 2, 3, 4);
    EXPECT_EQ(view.Width(), 3);
    view.SetDesigning(true);
    view.SetBounds(9, 9, 9, 9);
    EXPECT_EQ(view.Left(), 1);
    EXPECT_EQ(view.Height(), 4);
}

TEST(TqbxComponent, FontsFollowTheParentUntilSetDirectly)
{
    TqbxReport report;
    auto* band = new ProbeBand(&report);
    auto* follower = new ProbeView(band);
    auto* own = new ProbeView(band);
    TqbxFont courier;
    courier.SetName("Courier New");
    own->SetFont(courier);
    EXPECT_FALSE(own->ParentFont());

    band->Font().SetSize(14);
    EXPECT_FALSE(band->ParentFont());
    EXPECT_EQ(follower->Font().Size(), 14);
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_EQ(own->Font().Size(), 10);
    EXPECT_EQ(own->Font().Name(), "Courier New");

    own->SetParentFont(true);
    EXPECT_EQ(own->Font().Name(), "Arial");
    EXPECT_EQ(own->Font().Size(), 14);

    auto* moved = new ProbeView(&report);
    moved->SetParent(band);
    EXPECT_EQ(moved->Font().Size(), 14);
    EXPECT_EQ(band->Objects().size(), 3u);
    EXPECT_THROW(band->SetParent(moved), EConvertError);
}

TEST(TqbxComponent, DestroyingAChildDetachesIt)
{
    TqbxReport report;
    auto* page = new ProbeView(&report);
    auto* child = new ProbeView(page);
    new ProbeView(child);
    delete child;
    EXPECT_TRUE(page->Objects().empty());
    report.Clear();
    EXPECT_TRUE(report.Objects().empty());
}

TEST(TqbxComponent, AssignCopiesPropertiesAndLeavesTheTargetChildless)
{
    test::RegisterProbes();
    TqbxReport report;
    auto* source = new ProbeView(&report);
    auto* target = new ProbeView(&report);
    source->SetName("Source");
    target->SetName("Target");
    source->SetLeft(42);
    source->SetVisible(false);
    new ProbeView(source);
    new ProbeView(target);
    target->Assign(*source);
    EXPECT_TRUE(target->Objects().empty());
    EXPECT_EQ(source->Objects().size(), 1u);
    EXPECT_EQ(target->Left(), 42);
    EXPECT_FALSE(target->Visible());
    EXPECT_EQ(target->Name(), "Target");
}

TEST(TqbxComponent, DiffListsWhatDiffers)
{
    ProbeView a, b;
    a.SetBounds(10, 20, 30, 40);
    b.SetBounds(10.00005L, 20, 30, 40);
    EXPECT_EQ(a.Diff(b), "") << "within 0.0001 counts as equal";
    ProbeBand band, bandCopy;
    EXPECT_EQ(band.Diff(bandCopy), " t=\"0\"") << "bands always carry their top";

    b.SetBounds(1.5L, 20, 31, 40);
    b.SetVisible(false);
    b.SetTag(7);
    TqbxFont font;
    font.SetName("A&B");
    font.SetStyle(fsBold | fsUnderline);
    b.SetFont(font);
    EXPECT_EQ(b.Diff(a),
        " l=\"1.5\" w=\"31\" Visible=\"0\" Font.Name=\"A&#38;B\" Font.Style=\"5\" ParentFont=\"0\" Tag=\"7\"");
}

} // namespace
} // namespace qbx
