// The host window's layout, taken from its form description.
#include "host/TForm1.h"

#include "barcode/TqbxBarCodeView.h"
#include "base/Colors.h"
#include "platform/Fonts.h"
#include "platform/qt/QtConvert_p.h"
#include "report/PaperSizes.h"
#include "report/TqbxPages.h"

namespace qbx {

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , button1_(new QPushButton(QStringLiteral("Button1"), this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setGeometry(207, 131, 609, 325);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
    setPalette(palette);
    setAutoFillBackground(true);
    TFontDesc font { "MS Sans Serif", -11, 0, DEFAULT_CHARSET, clWindowText, 0 };
    setFont(ToQFont(font));

    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(320, 88, 75, 25);
    button1_->setFocus(); // tab order 0: the first and only control to take the focus
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    ConfigureReport();
}

void TForm1::Button1Click()
{
    report_.LoadFromFile("1.qb3", false);
    report_.PrepareReport(true);
    report_.ShowReport(true);
}

void TForm1::ConfigureReport()
{
    // The design-time settings of qbxReport1; every other property keeps its default.
    report_.SetDotMatrixReport(false);
    report_.SetIniFile("\\Software\\Lantorra");
    report_.PreviewOptions.Buttons = pbDefaultButtons;
    report_.PreviewOptions.Zoom = 1.0L;
    report_.PrintOptions.Printer = "Default";
    report_.PrintOptions.PrintOnSheet = 0;
    report_.ReportOptions.CreateDate = 39880.6655121528;
    report_.ReportOptions.LastChange = 39880.66751627315;
    report_.SetScriptLanguage("VeradaZurezi");
    report_.SetScriptTextValue("begin\r\n\r\nend.");
    // The children stored with the form: a data page and a 100 x 90 mm report page with an EAN-13 barcode.
    auto* dataPage = new TqbxDataPage(&report_);
    dataPage->SetName("Data");
    auto* page = new TqbxReportPage(&report_);
    page->SetName("Page1");
    page->SetPaperWidth(100);
    page->SetPaperHeight(90);
    page->SetPaperSize(kCustomPaperSize);
    auto* barcode = new TqbxBarCodeView(page);
    barcode->SetName("BarCode1");
    barcode->SetBounds(34.01577L, 90.70872L, 285, 154.96073L);
    barcode->BarType = bcCodeEAN13;
    barcode->Rotation = 0;
    barcode->Text = "7236547896321";
    barcode->WideBarRatio = 2;
    barcode->Zoom = 3;
}

} // namespace qbx
