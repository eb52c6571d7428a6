// TqbxBarcode: turns a text into the bars and spaces of one of 23 linear symbologies (its module
// string), computes check digits, and paints the symbol with its human-readable text.
#pragma once

#include "base/Colors.h"
#include "platform/Geometry.h"

#include <string>

namespace qbx {

class Canvas;

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

inline constexpr int kBarcodeTypeCount = 23;

enum TqbxCheckSumMethod { csmNone, csmModulo10 };

// Whether a symbology takes digits only, and its display name ("EAN13", "Code39 Extended", ...).
bool BarcodeDigitsOnly(TqbxBarcodeType type);
const char* BarcodeDisplayName(TqbxBarcodeType type);

// Module string characters: "0"-"3" spaces and "5"-"8" bars one to four element widths wide, "A"-"D"
// short bars (two fifths of the height).
class TqbxBarcode
{
public:
    std::string Text;
    TqbxBarcodeType Typ = bcCodeEAN13;
    int Modul = 1;
    double Ratio = 2.0;
    bool Checksum = false;
    TqbxCheckSumMethod CheckSumMethod = csmModulo10;
    double Angle = 0;
    int Height = 0; // bar height in module units; set by DrawBarcode
    TColor Color = clWhite;
    TColor ColorBar = clBlack;

    // The module string; raises EConvertError for text the symbology cannot encode. May rewrite Text
    // (padding, check digit).
    std::string Encode();
    // The sum of the element widths of the module string.
    int Width();
    // Paints the symbol stretched into `rect`, with the human-readable text when `showText`.
    void DrawBarcode(Canvas& canvas, const TRect& rect, bool showText);

    // The width of one module string character at the current Modul and Ratio (0 for anything else).
    int ElementWidth(char element) const;

private:
    void ComputeWidths();
    std::string EncodeType();

    int widths_[4] = { 1, 2, 3, 4 };
};

} // namespace qbx
