// TqbxBarCodeView: the report object that shows a barcode. It takes its text from a data field, an
// expression or a fixed text, sizes itself from the encoded symbol, and draws the symbol, or the
// encoding error in red.
#pragma once

#include "barcode/TqbxBarcode.h"
#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <string>

namespace qbx {

class TqbxBarCodeView : public TqbxView
{
public:
    explicit TqbxBarCodeView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void BeforePrint() override;
    // The view's TagStr and URL, then Text from the data field or the expression; a text the
    // symbology cannot encode is recorded in the report's errors.
    void GetData() override;
    void AfterPrint() override;
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    // The bounds widened by the human-readable text where it reaches past the bars.
    TRectF GetRealBounds() const override;

    // The encoder as the last Draw or sizing configured it.
    const TqbxBarcode& Barcode() const { return barcode_; }

    TqbxBarcodeType BarType = bcCode39;
    bool CalcCheckSum = false;
    std::string Expression;
    TqbxHAlign HAlign = haLeft;
    int Rotation = 0;
    bool ShowText = true;
    std::string Text = "12345678";
    long double WideBarRatio = 2;
    long double Zoom = 1;

private:
    // Configures the encoder from the properties and sizes the view from the symbol; returns the
    // encoding error ("" when the text encodes), in which case the size is that of "12345678".
    std::string Configure();
    // An encoder set up from the properties (symbology, check digit, ratio, angle, colour, text).
    TqbxBarcode EncoderOfProperties() const;

    TqbxBarcode barcode_;
    std::string savedText_;
};

// Enters the barcode view through the object registry (which also enters its class).
void RegisterBarcodeClasses();

} // namespace qbx
