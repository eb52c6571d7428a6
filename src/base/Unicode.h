// Conversions between the two text encodings of qbx: UTF-8 for 8-bit text, UTF-16 for wide text.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

// Decodes UTF-8; a malformed byte sequence becomes U+FFFD so that no input is lost silently.
std::u16string Utf8ToUtf16(std::string_view text);

// Encodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Number of characters (code points) in UTF-8 text; what script string functions count.
std::size_t Utf8Length(std::string_view text);

// Lower and upper case of ASCII letters only, for names compared without regard to case.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
// Replaces the first occurrence of `marker` (ASCII letters in any case) by `by`; false when there is none.
bool ReplaceFirstIgnoringCase(std::string& text, std::string_view marker, std::string_view by);

// Text with blanks and control characters (code <= 32) removed from both ends.
std::string_view TrimBlanks(std::string_view text);

} // namespace qbx
