// Defaults of the view classes that templates rely on.
#include "barcode/TqbxBarCodeView.h"
#include "report/ClassRegistry.h"
#include "report/TqbxDialogPage.h"
#include "report/TqbxReport.h"
#include "views/TqbxDMPViews.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ViewClasses, DefaultsAndStyleFlags)
{
    TqbxMemoView memo;
    EXPECT_EQ(memo.StyleFlags() & sfFullAttributes, 0) << "memos are recorded by their Diff";
    EXPECT_EQ(memo.GapX, 2);
    EXPECT_EQ(memo.ExpressionDelimiters, "[,]");
    EXPECT_EQ(memo.Highlight.Font.Color(), clRed);
    EXPECT_EQ(memo.BaseName(), "Memo");
    TqbxBarCodeView barcode;
    EXPECT_NE(barcode.StyleFlags() & sfFullAttributes, 0) << "barcodes keep their full attribute text";
    EXPECT_EQ(barcode.Text, "12345678");
    EXPECT_EQ(barcode.BarType, bcCode39);
    EXPECT_EQ(barcode.BaseName(), "BarCode");
    TqbxPictureView picture;
    EXPECT_EQ(picture.Color, clWhite);
    TqbxDialogPage dialog;
    EXPECT_EQ(dialog.Color, -16777201);
    EXPECT_EQ(dialog.Font().Name(), "Tahoma");
    EXPECT_TRUE(dialog.IsDialogPage());
}

TEST(ViewClasses, DesignerDescriptionsAreResourceKeys)
{
    // The resource table has no texts for these keys, so each shows as its key.
    TqbxMemoView memo;
    TqbxSysMemoView sysMemo;
    TqbxLineView line;
    TqbxShapeView shape;
    TqbxPictureView picture;
    TqbxDMPMemoView dmpMemo;
    TqbxDMPLineView dmpLine;
    TqbxDMPCommand command;
    const std::pair<const TqbxComponent*, const char*> cases[] = { { &memo, "obText" }, { &sysMemo, "obSysText" },
        { &line, "obLine" }, { &shape, "obShape" }, { &picture, "obPicture" }, { &dmpMemo, "obDMPText" },
        { &dmpLine, "obDMPLine" }, { &command, "obDMPCmd" } };
    for (const auto& [object, key] : cases)
        EXPECT_EQ(object->GetDescription(), key);
}

TEST(ViewClasses, MemoStylesApplyByName)
{
    TqbxReport report;
    auto* style = static_cast<TqbxStyleItem*>(report.Styles.Add());
    style->SetName("Heading");
    style->SetColor(clYellow);
    style->Font().SetSize(16);
    style->Frame().Typ = 15;
    auto* memo = new TqbxMemoView(&report);
    memo->SetStyle("HEADING");
    EXPECT_EQ(memo->Color, clYellow);
    EXPECT_EQ(memo->Font().Size(), 16);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Frame.Typ, 15);
}

TEST(ViewClasses, EveryCoreClassIsRegistered)
{
    RegisterStandardClasses();
    for (const char* name : { "TqbxChild", "TqbxColumnFooter", "TqbxColumnHeader", "TqbxCustomMemoView",
             "TqbxMasterData", "TqbxDetailData", "TqbxSubdetailData", "TqbxDataBand4", "TqbxDataBand5", "TqbxDataBand6",
             "TqbxDialogPage", "TqbxFooter", "TqbxFrame", "TqbxGroupFooter", "TqbxGroupHeader", "TqbxHeader",
             "TqbxHighlight", "TqbxLineView", "TqbxMemoView", "TqbxOverlay", "TqbxPageFooter", "TqbxPageHeader",
             "TqbxPictureView", "TqbxReport", "TqbxReportPage", "TqbxReportSummary", "TqbxReportTitle", "TqbxShapeView",
             "TqbxSubreport", "TqbxSysMemoView", "TqbxStyleItem", "TqbxNullBand", "TqbxCustomLineView", "TqbxDataPage",
             "TqbxDMPPage", "TqbxDMPMemoView", "TqbxDMPLineView", "TqbxDMPCommand", "TqbxBarCodeView" })
        EXPECT_NE(ClassRegistry::Instance().Find(name), nullptr) << name;
    EXPECT_EQ(ObjectRegistry::Instance().ImageIndexOf(*ClassRegistry::Instance().Find("TqbxDMPCommand")), 21);
}

} // namespace
} // namespace qbx
