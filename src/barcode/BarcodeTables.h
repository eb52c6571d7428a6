// The symbol tables of the barcode encoder, as in the symbologies' standards.
#pragma once

#include <string_view>

namespace qbx::barcode {

// EAN/UPC digit codes in module-string form: L (set A), G (set B), R (set C).
extern const char* const kEanL[10];
extern const char* const kEanG[10];
extern const char* const kEanR[10];
extern const char* const kEan13Parity[10]; // by the first digit, positions 2-7: A = L, B = G
extern const char* const kUpcEParity[10]; // by the check digit: E = G code, o = L code

// Narrow/wide patterns of the 2 of 5 digits (1 = wide).
extern const char* const kTwoOfFive[10];

// Code 39: the characters in value order and their nine elements, n narrow and w wide, from a bar.
extern const std::string_view kCode39Characters;
extern const char* const kCode39Patterns[44]; // the 43 values, then "*"
// Full-ASCII pairs of characters 0-127 (Code 39 Extended); Code 93 Extended writes its shift
// characters in place of "$", "%", "/" and "+" of the shift positions.
extern const char* const kCode39Ascii[128];

// Code 93: 47 values ("0"-"9", "A"-"Z", "-", ".", space, "$", "/", "+", "%", then the shifts "[", "]",
// "{", "}"), each six module widths.
extern const std::string_view kCode93Characters;
extern const char* const kCode93Patterns[47];

// Code 128 values 0-105 as six module widths.
extern const char* const kCode128Patterns[106];

// Codabar characters and their seven elements from a bar, in module-string form.
extern const std::string_view kCodabarCharacters;
extern const char* const kCodabarPatterns[20];

// PostNet digits: five bars, 1 full and 0 short.
extern const char* const kPostNet[10];

} // namespace qbx::barcode
