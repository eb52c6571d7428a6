// The wide-string list: splitting rules, the text form, bounds and files.
#include "base/TWideStrings.h"

#include "base/Exceptions.h"
#include "platform/Files.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace qbx {
namespace {

std::vector<std::u16string> Lines(const TWideStrings& list)
{
    std::vector<std::u16string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Strings(i));
    return out;
}

TEST(TWideStrings, SetTextSplitsAtEveryLineBreakKind)
{
    struct Row
    {
        const char* name;
        std::u16string text;
        std::vector<std::u16string> lines;
    } rows[] = {
        { "CR LF", u"a\r\nb", { u"a", u"b" } },
        { "CR", u"a\rb", { u"a", u"b" } },
        { "LF", u"a\nb", { u"a", u"b" } },
        { "line separator", u"a\u2028b", { u"a", u"b" } },
        { "LF CR is two breaks", u"a\n\rb", { u"a", u"", u"b" } },
        { "final break adds no line", u"a\r\n", { u"a" } },
        { "empty lines kept inside", u"\r\n\r\nx", { u"", u"", u"x" } },
        { "empty text", u"", {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TWideStrings list;
        list.SetText(row.text);
        EXPECT_EQ(Lines(list), row.lines);
    }
}

TEST(TWideStrings, TextEndsEveryLineWithCrLf)
{
    TWideStrings list;
    list.Add(u"one");
    list.Add(u"");
    EXPECT_EQ(list.Text(), u"one\r\n\r\n");
    EXPECT_EQ(list.JoinedUtf8(), "one\r\n");
    EXPECT_EQ(TWideStrings().JoinedUtf8(), "");
}

TEST(TWideStrings, BoundsAndTags)
{
    TWideStrings list;
    EXPECT_EQ(list.Strings(-1), u"");
    EXPECT_EQ(list.Strings(5), u"");
    list.SetStrings(0, u"appended at Count");
    list.AddObject(u"tagged", 77);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Objects(1), 77);
    EXPECT_EQ(list.Objects(9), 0);
    list.SetStrings(0, u"replaced");
    EXPECT_EQ(list.Strings(0), u"replaced");
    try {
        list.SetStrings(3, u"beyond");
        ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "Wide String Out of Bounds");
    }
    EXPECT_THROW(list.Insert(3, u"x"), EListError);
    list.Insert(0, u"first");
    EXPECT_EQ(list.IndexOf(u"tagged"), 2);
    list.Delete(7);
    list.Delete(0);
    EXPECT_EQ(Lines(list), (std::vector<std::u16string> { u"replaced", u"tagged" }));
}

TEST(TWideStrings, FilesHoldUtf8)
{
    std::string name = CreateTempFile("qb");
    TWideStrings list;
    list.SetText(u"\u041F\u0440\u0438\u0432\u0435\u0442\r\nworld");
    list.SaveToFile(name);
    EXPECT_EQ(ReadWholeFile(name), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\nworld\r\n");
    TWideStrings back;
    back.LoadFromFile(name);
    EXPECT_EQ(back, list);
    std::remove(name.c_str());
    EXPECT_THROW(back.LoadFromFile(name), EFileError);
}

} // namespace
} // namespace qbx
