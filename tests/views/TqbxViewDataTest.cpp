// A view's print-time data and its difference text.
#include "base/Exceptions.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxView.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ViewData, TagStrAndUrlExpandThroughTheReport)
{
    TqbxReport report;
    report.Variables.Set("Customer", Variant(17));
    // A report variable holding text would be evaluated as an expression; the host supplies plain text.
    report.OnGetValue = [](const std::string& name, Variant& value) {
        if (name == "Site")
            value = Variant("example.invalid");
    };
    auto* view = new TqbxView(&report);
    view->TagStr = "ID=[Customer]";
    view->URL = "http://[Site]/[Customer]";
    view->BeforePrint();
    view->GetData();
    EXPECT_EQ(view->TagStr, "ID=17");
    EXPECT_EQ(view->URL, "http://example.invalid/17");
    view->AfterPrint();
    EXPECT_EQ(view->TagStr, "ID=[Customer]") << "AfterPrint restores the template text";

    view->TagStr = "plain text";
    view->URL = "http://example.invalid/list?[";
    view->GetData();
    EXPECT_EQ(view->TagStr, "plain text");
    EXPECT_EQ(view->URL, "http://example.invalid/list?[") << "a final [ opens no expression";
    view->TagStr = "[Missing]";
    try {
        view->GetData();
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Unknown variable or datafield: 'Missing'");
    }
    view->TagStr = "[1 + 2]";
    EXPECT_THROW(view->GetData(), ENotAvailable) << "expressions wait for the script engine";
}

TEST(ViewData, DiffWritesWhatDiffersWithTheFrameRules)
{
    TqbxView a, b;
    a.SetBounds(1, 2, 3, 4);
    b.SetBounds(1, 2, 3, 4);
    EXPECT_EQ(a.Diff(b), "");
    a.Color = clRed;
    a.Printable = false;
    a.TagStr = "a<b";
    a.Frame.SetColor(clBlue); // all lines follow the frame: only the frame's colour is written
    a.Frame.TopLine.Color = clLime;
    EXPECT_EQ(a.Diff(b),
        " Color=\"255\" Frame.Color=\"16711680\" Frame.TopLine.Color=\"65280\" Printable=\"0\""
        " TagStr=\"a&#60;b\"");

    TqbxView c, d;
    c.Frame.LeftLine.Width = 3; // the frame's own width is unchanged: the line is compared with its namesake
    EXPECT_EQ(c.Diff(d), " Frame.LeftLine.Width=\"3\"");

    TqbxShapeView s1, s2;
    s1.Shape = skEllipse;
    EXPECT_EQ(s1.Diff(s2), " Shape=\"2\"");
    TqbxPictureView p1, p2;
    EXPECT_EQ(p1.Diff(p2), " ImageIndex=\"-1\"");
}

} // namespace
} // namespace qbx
