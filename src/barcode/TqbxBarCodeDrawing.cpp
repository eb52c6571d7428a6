// The barcode view at print time and on a canvas: its text, its size from the symbol, the symbol or
// the red error message, and the area its text covers.
#include "barcode/TqbxBarCodeView.h"
#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "platform/Platform.h"
#include "report/TqbxReport.h"

#include <memory>

namespace qbx {

void TqbxBarCodeView::BeforePrint()
{
    TqbxView::BeforePrint();
    savedText_ = Text;
}

void TqbxBarCodeView::AfterPrint()
{
    Text = savedText_;
    TqbxView::AfterPrint();
}

void TqbxBarCodeView::GetData()
{
    TqbxView::GetData();
    TqbxReport* report = Report();
    if (IsDataField())
        Text = DataSet()->GetValue(DataField).ToText();
    else if (!Expression.empty() && report)
        Text = report->Calc(Expression).ToText();
    try {
        EncoderOfProperties().Width();
    } catch (const Exception& e) {
        if (report)
            report->Errors.Add(Name() + ": " + e.what() + " (\"" + Text + "\")");
    }
}

TqbxBarcode TqbxBarCodeView::EncoderOfProperties() const
{
    TqbxBarcode encoder;
    encoder.Angle = Rotation;
    encoder.Checksum = CalcCheckSum;
    encoder.Typ = BarType;
    encoder.Ratio = static_cast<double>(WideBarRatio);
    encoder.Color = Color == clNone ? clWhite : Color;
    encoder.Text = Text;
    return encoder;
}

std::string TqbxBarCodeView::Configure()
{
    barcode_ = EncoderOfProperties();
    if (Zoom < 0.0001L)
        Zoom = 1;
    std::string error;
    int width = 0;
    try {
        width = barcode_.Width();
    } catch (const Exception& e) {
        error = e.what();
        barcode_.Text = "12345678";
        try {
            width = barcode_.Width();
        } catch (const Exception&) {
            width = 0;
        }
    }
    long double size = width * Zoom;
    if (Rotation == 0 || Rotation == 180) {
        long double old = Width();
        SetWidth(size);
        if (HAlign == haRight)
            SetLeft(Left() + old - size);
        else if (HAlign == haCenter)
            SetLeft(Left() + (old - size) / 2);
    } else {
        SetHeight(size);
    }
    return error;
}

void TqbxBarCodeView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    std::string error = Configure();
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawBackground();
    if (!error.empty()) {
        TFontDesc saved = canvas.Font;
        canvas.Font = { "Arial", FontHeightForSize(RoundToInt(scaleY * 8), 96), 0, DEFAULT_CHARSET, 255, 0 };
        std::u16string message(error.begin(), error.end());
        canvas.DrawTextWrapped({ FX + 2, FY + 2, FX1, FY1 }, message, tfWordBreak);
        canvas.Font = saved;
    } else {
        barcode_.Text = Text; // sizing may have added a check digit already
        barcode_.DrawBarcode(canvas, { FX, FY, FX1, FY1 }, ShowText);
    }
    DrawFrame();
}

TRectF TqbxBarCodeView::GetRealBounds() const
{
    auto* self = const_cast<TqbxBarCodeView*>(this); // sizing is part of asking
    self->Configure();
    TRectF r = TqbxView::GetRealBounds();
    long double a = 0;
    if (Rotation == 0 || Rotation == 180) {
        std::unique_ptr<Canvas> measure = CurrentPlatform().CreateMeasuringCanvas(96);
        measure->Font = { "Arial", FontHeightForSize(9, 96), 0, DEFAULT_CHARSET, clBlack, 0 };
        const std::string& text = barcode_.Text;
        int textWidth = measure->TextExtent(std::u16string(text.begin(), text.end())).Width;
        if (Width() < textWidth)
            a = RoundToInt((textWidth - Width()) / 2) + 2;
    }
    bool upc = BarType == bcCodeUPC_A || BarType == bcCodeUPC_E0 || BarType == bcCodeUPC_E1;
    long double b = upc ? 8 : a;
    long double c = BarType == bcCodeEAN13 || BarType == bcCodeUPC_A ? 8 : a;
    switch (Rotation) {
    case 0:
        r.Left -= c, r.Right += b;
        break;
    case 90:
        r.Bottom += c, r.Top -= b;
        break;
    case 180:
        r.Left -= b, r.Right += c;
        break;
    case 270:
        r.Bottom += b, r.Top -= c;
        break;
    default:
        break;
    }
    return r;
}

} // namespace qbx
