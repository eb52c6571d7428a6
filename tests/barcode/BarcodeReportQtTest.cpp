// Barcodes in a report: bound to a data field, prepared, saved as a prepared report, read back, drawn
// to a PNG (left in the test output for a person to look at) and read by the zxing-cpp decoder.
#include "barcode/TqbxBarCodeView.h"
#include "cli/RunInputs.h"
#include "engine/TqbxPreviewPages.h"
#include "export/PageExportFilter.h"
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"
#include "report/ClassRegistry.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <filesystem>

#include <QImage>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// What the decoder reads in each barcode object's area of the page picture (with a quiet zone).
std::vector<std::string> Decode(TqbxPreviewPages& pages, const std::string& png, long double scale)
{
    QImage page = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_Grayscale8);
    std::vector<std::string> texts;
    for (TqbxComponent* c : pages.GetPage(0)->AllObjects()) {
        if (!dynamic_cast<TqbxBarCodeView*>(c))
            continue;
        TRect r = pages.SheetRect(0, *c, scale);
        QImage area = page.copy(r.Left - 40, r.Top - 40, r.Width() + 80, r.Height() + 80);
        ZXing::ImageView pixels(area.constBits(), area.width(), area.height(), ZXing::ImageFormat::Lum,
            static_cast<int>(area.bytesPerLine()));
        ZXing::DecodeHints hints;
        hints.setTryHarder(true);
        std::wstring text = ZXing::ReadBarcode(pixels, hints).text();
        texts.emplace_back(text.begin(), text.end());
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

TEST(BarcodeReport, BarcodesBoundToAFieldSurviveThePreparedReportAndScan)
{
    RegisterStandardClasses();
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/barcode";
    std::filesystem::create_directories(folder);
    {
        TqbxReport report;
        report.LoadFromFile(QBX_TEST_DATA "/templates-run/barcodes.qb3", true);
        cli::AttachCsvData(report, { { "Products", QBX_TEST_DATA "/templates-run/products.csv" } });
        ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
        report.PreviewPages().SaveToFile(folder + "/barcodes.qp3");
    }
    TqbxReport reader;
    reader.PreviewPages().LoadFromFile(folder + "/barcodes.qp3", true);
    ASSERT_EQ(reader.PreviewPages().PageCount(), 1);
    std::string png = folder + "/barcodes.png";
    ExportSettings settings { png, "", 200, false, "", 0 };
    auto filter = CreateExportFilter(reader.PreviewPages(), settings);
    ASSERT_TRUE(reader.PreviewPages().Export(*filter));
    std::vector<std::string> expected
        = { "4006381333931", "5901234123457", "96385074", "9780201379624", "QBX-39W", "qbx labels" };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Decode(reader.PreviewPages(), png, 200.0L / 96), expected) << "see " << png;
}

TEST(BarcodeReport, TextTheSymbologyCannotEncodeShowsTheMessageAndIsRecorded)
{
    RegisterStandardClasses();
    TqbxReport report;
    report.LoadFromFile(QBX_TEST_DATA "/templates-run/barcodes.qb3", true);
    auto* ean = dynamic_cast<TqbxBarCodeView*>(report.FindObject("Ean"));
    ASSERT_NE(ean, nullptr);
    ean->SetDataSetName("");
    ean->DataField.clear();
    ean->Text = "12345ABC";
    ean->GetData();
    EXPECT_NE(report.Errors.Text().find("Ean: Barcode must be numeric"), std::string::npos) << report.Errors.Text();

    QtCanvas canvas(400, 200);
    ean->Draw(canvas, 1, 1, 10 - ean->AbsLeft(), 10 - ean->AbsTop());
    EXPECT_EQ(ean->Width(), 2 * 95) << "the size of the fallback text's symbol";
    canvas.Image()->save(QString::fromStdString(std::string(QBX_TEST_OUTPUT) + "/barcode/error.png"));
    RasterImage pixels = canvas.Snapshot();
    int red = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            red += qRed(pixels.Pixel(x, y)) > 160 && qGreen(pixels.Pixel(x, y)) < 100
                && qBlue(pixels.Pixel(x, y)) < 100;
    EXPECT_GT(red, 20) << "the message in red";
}

} // namespace
} // namespace qbx
