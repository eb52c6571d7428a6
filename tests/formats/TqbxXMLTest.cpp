// The XML model: attributes, reading rules, writing rules and deferred loading.
#include "formats/TqbxXML.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

std::string Write(TqbxXMLDocument& doc)
{
    std::ostringstream out;
    doc.SaveToStream(out);
    return out.str();
}

void Read(TqbxXMLDocument& doc, const std::string& text)
{
    std::istringstream in(text);
    doc.LoadFromStream(in);
}

TEST(TqbxXMLItem, AttributesAreEscapedInTheRawText)
{
    TqbxXMLItem item;
    item.SetProp("Text", "a<b");
    item.SetProp("Lines", "1\r\n2");
    item.SetProp("Amp", "Tom & Jerry");
    EXPECT_EQ(item.Text, "Text=\"a&#60;b\" Lines=\"1&#13;&#10;2\" Amp=\"Tom &#38; Jerry\"");
    item.SetProp("lines", "x");
    EXPECT_EQ(item.Text, "Text=\"a&#60;b\" lines=\"x\" Amp=\"Tom &#38; Jerry\"") << "replaced in place";
    EXPECT_EQ(item.Prop("TEXT"), "a<b");
    EXPECT_EQ(item.Prop("Missing"), "");
    item.SetProp("Q", "&quot;");
    EXPECT_EQ(item.Prop("Q"), "\"");

    TqbxXMLItem read;
    read.Text = " A=\"Tom & Jerry\" B=\"x\"";
    EXPECT_EQ(read.Prop("A"), "Tom & Jerry") << "a lone ampersand read from a file stays";
}

TEST(TqbxXMLItem, ChildrenMoveBetweenParents)
{
    TqbxXMLItem a, b;
    TqbxXMLItem* child = a.Add();
    child->Name = "Page1";
    EXPECT_EQ(a.Find("PAGE1"), 0);
    b.AddItem(*child);
    EXPECT_EQ(a.Count(), 0);
    EXPECT_EQ(b.Items(0), child);
    EXPECT_EQ(child->Parent(), &b);
    TqbxXMLItem* found = b.FindItem("Page2");
    EXPECT_EQ(b.Count(), 2);
    b.InsertItem(0, std::make_unique<TqbxXMLItem>());
    EXPECT_EQ(b.IndexOf(found), 2);
    delete b.Items(0); // destroying a child removes it from its parent
    EXPECT_EQ(b.Count(), 2);
}

TEST(TqbxXMLDocument, ReadingRules)
{
    TqbxXMLDocument doc;
    Read(doc,
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- a -- comment --->still inside -->text<a x=\"1\">between<b/>"
        "<!---->\n<c y=\"2\" /><d></d></A>");
    TqbxXMLItem& root = doc.Root();
    EXPECT_EQ(root.Name, "a");
    EXPECT_EQ(root.Text, " x=\"1\"");
    ASSERT_EQ(root.Count(), 3);
    EXPECT_EQ(root.Items(0)->Name, "b");
    EXPECT_EQ(root.Items(1)->Text, " y=\"2\" ");
    EXPECT_EQ(root.Items(1)->Prop("y"), "2");
    EXPECT_EQ(root.Items(2)->Count(), 0);

    Read(doc, "<?xml?><r><page><m/>"); // the stream ends before the root is closed
    ASSERT_EQ(doc.Root().Count(), 1);
    EXPECT_EQ(doc.Root().Items(0)->Count(), 1);
}

TEST(TqbxXMLDocument, MalformedTextIsRefusedKeepingWhatWasRead)
{
    struct Row
    {
        const char* name;
        const char* text;
    } rows[] = {
        { "no header", "<a></a>" },
        { "unclosed inner element", "<?xml?><a><b></a>" },
        { "< inside a tag", "<?xml?><a <b>" },
        { "end inside a tag", "<?xml?><a x=\"1" },
        { "end inside a comment", "<?xml?><a><!-- never closed" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TqbxXMLDocument doc;
        try {
            Read(doc, row.text);
            ADD_FAILURE() << "no error";
        } catch (const TqbxInvalidXMLException& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
    }
    TqbxXMLDocument doc;
    EXPECT_THROW(Read(doc, "<?xml?><r><ok/><bad></r>"), TqbxInvalidXMLException);
    EXPECT_EQ(doc.Root().Name, "r");

    std::string deep = "<?xml?>";
    for (int i = 0; i < 600; ++i)
        deep += "<a>";
    EXPECT_THROW(Read(doc, deep), TqbxInvalidXMLException);
}

TEST(TqbxXMLDocument, WritingRules)
{
    TqbxXMLDocument doc;
    doc.Root().Name = "TqbxReport";
    doc.Root().SetProp("Version", "4.3");
    TqbxXMLItem* page = doc.Root().Add();
    page->Name = "TqbxReportPage";
    page->Text = "Name=\"Page1\"";
    page->Add()->Name = "TqbxMemoView";
    EXPECT_EQ(Write(doc),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><TqbxReport Version=\"4.3\">"
        "<TqbxReportPage Name=\"Page1\"><TqbxMemoView/></TqbxReportPage></TqbxReport>");
    doc.AutoIndent = true;
    EXPECT_EQ(Write(doc),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TqbxReport Version=\"4.3\">\r\n"
        "  <TqbxReportPage Name=\"Page1\">\r\n    <TqbxMemoView/>\r\n  </TqbxReportPage>\r\n"
        "</TqbxReport>\r\n");
    // A long document goes out in blocks and comes back whole.
    for (int i = 0; i < 2000; ++i) {
        TqbxXMLItem* m = page->Add();
        m->Name = "m";
        m->Text = " n=\"" + std::to_string(i) + "\"";
    }
    std::string text = Write(doc);
    TqbxXMLDocument back;
    back.AutoIndent = true;
    Read(back, text);
    EXPECT_EQ(back.Root().Items(0)->Count(), 2001);
    EXPECT_TRUE(Write(back) == text);
}

std::string PreparedPages()
{
    return "<?xml version=\"1.0\"?><pages><page1 ld=\"0\" w=\"5\"><m t=\"a\"/><m t=\"b\"/></page1>"
           "<page2 LD=\"0\"><m t=\"c\"/></page2></pages>";
}

TEST(TqbxXMLDocument, DeferredLoading)
{
    TqbxXMLDocument full;
    Read(full, PreparedPages());
    TqbxXMLItem& page1 = *full.Root().Items(0);
    EXPECT_EQ(page1.Count(), 2) << "without partial loading the children stay";
    EXPECT_EQ(page1.Text, " w=\"5\"") << "and the marker is gone";
    EXPECT_FALSE(page1.Unloadable);

    TqbxXMLDocument partial;
    partial.LoadFromStream(std::make_unique<std::istringstream>(PreparedPages()), true);
    TqbxXMLItem& p1 = *partial.Root().Items(0);
    EXPECT_EQ(p1.Count(), 0);
    EXPECT_FALSE(p1.Loaded);
    EXPECT_TRUE(p1.Unloadable);
    partial.LoadItem(p1);
    ASSERT_EQ(p1.Count(), 2);
    EXPECT_EQ(p1.Items(1)->Prop("t"), "b");
    EXPECT_EQ(p1.Text, " w=\"5\"");

    // Unloaded again, the page goes to a temporary file with the prefix "qb", and comes back from there.
    partial.TempDir = std::filesystem::temp_directory_path().string();
    partial.UnloadItem(p1);
    EXPECT_EQ(p1.Count(), 0);
    std::string temp = partial.TempFileName();
    EXPECT_EQ(std::filesystem::path(temp).filename().string().substr(0, 2), "qb");
    EXPECT_TRUE(std::filesystem::exists(temp));
    // Writing reads unloaded items back from whichever stream holds each of them.
    std::string written = Write(partial);
    EXPECT_NE(written.find("<page1 w=\"5\" ld=\"0\"><m t=\"a\"/><m t=\"b\"/></page1>"), std::string::npos) << written;
    EXPECT_NE(written.find("<page2 ld=\"0\"><m t=\"c\"/></page2>"), std::string::npos) << written;
    EXPECT_EQ(p1.Count(), 0) << "cleared again after writing";
    partial.LoadItem(p1);
    EXPECT_EQ(p1.Items(0)->Prop("t"), "a");
    partial.Clear();
    EXPECT_FALSE(std::filesystem::exists(temp));
}

} // namespace
} // namespace qbx
