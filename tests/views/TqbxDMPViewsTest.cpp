// Dot-matrix objects snap to the 9.6 x 17 character grid and take printer fonts.
#include "views/TqbxDMPViews.h"

#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "report/TqbxBands.h"
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxDMPViews, GeometrySnapsToTheCharacterGrid)
{
    TqbxDMPMemoView memo;
    memo.SetBounds(14.5, 25, 100, 30);
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.Left()), 19.2); // round(1.51) x 9.6
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.Top()), 17);
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.Width()), 96);
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.Height()), 34);
    memo.Align = baRight;
    memo.SetLeft(18);
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.Left()), 9.6) << "right-aligned memos truncate";

    TqbxDMPLineView line;
    line.SetLeft(20);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Left()), 24); // trunc(2.08) x 9.6 + 4.8
    line.SetLeft(-20);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Left()), -24);
    line.SetTop(40);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Top()), 42.5);
    line.Align = baWidth;
    line.SetWidth(100);
    EXPECT_DOUBLE_EQ(static_cast<double>(line.Width()), 96);

    TqbxDMPCommand command;
    command.SetBounds(14.5, 25, 3, 3);
    EXPECT_DOUBLE_EQ(static_cast<double>(command.Left()), 19.2);
    EXPECT_DOUBLE_EQ(static_cast<double>(command.Width()), 3) << "a command's size does not snap";
}

TEST(TqbxDMPViews, PaperHoldsWholeCharacterCells)
{
    constexpr double m = 3.77953; // page units per millimetre
    TqbxDMPPage page;
    page.SetDefaults();
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 82 * 9.6 / m, 1e-8) << "82 whole columns of A4: 208.28 mm";
    EXPECT_NEAR(static_cast<double>(page.PaperHeight()), 66 * 17 / m, 1e-8) << "66 whole lines";
    EXPECT_DOUBLE_EQ(static_cast<double>(page.LeftMargin), 9.6 / m);
    EXPECT_DOUBLE_EQ(static_cast<double>(page.RightMargin), 9.6 / m);
    EXPECT_DOUBLE_EQ(static_cast<double>(page.TopMargin), 17 / m);
    EXPECT_DOUBLE_EQ(static_cast<double>(page.BottomMargin), 17 / m);
    EXPECT_EQ(page.PaperSize(), 9);

    page.SetPaperSize(9); // setting rounds: 82.68 columns become 83, 66.03 lines 66
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 83 * 9.6 / m, 1e-8);
    EXPECT_NEAR(static_cast<double>(page.PaperHeight()), 66 * 17 / m, 1e-8);
    EXPECT_EQ(page.PaperSize(), 9) << "the paper keeps its name";
    page.SetPaperWidth(100);
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 39 * 9.6 / m, 1e-8); // 39.37 columns
    page.SetPaperHeight(100);
    EXPECT_NEAR(static_cast<double>(page.PaperHeight()), 22 * 17 / m, 1e-8); // 22.23 lines

    TqbxReportPage plain;
    plain.SetDefaults();
    EXPECT_EQ(plain.PaperWidth(), 210) << "ordinary pages do not snap";
}

TEST(TqbxDMPViews, PrinterStylesChooseTheFont)
{
    TqbxReport report;
    auto* page = new TqbxDMPPage(&report);
    auto* band = new TqbxReportTitle(page);
    band->SetBounds(5, 20, 100, 20);
    EXPECT_DOUBLE_EQ(static_cast<double>(band->Left()), 9.6) << "bands on a dot-matrix page snap too";
    EXPECT_DOUBLE_EQ(static_cast<double>(band->Top()), 17);
    auto* memo = new TqbxDMPMemoView(band);
    EXPECT_EQ(memo->LineSpacing, 1);
    EXPECT_EQ(memo->GapX, 0);
    page->SetFontStyle(fsxBold | fsxCondensed);
    EXPECT_EQ(page->Font().Name(), "Courier New");
    EXPECT_EQ(page->Font().Size(), 12);
    EXPECT_EQ(memo->Font().Style(), fsBold) << "objects that follow their parent's font take the page's";
    EXPECT_EQ(memo->FontStyle, fsxBold | fsxCondensed);
    memo->SetFontStyle(fsxItalic | fsxUnderline);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Font().Style(), fsItalic | fsUnderline);
}

TEST(TqbxDMPViews, MemoMeasuresInCellsAndFramesOutsideThem)
{
    // Courier New 12 on the test font: characters 8 units wide, lines 100 / 6.25 + 1 = 17 high.
    fake::FakePlatform platform;
    TqbxDMPMemoView memo;
    memo.SetBounds(96, 17, 96, 17);
    memo.Memo.SetText(u"abc");
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.CalcWidth()), 19.2); // 24 is 2.5 cells: two, half to even
    memo.Memo.SetText(u"abcd\r\nefgh");
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.CalcWidth()), 28.8);
    EXPECT_DOUBLE_EQ(static_cast<double>(memo.CalcHeight()), 34);

    memo.Frame.Typ = ftTop;
    fake::RecordingCanvas canvas;
    memo.Draw(canvas, 1, 1, 0, 0);
    std::vector<CanvasCommand> lines;
    for (const CanvasCommand& c : canvas.Commands())
        if (c.Type == CanvasCommand::Line)
            lines.push_back(c);
    ASSERT_EQ(lines.size(), 1u);
    // Half a cell out: round(96 - 4.8) = 91, round(17 - 8.5) = 8, round(192 + 4.8) = 197.
    EXPECT_EQ(lines[0].Points[0], (TPoint { 91, 8 }));
    EXPECT_EQ(lines[0].Points[1], (TPoint { 197, 8 }));

    memo.SetFontStyle(fsxBold);
    EXPECT_NE(memo.Diff(TqbxDMPMemoView()).find(" FontStyle=\"1\""), std::string::npos);
    EXPECT_EQ(memo.Diff(memo).find("FontStyle"), std::string::npos);

    TqbxDMPLineView line; // draws as its base does: a straight frame line through the cells' middle
    line.SetBounds(20, 40, 0, 50);
    fake::RecordingCanvas lineCanvas;
    line.Draw(lineCanvas, 1, 1, 0, 0);
    ASSERT_EQ(lineCanvas.Commands().size(), 1u);
    EXPECT_EQ(lineCanvas.Commands()[0].Points, (std::vector<TPoint> { { 24, 42 }, { 24, 92 } }));
}

TEST(TqbxDMPViews, PreparedPagesRecordPrinterStylesAndCommands)
{
    TqbxDMPLineView line, plainLine;
    line.SetFontStyle(fsxBold | fsxUnderline);
    EXPECT_NE(line.Diff(plainLine).find(" FontStyle=\"5\""), std::string::npos);
    EXPECT_EQ(plainLine.Diff(plainLine).find("FontStyle"), std::string::npos);

    TqbxDMPCommand command, reference;
    EXPECT_EQ(command.StyleFlags() & sfFullAttributes, 0) << "recorded by its Diff";
    command.Command = "\x1B<E>";
    EXPECT_NE(command.Diff(reference).find(" Command=\"\x1B&#60;E&#62;\""), std::string::npos);
    EXPECT_EQ(command.Diff(command).find("Command"), std::string::npos);
}

} // namespace
} // namespace qbx
