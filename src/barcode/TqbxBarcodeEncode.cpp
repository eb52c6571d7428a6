// Encoding: the module string of each symbology, its check digits and the rewriting of Text.
#include "barcode/BarcodeTables.h"
#include "barcode/TqbxBarcode.h"
#include "base/Exceptions.h"
#include "base/Rounding.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace qbx {
namespace {

using namespace barcode;

constexpr const char* kClassName = "TqbxBarcode";

int Digit(char c)
{
    return c - '0';
}

// Text left-padded with "0" to n characters; longer text is kept whole.
std::string Pad(const std::string& text, std::size_t n)
{
    return text.size() >= n ? text : std::string(n - text.size(), '0') + text;
}

// The EAN/UPC modulo-10 check digit: weights 3, 1, 3, ... from the rightmost digit.
char Modulo10(std::string_view digits)
{
    int sum = 0, weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, weight = 4 - weight)
        sum += Digit(*it) * weight;
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// The add-on check digit: weights 3, 9, 3, ... from the rightmost digit.
char Check39(std::string_view digits)
{
    int sum = 0, weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, weight = 12 - weight)
        sum += Digit(*it) * weight;
    return static_cast<char>('0' + sum % 10);
}

// Widths in the 1-4 module notation as a module string: bars at even positions, spaces at odd.
std::string FromModules(std::string_view modules)
{
    std::string out(modules);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(i % 2 == 0 ? out[i] + 4 : out[i] - 1);
    return out;
}

class Encoder
{
public:
    Encoder(TqbxBarcode& barcode)
        : b_(barcode)
    {
    }

    std::string Encode();

private:
    std::string Check10(const std::string& digits) const
    {
        return b_.CheckSumMethod == csmNone ? digits : digits + Modulo10(digits);
    }
    std::string Ean8();
    std::string Ean13();
    std::string UpcA();
    std::string UpcE(bool numberSystemOne);
    std::string Supp2();
    std::string Supp5();
    std::string Interleaved();
    std::string Industrial();
    std::string Matrix();
    std::string Code39(const std::string& text);
    std::string Code93(const std::string& text);
    std::string Code128();
    std::string Msi();
    std::string PostNet();
    std::string Codabar();

    TqbxBarcode& b_;
};

std::string Encoder::Ean8()
{
    std::string data = b_.Checksum ? Check10(Pad(b_.Text, 7).substr(Pad(b_.Text, 7).size() - 7)) : Pad(b_.Text, 8);
    if (data.size() != 8)
        throw EConvertError("Invalid Text len (EAN8)");
    std::string out = "505";
    for (int i = 0; i < 4; ++i)
        out += kEanL[Digit(data[i])];
    out += "05050";
    for (int i = 4; i < 8; ++i)
        out += kEanR[Digit(data[i])];
    return out + "505";
}

std::string Encoder::Ean13()
{
    if (b_.Text.size() != 13) {
        b_.Text = Pad(b_.Text, 13);
        if (b_.Checksum)
            b_.Text = Check10(b_.Text.substr(1, 12));
    }
    const std::string& t = b_.Text;
    if (t.size() != 13)
        throw EConvertError("Invalid Text len (EAN13)");
    std::string out = "505";
    const char* parity = kEan13Parity[Digit(t[0])];
    for (int i = 1; i < 7; ++i)
        out += parity[i - 1] == 'A' ? kEanL[Digit(t[i])] : kEanG[Digit(t[i])];
    out += "05050";
    for (int i = 7; i < 13; ++i)
        out += kEanR[Digit(t[i])];
    return out + "505";
}

// With a check digit an 11-digit (or shorter) number keeps all its digits and gains the check digit; a
// 12-digit one has its last digit replaced.
std::string Encoder::UpcA()
{
    if (b_.Checksum)
        b_.Text = Check10(Pad(b_.Text, 11).substr(0, 11));
    b_.Text = Pad(b_.Text, 12);
    const std::string& t = b_.Text;
    std::string out = "505";
    for (int i = 0; i < 6; ++i)
        out += kEanL[Digit(t[i])];
    out += "05050";
    for (int i = 6; i < 12; ++i)
        out += kEanR[Digit(t[i])];
    return out + "505";
}

// The UPC-A number a UPC-E symbol stands for (number system, the six digits expanded), without check.
std::string ExpandUpcE(char numberSystem, std::string_view d)
{
    std::string n(1, numberSystem);
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return n + std::string(d.substr(0, 2)) + d[5] + "0000" + std::string(d.substr(2, 3));
    case '3':
        return n + std::string(d.substr(0, 3)) + "00000" + std::string(d.substr(3, 2));
    case '4':
        return n + std::string(d.substr(0, 4)) + "00000" + d[4];
    default:
        return n + std::string(d.substr(0, 5)) + "0000" + d[5];
    }
}

// The check digit is that of the expanded UPC-A number, as scanners verify it; a text of up to six
// digits with a check digit keeps its six digits.
std::string Encoder::UpcE(bool numberSystemOne)
{
    std::string digits = b_.Checksum && b_.Text.size() <= 6 ? Pad(b_.Text, 6) : Pad(b_.Text, 7).substr(0, 6);
    char check = Modulo10(ExpandUpcE(numberSystemOne ? '1' : '0', digits));
    b_.Text = b_.Checksum ? digits + check : Pad(b_.Text, 7);
    const char* parity = kUpcEParity[Digit(check)];
    std::string out = "505";
    for (int i = 0; i < 6; ++i) {
        bool even = (parity[i] == 'E') != numberSystemOne;
        out += even ? kEanG[Digit(b_.Text[i])] : kEanL[Digit(b_.Text[i])];
    }
    return out + "050505";
}

std::string Encoder::Supp2()
{
    b_.Text = Pad(b_.Text, 2);
    static const char* const parities[4] = { "oo", "oE", "Eo", "EE" };
    int value = Digit(b_.Text[0]) * 10 + Digit(b_.Text[1]);
    const char* parity = parities[value % 4];
    std::string first = b_.Text.substr(0, 2);
    if (b_.Checksum)
        b_.Text = first + Check39(first);
    auto code = [&](int i) { return parity[i] == 'E' ? kEanG[Digit(first[i])] : kEanL[Digit(first[i])]; };
    return std::string("506") + code(0) + "05" + code(1);
}

std::string Encoder::Supp5()
{
    b_.Text = Pad(b_.Text, 5);
    std::string first = b_.Text.substr(0, 5);
    char check = Check39(first);
    if (b_.Checksum)
        b_.Text = first + check;
    const char* parity = kUpcEParity[Digit(check)] + 1;
    std::string out = "506";
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            out += "05";
        out += parity[i] == 'E' ? kEanG[Digit(first[i])] : kEanL[Digit(first[i])];
    }
    return out;
}

std::string Encoder::Interleaved()
{
    std::string out = "5050";
    const std::string& t = b_.Text;
    for (std::size_t i = 0; i + 1 < t.size(); i += 2) {
        const char* bars = kTwoOfFive[Digit(t[i])];
        const char* spaces = kTwoOfFive[Digit(t[i + 1])];
        for (int k = 0; k < 5; ++k) {
            out += bars[k] == '1' ? '6' : '5';
            out += spaces[k] == '1' ? '1' : '0';
        }
    }
    return out + "605";
}

std::string Encoder::Industrial()
{
    std::string out = "606050";
    for (char c : b_.Text)
        for (const char* bit = kTwoOfFive[Digit(c)]; *bit; ++bit)
            out += *bit == '1' ? "60" : "50";
    return out + "605060";
}

std::string Encoder::Matrix()
{
    std::string out = "705050";
    for (char c : b_.Text) {
        const char* bits = kTwoOfFive[Digit(c)];
        for (int k = 0; k < 5; ++k)
            out += k % 2 == 0 ? (bits[k] == '1' ? '6' : '5') : (bits[k] == '1' ? '1' : '0');
        out += '0';
    }
    return out + "70505";
}

std::string Encoder::Code39(const std::string& text)
{
    std::string out = std::string(kCode39Patterns[43]) + "0";
    int sum = 0;
    for (char c : text) {
        int value = c == '*' ? 43 : static_cast<int>(kCode39Characters.find(c));
        if (value < 0 || value > 43)
            continue; // characters outside the table are skipped
        out += std::string(kCode39Patterns[value]) + "0";
        sum += value == 43 ? 0 : value;
    }
    if (b_.Checksum)
        out += std::string(kCode39Patterns[sum % 43]) + "0";
    return out + kCode39Patterns[43];
}

std::string Encoder::Code93(const std::string& text)
{
    std::vector<int> values;
    for (char c : text) {
        std::size_t value = kCode93Characters.find(c);
        if (value == std::string_view::npos)
            throw EConvertError(std::string(kClassName) + ":Code93 bad Data <" + text + ">");
        values.push_back(static_cast<int>(value));
    }
    auto weighted = [&](int limit, int first) {
        int sum = 0, weight = first;
        for (auto it = values.rbegin(); it != values.rend(); ++it) {
            sum += *it * weight;
            weight = weight == limit ? 1 : weight + 1;
        }
        return sum;
    };
    int c = weighted(20, 1) % 47;
    int k = (weighted(15, 2) + c) % 47;
    std::string modules = "111141";
    for (int v : values)
        modules += kCode93Patterns[v];
    modules += std::string(kCode93Patterns[c]) + kCode93Patterns[k] + "1111411";
    return FromModules(modules);
}

std::string Encoder::Code128()
{
    TqbxBarcodeType t = b_.Typ;
    bool ean = t == bcCodeEAN128A || t == bcCodeEAN128B || t == bcCodeEAN128C;
    bool setC = t == bcCode128C || t == bcCodeEAN128C;
    bool setA = t == bcCode128A || t == bcCodeEAN128A;
    if (t < bcCode128A || (t > bcCode128C && !ean))
        throw EConvertError(std::string(kClassName) + ": wrong BarcodeType in Code_128");
    if (ean && b_.Checksum)
        b_.Text = Check10(b_.Text);
    int start = setC ? 105 : setA ? 103 : 104;
    std::vector<int> values;
    if (ean)
        values.push_back(102);
    if (setC) {
        if (b_.Text.size() % 2 == 1)
            b_.Text = "0" + b_.Text;
        for (std::size_t i = 0; i < b_.Text.size(); i += 2) {
            char hi = b_.Text[i], lo = b_.Text[i + 1];
            bool digits = hi >= '0' && hi <= '9' && lo >= '0' && lo <= '9';
            values.push_back(digits ? Digit(hi) * 10 + Digit(lo) : 0);
        }
    } else {
        for (unsigned char c : b_.Text) {
            int value = setA ? (c >= 32 && c <= 95 ? c - 32 : -1) : (c >= 32 && c <= 126 ? c - 32 : -1);
            values.push_back(value < 0 ? 0 : value); // outside the set: a space
        }
    }
    long long check = start;
    for (std::size_t i = 0; i < values.size(); ++i)
        check += static_cast<long long>(i + 1) * values[i];
    std::string modules = kCode128Patterns[start];
    for (int v : values)
        modules += kCode128Patterns[v];
    modules += std::string(kCode128Patterns[check % 103]) + "2331112";
    return FromModules(modules);
}

// The check digit is weighted from the rightmost digit, as MSI scanners compute it: the rightmost
// digit and every second one to its left, read as one number, are doubled and their digit sum taken;
// the other digits are added as they are.
std::string Encoder::Msi()
{
    const std::string& t = b_.Text;
    std::string doubled;
    int total = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        bool fromRightEven = (t.size() - 1 - i) % 2 == 0;
        if (fromRightEven)
            doubled += t[i];
        else
            total += Digit(t[i]);
    }
    // Doubling the number digit by digit keeps it exact for any length.
    std::string twice;
    int carry = 0;
    for (auto it = doubled.rbegin(); it != doubled.rend(); ++it) {
        int d = Digit(*it) * 2 + carry;
        twice += static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    if (carry)
        twice += static_cast<char>('0' + carry);
    for (char c : twice)
        total += Digit(c);
    char check = static_cast<char>('0' + (10 - total % 10) % 10);
    auto code = [](char digit) {
        std::string bits;
        for (int bit = 3; bit >= 0; --bit)
            bits += ((Digit(digit) >> bit) & 1) ? "60" : "51";
        return bits;
    };
    std::string out = "60";
    for (char c : t)
        out += code(c);
    return out + code(check) + "515";
}

std::string Encoder::PostNet()
{
    std::string out = "51";
    for (char c : b_.Text)
        for (const char* bit = kPostNet[Digit(c)]; *bit; ++bit)
            out += *bit == '1' ? "51" : "A1";
    return out + "5";
}

std::string Encoder::Codabar()
{
    auto pattern = [](char c) { return kCodabarPatterns[kCodabarCharacters.find(c)]; };
    std::string out = std::string(pattern('A')) + "0";
    for (char c : b_.Text) {
        if (kCodabarCharacters.find(c) == std::string_view::npos)
            continue; // not in the table
        out += std::string(pattern(c)) + "0";
    }
    return out + pattern('B');
}

std::string Encoder::Encode()
{
    switch (b_.Typ) {
    case bcCode_2_5_interleaved:
        return Interleaved();
    case bcCode_2_5_industrial:
        return Industrial();
    case bcCode_2_5_matrix:
        return Matrix();
    case bcCode39:
        return Code39(b_.Text);
    case bcCode39Extended:
    case bcCode93Extended: {
        std::string full;
        for (unsigned char c : b_.Text) {
            if (c > 127)
                continue;
            std::string pair = kCode39Ascii[c];
            if (b_.Typ == bcCode93Extended && pair.size() == 2)
                pair[0] = pair[0] == '$' ? '[' : pair[0] == '%' ? ']' : pair[0] == '/' ? '{' : '}';
            full += pair;
        }
        return b_.Typ == bcCode39Extended ? Code39(full) : Code93(full);
    }
    case bcCode93:
        return Code93(b_.Text);
    case bcCodeMSI:
        return Msi();
    case bcCodePostNet:
        return PostNet();
    case bcCodeCodabar:
        return Codabar();
    case bcCodeEAN8:
        return Ean8();
    case bcCodeEAN13:
        return Ean13();
    case bcCodeUPC_A:
        return UpcA();
    case bcCodeUPC_E0:
        return UpcE(false);
    case bcCodeUPC_E1:
        return UpcE(true);
    case bcCodeUPC_Supp2:
        return Supp2();
    case bcCodeUPC_Supp5:
        return Supp5();
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
        return Code128();
    }
    throw EConvertError(std::string(kClassName) + ": wrong BarcodeType");
}

} // namespace

bool BarcodeDigitsOnly(TqbxBarcodeType type)
{
    switch (type) {
    case bcCode39:
    case bcCode39Extended:
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCode93:
    case bcCode93Extended:
    case bcCodeCodabar:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
        return false;
    default:
        return true;
    }
}

const char* BarcodeDisplayName(TqbxBarcodeType type)
{
    static const char* const names[kBarcodeTypeCount] = { "2_5_interleaved", "2_5_industrial", "2_5_matrix", "Code39",
        "Code39 Extended", "Code128A", "Code128B", "Code128C", "Code93", "Code93 Extended", "MSI", "PostNet", "Codebar",
        "EAN8", "EAN13", "UPC_A", "UPC_E0", "UPC_E1", "UPC Supp2", "UPC Supp5", "EAN128A", "EAN128B", "EAN128C" };
    return type >= 0 && type < kBarcodeTypeCount ? names[type] : "";
}

void TqbxBarcode::ComputeWidths()
{
    bool keepRatio = Typ == bcCode128A || Typ == bcCode128B || Typ == bcCode128C || Typ == bcCode93
        || Typ == bcCode93Extended || Typ == bcCodeMSI || Typ == bcCodePostNet || Typ == bcCodeEAN128A
        || Typ == bcCodeEAN128B || Typ == bcCodeEAN128C;
    if (Typ == bcCode_2_5_matrix)
        Ratio = std::clamp(Ratio, 2.25, 3.0);
    else if (!keepRatio)
        Ratio = std::clamp(Ratio, 2.0, 3.0);
    int w2 = RoundToInt(static_cast<long double>(Modul) * Ratio);
    widths_[0] = Modul;
    widths_[1] = w2;
    widths_[2] = 3 * w2 / 2;
    widths_[3] = 2 * w2;
}

int TqbxBarcode::ElementWidth(char element) const
{
    if (element >= '0' && element <= '3')
        return widths_[element - '0'];
    if (element >= '5' && element <= '8')
        return widths_[element - '5'];
    if (element >= 'A' && element <= 'D')
        return widths_[element - 'A'];
    return 0;
}

std::string TqbxBarcode::Encode()
{
    ComputeWidths();
    if (Typ < 0 || Typ >= kBarcodeTypeCount)
        throw EConvertError(std::string(kClassName) + ": wrong BarcodeType");
    if (BarcodeDigitsOnly(Typ)) {
        std::size_t first = Text.find_first_not_of(' '), last = Text.find_last_not_of(' ');
        Text = first == std::string::npos ? std::string() : Text.substr(first, last - first + 1);
        if (!std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; }))
            throw EConvertError("Barcode must be numeric");
    }
    return Encoder(*this).Encode();
}

int TqbxBarcode::Width()
{
    std::string modules = Encode();
    int width = 0;
    for (char c : modules) {
        if (!((c >= '0' && c <= '3') || (c >= '5' && c <= '8') || (c >= 'A' && c <= 'D')))
            throw EConvertError(std::string(kClassName) + ": internal Error");
        width += ElementWidth(c);
    }
    return width;
}

} // namespace qbx
