// PropData entries: writing, reading, hexadecimal text and checksums.
#include "formats/PropData.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"

#include <cstring>
#include <zlib.h>

namespace qbx {
namespace {

[[noreturn]] void Bad(const std::string& what)
{
    throw EConvertError("Invalid property data: " + what);
}

void PutLittle(std::string& out, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

void PropDataWriter::Name(std::string_view name)
{
    if (name.size() > 255)
        throw EConvertError("Property name longer than 255 bytes: " + std::string(name));
    buffer_ += static_cast<char>(name.size());
    buffer_ += name;
}

void PropDataWriter::Integer(std::int64_t value)
{
    if (value >= -128 && value <= 127) {
        buffer_ += static_cast<char>(vaInt8);
        PutLittle(buffer_, static_cast<std::uint64_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        buffer_ += static_cast<char>(vaInt16);
        PutLittle(buffer_, static_cast<std::uint64_t>(value), 2);
    } else {
        buffer_ += static_cast<char>(vaInt32);
        PutLittle(buffer_, static_cast<std::uint64_t>(value), 4);
    }
}

void PropDataWriter::ShortString(std::string_view text)
{
    if (text.size() > 255) {
        LongString(text);
        return;
    }
    buffer_ += static_cast<char>(vaString);
    buffer_ += static_cast<char>(text.size());
    buffer_ += text;
}

void PropDataWriter::LongString(std::string_view text)
{
    buffer_ += static_cast<char>(vaLString);
    PutLittle(buffer_, text.size(), 4);
    buffer_ += text;
}

void PropDataWriter::Binary(std::string_view bytes)
{
    buffer_ += static_cast<char>(vaBinary);
    PutLittle(buffer_, bytes.size(), 4);
    buffer_ += bytes;
}

std::uint8_t PropDataReader::Byte()
{
    return static_cast<std::uint8_t>(Take(1)[0]);
}

std::string_view PropDataReader::Take(std::size_t count)
{
    if (count > data_.size() - at_)
        Bad("the data ends inside a value");
    std::string_view part = data_.substr(at_, count);
    at_ += count;
    return part;
}

std::uint64_t PropDataReader::Little(std::size_t bytes)
{
    std::string_view b = Take(bytes);
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(b[i])) << (8 * i);
    return v;
}

std::string PropDataReader::ShortText()
{
    return std::string(Take(Byte()));
}

std::string PropDataReader::ReadName()
{
    return ShortText();
}

BinValue PropDataReader::ReadValue()
{
    if (++depth_ > 100)
        Bad("lists nested deeper than 100 levels");
    BinValue v;
    v.Type = static_cast<TBinValueType>(Byte());
    switch (v.Type) {
    case vaNull:
    case vaNil:
        break;
    case vaList:
        while (!AtEnd() && data_[at_] != vaNull)
            v.Items.push_back(ReadValue());
        Take(1);
        break;
    case vaInt8:
        v.Scalar = Variant(static_cast<int>(static_cast<std::int8_t>(Little(1))));
        break;
    case vaInt16:
        v.Scalar = Variant(static_cast<int>(static_cast<std::int16_t>(Little(2))));
        break;
    case vaInt32:
        v.Scalar = Variant(static_cast<int>(static_cast<std::int32_t>(Little(4))));
        break;
    case vaInt64:
        v.Scalar = Variant(static_cast<std::int64_t>(Little(8)));
        break;
    case vaExtended: {
        std::string_view b = Take(10);
        long double x = 0;
        std::memcpy(&x, b.data(), 10); // the 80-bit extended format of x86
        v.Scalar = Variant(static_cast<double>(x));
        break;
    }
    case vaDouble:
    case vaDate: {
        std::uint64_t bits = Little(8);
        double x = 0;
        std::memcpy(&x, &bits, 8);
        v.Scalar = v.Type == vaDate ? Variant::FromDate(x) : Variant(x);
        break;
    }
    case vaSingle: {
        auto bits = static_cast<std::uint32_t>(Little(4));
        float x = 0;
        std::memcpy(&x, &bits, 4);
        v.Scalar = Variant::FromSingle(x);
        break;
    }
    case vaCurrency:
        v.Scalar = Variant::FromCurrency({ static_cast<std::int64_t>(Little(8)) });
        break;
    case vaString:
    case vaIdent:
        v.Bytes = ShortText();
        v.Scalar = Variant(v.Bytes);
        break;
    case vaFalse:
    case vaTrue:
        v.Scalar = Variant(v.Type == vaTrue);
        break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        v.Bytes = std::string(Take(static_cast<std::size_t>(Little(4))));
        break;
    case vaWString: {
        std::size_t count = static_cast<std::size_t>(Little(4));
        if (count > (data_.size() - at_) / 2)
            Bad("a wide string runs past the end");
        std::u16string wide;
        for (std::size_t i = 0; i < count; ++i)
            wide += static_cast<char16_t>(Little(2));
        v.Bytes = Utf16ToUtf8(wide);
        break;
    }
    case vaSet:
        for (std::string member = ShortText(); !member.empty(); member = ShortText())
            v.SetMembers.push_back(member);
        break;
    case vaCollection:
        // Each item: an optional order value, then its properties as name and value up to an end byte.
        while (!AtEnd() && data_[at_] != vaNull) {
            BinValue item;
            std::uint8_t t = static_cast<std::uint8_t>(data_[at_]);
            if (t == vaInt8 || t == vaInt16 || t == vaInt32)
                item.CollectionOrder = ReadValue().Scalar.AsInteger();
            if (Byte() != vaList)
                Bad("a collection item does not start with a list");
            while (!AtEnd() && data_[at_] != vaNull) {
                std::string name = ShortText();
                item.Properties.push_back({ name, ReadValue() });
            }
            Take(1);
            v.Items.push_back(std::move(item));
        }
        Take(1);
        break;
    default:
        Bad("unknown value type " + std::to_string(static_cast<int>(v.Type)));
    }
    if (!v.Bytes.empty() && v.Scalar.IsEmpty())
        v.Scalar = Variant(v.Bytes);
    --depth_;
    return v;
}

std::string HexEncode(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        out += kDigits[(static_cast<unsigned char>(c) >> 4) & 0xF];
        out += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return out;
}

std::string HexDecode(std::string_view hex)
{
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0)
        Bad("hexadecimal text of odd length");
    std::string out;
    out.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int hi = digit(hex[i]), lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0)
            Bad("'" + std::string(hex.substr(i, 2)) + "' is no hexadecimal byte");
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

std::uint32_t Crc32(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

} // namespace qbx
