// The binary property format of PropData blocks: named values, written in the few forms qbx produces and
// read in every form of the component binary format.
#pragma once

#include "base/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// Value type bytes of the component binary format.
enum TBinValueType : std::uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
    vaDouble = 21,
};

struct BinProperty;

// One value read back: a scalar, bytes (binary and strings), or a list of values.
struct BinValue
{
    TBinValueType Type = vaNull;
    Variant Scalar; // integers, floats, Booleans, dates, identifiers
    std::string Bytes; // strings (UTF-8) and binary data
    std::vector<std::string> SetMembers;
    std::vector<BinValue> Items; // lists and collections
    // A collection item: its order value (-1 when absent) and its properties as name and value.
    int CollectionOrder = -1;
    std::vector<BinProperty> Properties; // a vector may hold a type still incomplete here
};

struct BinProperty
{
    std::string Name;
    BinValue Value;
};

class PropDataWriter
{
public:
    void Name(std::string_view name); // length-prefixed, one byte
    void Integer(std::int64_t value); // the smallest of 1, 2 and 4 bytes that holds it
    void ShortString(std::string_view text); // 0x06, one length byte
    void LongString(std::string_view text); // 0x0C, four length bytes
    void Binary(std::string_view bytes); // 0x0A
    void BeginList() { buffer_ += static_cast<char>(vaList); }
    void EndList() { buffer_ += static_cast<char>(vaNull); }
    const std::string& Buffer() const { return buffer_; }

private:
    std::string buffer_;
};

// Reads entries (a name and a value each) until the end of the data. Malformed data raises
// EConvertError, which the caller turns into the end of the block.
class PropDataReader
{
public:
    explicit PropDataReader(std::string_view data)
        : data_(data)
    {
    }
    bool AtEnd() const { return at_ >= data_.size(); }
    std::string ReadName();
    BinValue ReadValue();

private:
    std::uint8_t Byte();
    std::string_view Take(std::size_t count);
    std::uint64_t Little(std::size_t bytes);
    std::string ShortText();

    std::string_view data_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

// Two upper-case hexadecimal digits per byte, and back; odd length or other characters raise EConvertError.
std::string HexEncode(std::string_view bytes);
std::string HexDecode(std::string_view hex);

// CRC-32 with the reflected polynomial, initial value and final XOR all ones.
std::uint32_t Crc32(std::string_view bytes);

} // namespace qbx
