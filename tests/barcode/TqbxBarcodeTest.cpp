// The barcode encoder: module strings worked out by hand from the symbologies' tables, check digits,
// the rewriting of Text, element widths and the errors.
#include "barcode/TqbxBarcode.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct EncodeRow
{
    TqbxBarcodeType type;
    const char* text;
    bool checksum;
    const char* modules;
    const char* textAfter; // Text once encoded
};

TEST(TqbxBarcode, EncodesEachSymbologyIntoItsModuleString)
{
    const EncodeRow rows[] = {
        // EAN-8 1234567 + check 0: guards, L codes of 1-4, centre, R codes of 5, 6, 7, 0.
        { bcCodeEAN8, "1234567", true,
            "505"
            "1615"
            "1516"
            "0805"
            "0526"
            "05050"
            "5170"
            "5053"
            "5251"
            "7150"
            "505",
            "1234567" },
        // EAN-13 590123412345 + check 7; first digit 5 gives the parity ABBAAB.
        { bcCodeEAN13, "590123412345", true,
            "505"
            "2506"
            "0517"
            "0616"
            "1516"
            "0805"
            "1705"
            "05050"
            "6160"
            "6061"
            "5350"
            "5071"
            "5170"
            "5251"
            "505",
            "5901234123457" },
        // UPC-A: eleven digits keep every digit and gain the check digit 2.
        { bcCodeUPC_A, "03600029145", true,
            "505"
            "2605"
            "0805"
            "0508"
            "2605"
            "2605"
            "2605"
            "05050"
            "6061"
            "7051"
            "6160"
            "5071"
            "5170"
            "6061"
            "505",
            "036000291452" },
        // UPC-E0 425261: check 4 from the expanded 04210000526, parity EoEEoo.
        { bcCodeUPC_E0, "425261", true,
            "505"
            "1705"
            "1516"
            "0715"
            "1606"
            "0508"
            "1615"
            "050505",
            "4252614" },
        { bcCodeUPC_Supp2, "12", false,
            "506"
            "1615"
            "05"
            "1516",
            "12" },
        // Add-on 52495: check 1, parity GLGLL.
        { bcCodeUPC_Supp5, "52495", false,
            "506"
            "0715"
            "05"
            "1516"
            "05"
            "1705"
            "05"
            "2506"
            "05"
            "0625",
            "52495" },
        // 2 of 5 interleaved: the odd fifth digit is not encoded.
        { bcCode_2_5_interleaved, "12345", false,
            "5050"
            "6051505061"
            "6060515051"
            "605",
            "12345" },
        { bcCode_2_5_industrial, "1", false,
            "606050"
            "6050505060"
            "605060",
            "1" },
        { bcCode_2_5_matrix, "1", false,
            "705050"
            "60506"
            "0"
            "70505",
            "1" },
        { bcCode39, "A", false,
            "515060605"
            "0"
            "605051506"
            "0"
            "515060605",
            "A" },
        // Lower case is not in Code 39 and is skipped; Code 39 Extended writes "a" as "+A".
        { bcCode39, "a", false,
            "515060605"
            "0"
            "515060605",
            "a" },
        { bcCode39Extended, "a", false,
            "515060605"
            "0"
            "515051515"
            "0"
            "605051506"
            "0"
            "515060605",
            "a" },
        // Code 93 "A": C = 10 ("A"), K = 30 ("U").
        { bcCode93, "A", false,
            "505080"
            "605052"
            "605052"
            "615060"
            "5050805",
            "A" },
        // Code 128B "A": start 104, value 33, check (104 + 33) mod 103 = 34, stop.
        { bcCode128B, "A", false,
            "605153"
            "505262"
            "525062"
            "6270506",
            "A" },
        // MSI 12: the check digit 5 (2 doubled is 4, plus 1).
        { bcCodeMSI, "12", false,
            "60"
            "51515160"
            "51516051"
            "51605160"
            "515",
            "12" },
        { bcCodePostNet, "1", false,
            "51"
            "A1A1A15151"
            "5",
            "1" },
        { bcCodeCodabar, "1", false,
            "5061515"
            "0"
            "5050615"
            "0"
            "5151506",
            "1" },
    };
    for (const EncodeRow& row : rows) {
        TqbxBarcode b;
        b.Typ = row.type;
        b.Text = row.text;
        b.Checksum = row.checksum;
        EXPECT_EQ(b.Encode(), row.modules) << BarcodeDisplayName(row.type) << " " << row.text;
        EXPECT_EQ(b.Text, row.textAfter) << BarcodeDisplayName(row.type);
    }
}

struct CheckRow
{
    TqbxBarcodeType type;
    const char* text;
    const char* textAfter;
};

TEST(TqbxBarcode, CheckDigitsAndPaddingRewriteTheText)
{
    const CheckRow rows[] = {
        { bcCodeEAN13, "123456789012", "1234567890128" },
        { bcCodeEAN13, "1234567890123", "1234567890123" }, // thirteen digits stand as they are
        { bcCodeEAN8, "1234567", "12345670" }, // shown without the check digit: Text is not rewritten
        { bcCodeUPC_A, "036000291450", "036000291452" }, // a twelfth digit is replaced
        { bcCodeUPC_E1, "123456", "1234562" }, // the check digit of the expanded 11234500006
        { bcCode128C, "12345", "012345" }, { bcCodeEAN128C, "1234567", "12345670" },
        { bcCodeUPC_Supp2, "34", "349" }, // 4 x 3 + 3 x 9 = 39
    };
    for (const CheckRow& row : rows) {
        TqbxBarcode b;
        b.Typ = row.type;
        b.Text = row.text;
        b.Checksum = true;
        b.Encode();
        if (row.type == bcCodeEAN8)
            EXPECT_EQ(b.Text, "1234567");
        else
            EXPECT_EQ(b.Text, row.textAfter) << BarcodeDisplayName(row.type) << " " << row.text;
    }
    TqbxBarcode ean8;
    ean8.Typ = bcCodeEAN8;
    ean8.Text = "1234567";
    EXPECT_EQ(ean8.Encode().substr(3, 4), "2605") << "without a check digit the text is padded: 01234567";
}

TEST(TqbxBarcode, MsiCheckDigitIsWeightedFromTheRight)
{
    TqbxBarcode b;
    b.Typ = bcCodeMSI;
    b.Text = "1234567";
    std::string modules = b.Encode();
    EXPECT_EQ(modules.substr(modules.size() - 11),
        "51605151"
        "515")
        << "check digit 4";
}

TEST(TqbxBarcode, WidthsFollowModulAndTheClampedRatio)
{
    TqbxBarcode b;
    b.Typ = bcCodeEAN13;
    b.Text = "5901234123457";
    EXPECT_EQ(b.Width(), 95);
    b.Ratio = 3; // two-, three- and four-module elements become 3, 4 and 6
    EXPECT_GT(b.Width(), 95);
    EXPECT_EQ(b.ElementWidth('1'), 3);
    EXPECT_EQ(b.ElementWidth('7'), 4);
    EXPECT_EQ(b.ElementWidth('D'), 6);

    struct Clamp
    {
        TqbxBarcodeType type;
        double ratio, clamped;
    } clamps[] = { { bcCode39, 1.5, 2.0 }, { bcCode39, 4, 3.0 }, { bcCode_2_5_matrix, 2.0, 2.25 },
        { bcCode_2_5_matrix, 2.5, 2.5 }, { bcCode128B, 1.5, 1.5 }, { bcCodePostNet, 5, 5 } };
    for (const Clamp& c : clamps) {
        TqbxBarcode x;
        x.Typ = c.type;
        x.Text = "1";
        x.Ratio = c.ratio;
        x.Encode();
        EXPECT_DOUBLE_EQ(x.Ratio, c.clamped) << BarcodeDisplayName(c.type);
    }

    TqbxBarcode c128;
    c128.Typ = bcCode128C;
    c128.Text = "12345";
    EXPECT_EQ(c128.Width(), 11 + 3 * 11 + 11 + 13);
}

TEST(TqbxBarcode, TextThatCannotBeEncodedRaisesItsMessage)
{
    struct Bad
    {
        TqbxBarcodeType type;
        std::string text;
        const char* message;
    } rows[] = {
        { bcCodeEAN13, "12345ABC", "Barcode must be numeric" },
        { bcCodeEAN13, "12345678901234", "Invalid Text len (EAN13)" },
        { bcCodeEAN8, "123456789", "Invalid Text len (EAN8)" },
        { bcCode93, "a", "TqbxBarcode:Code93 bad Data <a>" },
        { static_cast<TqbxBarcodeType>(23), "1", "TqbxBarcode: wrong BarcodeType" },
    };
    for (const Bad& row : rows) {
        TqbxBarcode b;
        b.Typ = row.type;
        b.Text = row.text;
        try {
            b.Encode();
            ADD_FAILURE() << row.text << " encoded";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
    TqbxBarcode blanks;
    blanks.Typ = bcCodeEAN13;
    blanks.Text = "  400638133393 ";
    blanks.Checksum = true;
    blanks.Encode();
    EXPECT_EQ(blanks.Text, "4006381333931") << "blanks around digits are trimmed";

    TqbxBarcode empty;
    empty.Typ = bcCode128B;
    EXPECT_EQ(empty.Width(), 11 + 11 + 13) << "start, check and stop";
    TqbxBarcode longText;
    longText.Typ = bcCode128B;
    longText.Text = std::string(10000, 'z');
    EXPECT_EQ(longText.Width(), 11 + 10000 * 11 + 11 + 13);
    EXPECT_STREQ(BarcodeDisplayName(bcCodeCodabar), "Codebar");
    EXPECT_TRUE(BarcodeDigitsOnly(bcCodeEAN128C));
    EXPECT_FALSE(BarcodeDigitsOnly(bcCodeEAN128B));
}

} // namespace
} // namespace qbx
