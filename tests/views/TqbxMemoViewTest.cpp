// The memo on the deterministic test font: a 10-point line is 83 / 6.25 + 2 = 15.28 page units high and a
// character 42 / 6.25 = 6.72 wide; the text rectangle lies 2 units in from the sides and 1 from top and
// bottom, and the right and bottom edges count inclusively.
#include "views/TqbxMemoView.h"

#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/LinesOf.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

class MemoTest : public testing::Test
{
protected:
    MemoTest()
    {
        page = new TqbxReportPage(&report);
        memo = NewMemo();
        report.Variables.Set("Sum", Variant(12.5));
        report.Variables.Set("Price", Variant(3.14159));
        report.Variables.Set("Zero", Variant(0));
        report.Variables.Set("ZeroFloat", Variant(0.0));
        report.Variables.Set("Day", Variant::FromDate(EncodeDate(2026, 3, 5)));
        report.Variables.Set("No", Variant(false));
        report.Variables.Set("Epoch", Variant::FromDate(0));
        auto* orders = new TqbxUserDataSet(&report);
        orders->SetUserName("Orders");
        orders->OnGetValue = [](const std::string&, Variant& value) { value = Variant(7); };
        report.DataSets.Add();
        report.DataSets.Item(0)->SetDataSetName("Orders");
        report.OnGetValue = [](const std::string& name, Variant& value) {
            if (name == "Digit")
                value = Variant("0");
        };
    }
    TqbxMemoView* NewMemo(const std::u16string& text = u"", long double width = 100, long double height = 50)
    {
        auto* m = new TqbxMemoView(page);
        m->SetBounds(0, 0, width, height);
        m->Memo.SetText(text);
        return m;
    }
    // The memo's text after one record's GetData.
    std::string Expanded(const std::u16string& text)
    {
        memo->Memo.SetText(text);
        memo->BeforePrint();
        memo->GetData();
        std::string out = memo->Memo.JoinedUtf8();
        memo->AfterPrint();
        return out;
    }
    std::vector<std::u16string> Lines(const TqbxCustomMemoView& m) const { return LinesOf(m.Memo); }

    fake::FakePlatform platform;
    TqbxReport report;
    TqbxReportPage* page = nullptr;
    TqbxMemoView* memo = nullptr;
};

TEST_F(MemoTest, ExpandsExpressionsWithInlineFormats)
{
    struct Case
    {
        const char16_t* text;
        const char* expected;
    };
    const Case cases[] = {
        { u"Total: [Sum] EUR", "Total: 12.5 EUR" }, { u"[Price #n%2.2f]", "3.14" },
        { u"[Price #n%2,2f]", "3,14" }, // the last separator character is the one printed
        { u"[Day #dd.mm.yyyy]", "5.03.2026" }, // the kind letter d is consumed
        { u"[totalpages#] and [CopyName#]", "[TotalPages#] and [CopyName#]" }, // resolved when drawn
        { u"[Zero]|[ZeroFloat]|[Digit]", "0|0|0" }, { u"no brackets", "no brackets" },
        { u"[Orders.\"Qty\"] on page [Page#]", "7 on page 1" }, // a listed data set's field, a system variable
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(Expanded(c.text), c.expected);
    }
    memo->HideZeros = true;
    EXPECT_EQ(Expanded(u"[Zero]|[ZeroFloat]|[Digit]"), "||0") << "a string holding 0 is no zero";
    EXPECT_EQ(Lines(*memo), (std::vector<std::u16string> { u"[Zero]|[ZeroFloat]|[Digit]" }))
        << "AfterPrint restores the template";
    EXPECT_EQ(Expanded(u"[No]|[Epoch]|[Day #dd.mm.yyyy]"), "||5.03.2026") << "False and date 0 are zeros too";

    memo->Memo.SetText(u"[TotalPages] pages");
    memo->TotalPages = 4;
    EXPECT_EQ(memo->GetComponentText(), "4 pages\r\n");

    memo->ExpressionDelimiters = "<%,%>";
    memo->HideZeros = false;
    EXPECT_EQ(Expanded(u"<%Zero%> of [Zero]"), "0 of [Zero]");
}

TEST_F(MemoTest, WholeExpressionsReachTheCalculator)
{
    // Expressions that are no bare names wait for the script engine; the error names what was scanned.
    const std::pair<const char16_t*, const char*> cases[] = {
        { u"[Format(Price #, 1)]", "'Format(Price #, 1)'" }, // a ")" after " #": no inline format
        { u"[IIF([Qty] > 0, 'yes', 'no')]", "'IIF([Qty] > 0, 'yes', 'no')'" }, // nested brackets
        { u"[Pick(']', 2)] tail", "'Pick(']', 2)'" }, // a "]" in quotes does not close
    };
    for (const auto& [text, named] : cases) {
        SCOPED_TRACE(named);
        try {
            Expanded(text);
            ADD_FAILURE();
        } catch (const ENotAvailable& e) {
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
        }
    }
}

TEST_F(MemoTest, ValueFeedsTheHighlightCondition)
{
    memo->Highlight.Condition = "Value";
    EXPECT_EQ(Expanded(u"[Sum]"), "12.5");
    EXPECT_EQ(memo->Value.AsFloat(), 12.5);
    EXPECT_TRUE(memo->Highlight.Active);
    EXPECT_EQ(Expanded(u"[Zero]"), "0");
    EXPECT_FALSE(memo->Highlight.Active);
}

TEST_F(MemoTest, DataFieldsAndSuppressedRepeats)
{
    auto* customers = new TqbxUserDataSet(&report);
    customers->SetUserName("Customers");
    std::vector<std::string> cities { "Paris", "Paris", "Paris", "Rome" };
    customers->OnGetValue = [&](const std::string&, Variant& value) {
        value = Variant(cities[static_cast<std::size_t>(customers->RecNo)]);
    };
    memo->SetDataSet(customers);
    memo->DataField = "City";
    memo->SuppressRepeated = true;
    std::vector<std::string> printed;
    for (customers->RecNo = 0; customers->RecNo < 4; ++customers->RecNo)
        printed.push_back(Expanded(u"ignored"));
    EXPECT_EQ(printed, (std::vector<std::string> { "Paris", "", "", "Rome" }));

    TqbxMemoView loose; // belongs to no report: nothing to evaluate, but repeats are still suppressed
    loose.SuppressRepeated = true;
    std::vector<int> counts;
    for (int record = 0; record < 2; ++record) {
        loose.Memo.SetText(u"same");
        loose.GetData();
        counts.push_back(loose.Memo.Count());
    }
    EXPECT_EQ(counts, (std::vector<int> { 1, 0 }));

    memo->SuppressRepeated = false;
    memo->DisplayFormat.Kind = fkNumeric;
    memo->DisplayFormat.FormatStr = "%2.2f";
    customers->OnGetValue = [](const std::string&, Variant& value) { value = Variant(2.5); };
    EXPECT_EQ(Expanded(u""), "2.50");
    EXPECT_EQ(memo->Value.AsFloat(), 2.5);
}

TEST_F(MemoTest, MeasuresHeightAndWidth)
{
    memo->Memo.SetText(u"aaa bbb ccc");
    memo->SetWidth(43); // 40 units of text: five characters a line
    EXPECT_EQ(memo->CalcHeight(), 48); // round(3 * 15.28 + 2)
    EXPECT_EQ(memo->CalcWidth(), 78); // round(11 * 6.72 + 4) on one unbounded line
    memo->Frame.Typ = ftLeft | ftRight | ftTop | ftBottom;
    memo->Frame.SetWidth(3);
    EXPECT_EQ(memo->CalcHeight(), 50); // round(45.84 + 2 + (3 - 1) / 2 + 3 / 2)
}

TEST_F(MemoTest, SplitsAtTheLastWholeLine)
{
    memo->Memo.SetText(u"aaa bbb ccc");
    memo->SetBounds(0, 0, 43, 38); // 38 units hold 2.49 lines
    memo->InitPart();
    EXPECT_NEAR(memo->DrawPart(), 38 - 2 * 15.28, 1e-9);
    EXPECT_EQ(Lines(*memo), (std::vector<std::u16string> { u"aaa bbb " }));
    EXPECT_TRUE(memo->LastParaBreak);
    std::string diff = memo->Diff(TqbxMemoView());
    EXPECT_NE(diff.find(" LastParaBreak=\"1\""), std::string::npos);
    EXPECT_EQ(diff.find("FirstParaBreak"), std::string::npos);
    EXPECT_TRUE(memo->FirstParaBreak) << "the next part continues the paragraph";
    EXPECT_FALSE(memo->LastParaBreak);

    EXPECT_NEAR(memo->DrawPart(), 38 - 2 * 15.28, 1e-9) << "what two lines leave of the height";
    EXPECT_EQ(Lines(*memo), (std::vector<std::u16string> { u"ccc" }));
    EXPECT_FALSE(memo->LastParaBreak);
    EXPECT_FALSE(memo->HasPartLeft());
    EXPECT_NE(memo->Diff(TqbxMemoView()).find(" u=\"ccc\" FirstParaBreak=\"1\""), std::string::npos);

    memo->Memo.SetText(u"aaa");
    memo->SetHeight(10); // lower than one line
    memo->InitPart();
    EXPECT_EQ(memo->DrawPart(), 10);
    EXPECT_EQ(memo->Memo.Count(), 0);

    // Text rectangles more than a line below zero place nothing either, and keep all the text.
    struct Row
    {
        const char* name;
        long double height, gapY, frameWidth, shadowWidth;
    };
    for (const Row& row : { Row { "height 0 with GapY 10", 0, 10, 1, 4 }, Row { "negative height", -40, 1, 1, 4 },
             Row { "frame wider than the memo", 30, 1, 60, 4 }, Row { "wide shadow", 30, 1, 1, 70 } }) {
        SCOPED_TRACE(row.name);
        memo->Memo.SetText(u"aaa\r\nbbb\r\nccc");
        memo->SetHeight(row.height);
        memo->GapY = row.gapY;
        memo->Frame.SetWidth(row.frameWidth);
        memo->Frame.Typ = ftLeft | ftRight | ftTop | ftBottom;
        memo->Frame.DropShadow = true;
        memo->Frame.ShadowWidth = row.shadowWidth;
        memo->InitPart();
        EXPECT_EQ(memo->DrawPart(), row.height);
        EXPECT_EQ(memo->Memo.Count(), 0);
        EXPECT_TRUE(memo->HasPartLeft());
    }
}

TEST_F(MemoTest, FlowsTheRestIntoAnotherMemo)
{
    TqbxMemoView* second = NewMemo(u"[Sum]");
    memo->SetBounds(0, 0, 43, 38);
    memo->SetFlowTo(second);
    EXPECT_EQ(Expanded(u"aaa bbb ccc"), "aaa bbb ");
    EXPECT_EQ(Lines(*second), (std::vector<std::u16string> { u"ccc" }));
    EXPECT_FALSE(second->AllowExpressions);
}

TEST_F(MemoTest, DiffWritesTheTextAndWhatDiffers)
{
    memo->Memo.SetText(u"a<b>\r\n\"c\"");
    memo->HAlign = haRight;
    memo->GapX = 3;
    TqbxMemoView reference;
    EXPECT_EQ(memo->Diff(reference).substr(memo->Diff(reference).find(" GapX")),
        " GapX=\"3\" HAlign=\"1\" u=\"a&#60;b&#62;&#13;&#10;&#34;c&#34;\"");
    memo->Memo.Clear();
    EXPECT_NE(memo->Diff(reference).find(" u=\"\""), std::string::npos);
}

std::vector<std::u16string> DrawnTexts(const fake::RecordingCanvas& canvas)
{
    std::vector<std::u16string> out;
    for (const CanvasCommand& c : canvas.Commands())
        if (c.Type == CanvasCommand::TextOut)
            out.push_back(c.Text);
    return out;
}

TEST_F(MemoTest, DrawResolvesPageMarkersAndFitsAutoWidth)
{
    memo->Memo.SetText(u"[TotalPages#] [CopyName#]");
    memo->TotalPages = 12;
    memo->CopyNo = 2;
    qbxGlobalVariables().Set("CopyName2", Variant("copy"));
    memo->SetBounds(100, 0, 200, 20);
    memo->HAlign = haRight;
    memo->AutoWidth = true;
    fake::RecordingCanvas canvas;
    memo->Draw(canvas, 1, 1, 0, 0);
    qbxGlobalVariables().Delete(qbxGlobalVariables().IndexOf("CopyName2"));
    EXPECT_EQ(DrawnTexts(canvas), (std::vector<std::u16string> { u"12 copy" }));
    EXPECT_EQ(Lines(*memo), (std::vector<std::u16string> { u"[TotalPages#] [CopyName#]" }))
        << "the markers stay in the text";
    EXPECT_NEAR(memo->Width(), 7 * 6.72 + 4, 1e-9);
    EXPECT_NEAR(memo->Left() + memo->Width(), 300, 1e-9) << "the right edge stays where it was";
}

TEST_F(MemoTest, DrawShowsTheHighlightAndTheFieldInDesignMode)
{
    memo->Memo.SetText(u"x");
    memo->Highlight.Active = true;
    memo->Highlight.Color = clYellow;
    fake::RecordingCanvas lit;
    memo->Draw(lit, 1, 1, 0, 0);
    ASSERT_FALSE(lit.Commands().empty());
    EXPECT_EQ(lit.Commands()[0].Type, CanvasCommand::FillRect);
    EXPECT_EQ(lit.Commands()[0].Brush.Color, clYellow);
    EXPECT_EQ(memo->Color, clNone) << "the highlight's fill lasts for the drawing only";

    auto* customers = new TqbxUserDataSet(&report);
    customers->SetUserName("Customers");
    memo->SetDataSet(customers);
    memo->DataField = "City";
    memo->SetDesigning(true);
    memo->SetWidth(200);
    fake::RecordingCanvas design;
    memo->Draw(design, 1, 1, 0, 0);
    EXPECT_EQ(DrawnTexts(design), (std::vector<std::u16string> { u"[Customers.\"City\"]" }));
}

TEST_F(MemoTest, TextRectangleAndUnderlines)
{
    memo->SetBounds(10, 20, 100, 50);
    memo->Frame.Typ = ftLeft | ftTop;
    memo->Frame.SetWidth(2);
    memo->Underlines = true;
    memo->Memo.SetText(u"a");
    fake::RecordingCanvas canvas;
    memo->Draw(canvas, 2, 2, 0, 0);
    // left = 20 + round((4 - 1) / 2) + 4, top = 40 + 2 + 2, right = 220 - 4 + 1, bottom = 140 - 2 + 1.
    EXPECT_EQ(memo->TextRect(), (TRect { 26, 44, 217, 139 }));
    std::vector<int> rules;
    for (const CanvasCommand& c : canvas.Commands())
        if (c.Type == CanvasCommand::Line && c.Points[0].X == 20 && c.Points[1].X == 220)
            rules.push_back(c.Points[0].Y);
    // The top frame line, then rules every 15.28 * 2 from 40 + 30.56 + (1 - 2 + 1) * 2 while below 140.
    EXPECT_EQ(rules, (std::vector<int> { 40, 71, 101, 132 }));
}

} // namespace
} // namespace qbx
