// TqbxBarCodeView: the report object that shows a barcode (its data model; encoding and drawing
// arrive with the barcode encoder).
#pragma once

#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <string>

namespace qbx {

enum TqbxBarcodeType {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C
};

class TqbxBarCodeView : public TqbxView
{
public:
    explicit TqbxBarCodeView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { ContentNotAvailable(); }

    TqbxBarcodeType BarType = bcCode39;
    bool CalcCheckSum = false;
    std::string Expression;
    TqbxHAlign HAlign = haLeft;
    int Rotation = 0;
    bool ShowText = true;
    std::string Text = "12345678";
    long double WideBarRatio = 2;
    long double Zoom = 1;
};

// Enters the barcode view through the object registry (which also enters its class).
void RegisterBarcodeClasses();

} // namespace qbx
