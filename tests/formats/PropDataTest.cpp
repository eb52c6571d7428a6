// The binary property format: the forms written, every form read, hexadecimal text and the checksum.
#include "formats/PropData.h"

#include "base/Exceptions.h"

#include <cstring>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(PropData, WritesTheSmallestIntegerAndTheListedForms)
{
    PropDataWriter w;
    w.Name("a");
    w.Integer(-5);
    w.Name("b");
    w.Integer(300);
    w.Name("c");
    w.Integer(70000);
    w.Name("s");
    w.ShortString("hi");
    w.Name("L");
    w.LongString("x");
    w.Name("bin");
    w.Binary("\x01\x02");
    EXPECT_EQ(HexEncode(w.Buffer()),
        "0161"
        "02FB"
        "0162"
        "032C01"
        "0163"
        "0470110100"
        "0173"
        "06026869"
        "014C"
        "0C0100000078"
        "0362696E"
        "0A020000000102");
}

TEST(PropData, ReadsEveryValueForm)
{
    std::string data;
    auto put = [&](std::initializer_list<int> bytes) {
        for (int b : bytes)
            data += static_cast<char>(b);
    };
    put({ 1, 'i', 19, 1, 0, 0, 0, 0, 0, 0, 0 }); // Int64 1
    double d = 2.5;
    char bits[8];
    std::memcpy(bits, &d, 8);
    put({ 1, 'd', 21 });
    data.append(bits, 8);
    long double e = 3.25L;
    char ext[16] {};
    std::memcpy(ext, &e, 10);
    put({ 1, 'e', 5 });
    data.append(ext, 10);
    put({ 1, 't', 9, 1, 'f', 8, 1, 'n', 13 });
    put({ 1, 'w', 18, 2, 0, 0, 0, 'O', 0, 'K', 0 });
    put({ 1, 'u', 20, 1, 0, 0, 0, 'U' });
    put({ 1, 'x', 7, 3, 'a', 'b', 'c' });
    put({ 1, 'S', 11, 6, 'f', 's', 'B', 'o', 'l', 'd', 0 });
    put({ 1, 'l', 1, 2, 7, 2, 8, 0 });
    put({ 1, 'C', 14, 2, 1, 1, 4, 'N', 'a', 'm', 'e', 6, 1, 'q', 0, 0 }); // one item: order 1, Name = "q"
    PropDataReader r(data);
    std::vector<std::string> names;
    std::vector<BinValue> values;
    while (!r.AtEnd()) {
        names.push_back(r.ReadName());
        values.push_back(r.ReadValue());
    }
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(values[0].Scalar.AsInt64(), 1);
    EXPECT_EQ(values[1].Scalar.AsFloat(), 2.5L);
    EXPECT_EQ(values[2].Scalar.AsFloat(), 3.25L);
    EXPECT_TRUE(values[3].Scalar.AsBoolean());
    EXPECT_FALSE(values[4].Scalar.AsBoolean());
    EXPECT_EQ(values[5].Type, vaNil);
    EXPECT_EQ(values[6].Bytes, "OK");
    EXPECT_EQ(values[7].Bytes, "U");
    EXPECT_EQ(values[8].Bytes, "abc");
    EXPECT_EQ(values[9].SetMembers, (std::vector<std::string> { "fsBold" }));
    ASSERT_EQ(values[10].Items.size(), 2u);
    EXPECT_EQ(values[10].Items[1].Scalar.AsInteger(), 8);
    ASSERT_EQ(values[11].Items.size(), 1u);
    EXPECT_EQ(values[11].Items[0].CollectionOrder, 1);
    ASSERT_EQ(values[11].Items[0].Properties.size(), 1u);
    EXPECT_EQ(values[11].Items[0].Properties[0].Name, "Name");
    EXPECT_EQ(values[11].Items[0].Properties[0].Value.Bytes, "q");
    EXPECT_EQ(r.AtEnd(), true);
}

TEST(PropData, DamagedDataRaises)
{
    for (const std::string& bad :
        { std::string("\x01x\x0C\xFF\x00\x00\x00", 7), std::string("\x01x\x63", 3), std::string("\x05", 1) }) {
        PropDataReader r(bad);
        EXPECT_THROW(
            {
                r.ReadName();
                r.ReadValue();
            },
            EConvertError);
    }
    EXPECT_EQ(HexDecode("0aFf"), std::string("\x0A\xFF", 2));
    EXPECT_THROW(HexDecode("ABC"), EConvertError);
    EXPECT_THROW(HexDecode("ZZ"), EConvertError);
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

} // namespace
} // namespace qbx
