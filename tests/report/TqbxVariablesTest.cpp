// Variables, the script array and styles.
#include "report/TqbxVariables.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxVariables, NamesWithoutRegardToCase)
{
    TqbxVariables vars;
    EXPECT_TRUE(vars.Get("Total").IsNull());
    vars.Set("Total", Variant(1));
    vars.Set("TOTAL", Variant(2));
    EXPECT_EQ(vars.Count(), 1) << "writing an absent name appends exactly once";
    EXPECT_EQ(vars.Get("total").AsInteger(), 2);
    EXPECT_EQ(vars.Item(0)->Name(), "Total");
    auto* added = static_cast<TqbxVariable*>(vars.Add());
    EXPECT_TRUE(added->Value().IsNull()) << "a new variable holds Null";

    TqbxArray array;
    array.Set(Variant(7), Variant("seven"));
    EXPECT_EQ(array.Get(Variant("7")).AsString(), "seven");

    qbxGlobalVariables().Set("Shared", Variant(true));
    EXPECT_TRUE(qbxGlobalVariables().Get("SHARED").AsBoolean());
}

TEST(TqbxStyles, NamesAreUniqueWithinTheCollection)
{
    TqbxStyles styles;
    auto* heading = static_cast<TqbxStyleItem*>(styles.Add());
    heading->SetName("Heading");
    auto* body = static_cast<TqbxStyleItem*>(styles.Add());
    body->SetName("Body");
    try {
        body->SetName("HEADING");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Duplicate name");
    }
    EXPECT_EQ(body->Name(), "Body");
    body->SetName("BODY"); // its own name in another case
    EXPECT_EQ(body->Name(), "BODY");
    EXPECT_EQ(styles.Find("heading"), heading);
    EXPECT_EQ(styles.Find("none"), nullptr);
    EXPECT_EQ(heading->Color(), clNone);

    TqbxStyles copy;
    heading->Font().SetSize(14);
    copy.Assign(styles);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Item(0)->Font().Size(), 14);
}

} // namespace
} // namespace qbx
