// Barcodes as a scanner sees them: drawn by the barcode view on the Qt canvas and read back by the
// zxing-cpp decoder, at two resolutions and two angles.
#include "barcode/TqbxBarCodeView.h"
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"

#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct ScanRow
{
    TqbxBarcodeType type;
    const char* text;
    bool checksum;
    ZXing::BarcodeFormat format;
    const char* decoded;
};

// The view drawn alone on white, with a quiet zone of 20 modules around it; what zxing reads.
std::string Scan(const ScanRow& row, int dpi, int rotation, std::string& failure)
{
    TqbxBarCodeView view;
    view.BarType = row.type;
    view.Text = row.text;
    view.CalcCheckSum = row.checksum;
    view.Rotation = rotation;
    view.Zoom = dpi < 200 ? 2 : 1;
    view.SetBounds(40, 40, 100, 80);
    long double scale = dpi / 96.0L;
    QtCanvas probe(10, 10, dpi);
    view.Draw(probe, scale, scale, 0, 0); // sizes the view from the symbol
    int width = static_cast<int>((view.Width() + 80) * scale), height = static_cast<int>((view.Height() + 80) * scale);
    QtCanvas canvas(width, height, dpi);
    view.Draw(canvas, scale, scale, 0, 0);
    const QImage& image = *canvas.Image();
    QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    ZXing::ImageView pixels(
        gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(row.format);
    hints.setTryHarder(true);
    ZXing::Result result = ZXing::ReadBarcode(pixels, hints);
    if (!result.isValid()) {
        failure = QString("/tmp/qbx-scan-%1-%2-%3.png").arg(int(row.type)).arg(dpi).arg(rotation).toStdString();
        image.save(QString::fromStdString(failure));
        return {};
    }
    std::wstring text = result.text();
    return std::string(text.begin(), text.end()); // the symbologies read here carry ASCII only
}

TEST(BarcodeScan, EverySymbologyTheDecoderKnowsReadsBackAtBothResolutionsAndAngles)
{
    using F = ZXing::BarcodeFormat;
    const ScanRow rows[] = {
        { bcCodeEAN13, "590123412345", true, F::EAN13, "5901234123457" },
        { bcCodeEAN13, "4006381333931", false, F::EAN13, "4006381333931" },
        { bcCodeEAN8, "1234567", true, F::EAN8, "12345670" },
        { bcCodeUPC_A, "03600029145", true, F::UPCA, "036000291452" },
        { bcCodeUPC_E0, "425261", true, F::UPCE, "04252614" },
        { bcCodeUPC_E0, "654321", true, F::UPCE, "06543217" },
        { bcCode_2_5_interleaved, "12345678", false, F::ITF, "12345678" },
        { bcCode39, "QBX-2026", false, F::Code39, "QBX-2026" },
        { bcCode39, "CODE39", true, F::Code39, "CODE39W" },
        { bcCode93, "CODE 93", false, F::Code93, "CODE 93" },
        { bcCode128B, "Hello, qbx!", false, F::Code128, "Hello, qbx!" },
        { bcCode128A, "ABC-123", false, F::Code128, "ABC-123" },
        { bcCode128C, "1234567", false, F::Code128, "01234567" },
        { bcCodeCodabar, "31117013206375", false, F::Codabar, "31117013206375" },
    };
    for (const ScanRow& row : rows) {
        for (int dpi : { 96, 300 }) {
            for (int rotation : { 0, 90 }) {
                std::string failure;
                EXPECT_EQ(Scan(row, dpi, rotation, failure), row.decoded)
                    << BarcodeDisplayName(row.type) << " at " << dpi << " dpi, " << rotation << " degrees " << failure;
            }
        }
    }
}

} // namespace
} // namespace qbx
