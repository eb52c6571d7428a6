// The script engine's XML documents: their differences from the template model.
#include "script/TksXMLDocument.h"

#include "base/Exceptions.h"

#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TksXMLDocument, ReadsWritesAndCopiesWithoutDeferredLoading)
{
    TksXMLDocument doc;
    std::istringstream in(
        "<?xml version=\"1.0\"?><program><expr ld=\"0\" pos=\"1:5\"><op text=\"&#60;\"/></expr></program>");
    doc.LoadFromStream(in);
    TksXMLItem* expr = doc.Root().Items(0);
    EXPECT_EQ(expr->Text, " ld=\"0\" pos=\"1:5\"") << "ld=\"0\" is an ordinary attribute here";
    ASSERT_EQ(expr->Count(), 1);
    EXPECT_EQ(expr->Items(0)->Prop("text"), "<");
    EXPECT_EQ(expr->Items(0)->Root(), &doc.Root());

    TksXMLItem copy;
    copy.Assign(*expr);
    EXPECT_EQ(copy.Count(), 1);
    EXPECT_EQ(copy.Items(0)->Prop("TEXT"), "<");

    std::ostringstream out;
    doc.SaveToStream(out);
    EXPECT_EQ(
        out.str(), "<?xml version=\"1.0\"?><program><expr ld=\"0\" pos=\"1:5\"><op text=\"&#60;\"/></expr></program>");
}

TEST(TksXMLDocument, ErrorsArePlainExceptions)
{
    TksXMLDocument doc;
    std::istringstream in("<?xml version=\"1.0\"?><a><b></a>");
    try {
        doc.LoadFromStream(in);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Invalid file format");
    }
    EXPECT_EQ(doc.Root().Name, "a") << "what was read stays";
    EXPECT_THROW(doc.LoadFromFile("/nonexistent/grammar.xml"), EFileError);
}

} // namespace
} // namespace qbx
