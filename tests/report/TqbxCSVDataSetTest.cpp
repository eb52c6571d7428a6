// CSV files as data sets: quoting, line breaks in cells, the byte-order mark, delimiters, typing, Null,
// stepping back, and the errors of malformed files with their line and column.
#include "report/TqbxCSVDataSet.h"

#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "platform/Files.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace qbx {
namespace {

std::string WriteCsv(const std::string& name, const std::string& text)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-csv-test";
    std::filesystem::create_directories(folder);
    std::string file = (folder / name).string();
    WriteFileAtomically(file, text);
    return file;
}

std::vector<std::string> Column(TqbxCSVDataSet& data, const std::string& field)
{
    std::vector<std::string> values;
    for (data.First(); !data.Eof(); data.Next()) {
        Variant v = data.GetValue(field);
        values.push_back(v.IsNull() ? "<null>" : v.ToText());
    }
    return values;
}

TEST(TqbxCSVDataSet, QuotingLineBreaksAndTheByteOrderMark)
{
    TqbxCSVDataSet data;
    data.SetName("People");
    data.FileName = WriteCsv("people.csv",
        "\xEF\xBB\xBFName,Note\r\n\"Smith, Anna\",\"said \"\"hi\"\"\"\r\nBob,\"two\nlines\"\r\n\xC3\x89mile,\r\n");
    data.Initialize();
    EXPECT_EQ(data.RecordCount(), 3);
    std::vector<std::string> fields;
    data.GetFieldList(fields);
    EXPECT_EQ(fields, (std::vector<std::string> { "Name", "Note" })) << "the mark is not part of the first name";
    EXPECT_EQ(Column(data, "name"), (std::vector<std::string> { "Smith, Anna", "Bob", "\xC3\x89mile" }));
    EXPECT_EQ(Column(data, "Note"), (std::vector<std::string> { "said \"hi\"", "two\nlines", "<null>" }));
}

TEST(TqbxCSVDataSet, DelimitersAreFoundAndColumnsTyped)
{
    struct Row
    {
        const char* name;
        const char* text;
    };
    const Row rows[] = {
        { "comma", "Id,Price,Day,Label\n1,2.5,2026-12-11,a\n2,3,2026-01-02 10:30,b\n,,,\n" },
        { "semicolon", "Id;Price;Day;Label\n1;2.5;2026-12-11;a\n2;3;2026-01-02 10:30;b\n;;;\n" },
        { "tab", "Id\tPrice\tDay\tLabel\n1\t2.5\t2026-12-11\ta\n2\t3\t2026-01-02 10:30\tb\n\t\t\t\n" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TqbxCSVDataSet data;
        data.FileName = WriteCsv(std::string(row.name) + ".csv", row.text);
        data.Initialize();
        EXPECT_EQ(data.ColumnType("Id"), TqbxCSVColumnType::Integer);
        EXPECT_EQ(data.ColumnType("Price"), TqbxCSVColumnType::Float) << "an integer among numbers with a point";
        EXPECT_EQ(data.ColumnType("Day"), TqbxCSVColumnType::Date);
        EXPECT_EQ(data.ColumnType("Label"), TqbxCSVColumnType::Text);
        data.First();
        EXPECT_TRUE(data.GetValue("Id").IsInteger());
        EXPECT_EQ(data.GetValue("Price").AsFloat(), 2.5);
        EXPECT_EQ(data.GetValue("Day").AsDateTime(), EncodeDate(2026, 12, 11));
        data.Next();
        EXPECT_EQ(data.GetValue("Day").AsDateTime(), EncodeDate(2026, 1, 2) + EncodeTime(10, 30, 0, 0));
        data.Next();
        EXPECT_TRUE(data.GetValue("Id").IsNull()) << "an empty cell is Null";
        EXPECT_TRUE(data.GetValue("Label").IsNull());
    }
}

TEST(TqbxCSVDataSet, PriorStepsBackOneRecord)
{
    TqbxCSVDataSet data;
    data.FileName = WriteCsv("steps.csv", "N\n1\n2\n3\n");
    data.First();
    data.Next();
    data.Next();
    EXPECT_EQ(data.GetValue("N").AsInteger(), 3);
    data.Prior();
    EXPECT_EQ(data.GetValue("N").AsInteger(), 2);
    data.Next();
    EXPECT_EQ(data.GetValue("N").AsInteger(), 3) << "and forward again";
    data.Next();
    EXPECT_TRUE(data.Eof());
    EXPECT_THROW(data.GetValue("Missing"), EConvertError);
}

TEST(TqbxCSVDataSet, MalformedFilesNameTheFileLineAndColumn)
{
    struct Row
    {
        const char* name;
        const char* text;
        const char* where;
    };
    const Row rows[] = {
        { "unclosed", "A,B\n1,2\n3,\"open\n", ":3:2: a quoted cell is not closed" },
        { "too-many", "A,B\n1,2\n3,4,5\n", ":3:3: the row has 3 cells, the header 2" },
        { "too-many after a line break", "A,B\n\"x\ny\",2\n3,4,5\n", ":4:3: the row has 3 cells" },
        { "text after a closing quote", "A,B\n1,\"x\"y\n", ":2:2: " },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TqbxCSVDataSet data;
        data.FileName = WriteCsv(std::string(row.name) + ".csv", row.text);
        try {
            data.Initialize();
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            std::string message = e.what();
            EXPECT_NE(message.find(data.FileName + row.where), std::string::npos) << message;
        }
    }
    TqbxCSVDataSet missing;
    missing.FileName = "/nonexistent/x.csv";
    EXPECT_THROW(missing.Initialize(), EFileError);
}

} // namespace
} // namespace qbx
