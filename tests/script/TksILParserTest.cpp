// The grammar-driven parser over the four shipped grammars: the intermediate program, errors and
// their positions, the language line, report references and included units.
#include "script/TksILParser.h"

#include "base/Exceptions.h"
#include "platform/Files.h"
#include "script/TksLanguages.h"
#include "script/TksMessages.h"

#include <map>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// The intermediate program as one line of element names with their texts, e.g.
// "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))"; positions left out.
std::string Shape(const TksXMLItem& item)
{
    std::string out = item.Name;
    std::string text = item.Prop("text");
    if (!text.empty())
        out += ":" + text;
    if (item.Count() > 0) {
        out += "(";
        for (int i = 0; i < item.Count(); ++i)
            out += (i ? " " : "") + Shape(*item.Items(i));
        out += ")";
    }
    return out;
}

std::string Parse(const std::string& language, const std::string& text, std::string* error = nullptr)
{
    TksILParser parser;
    parser.SelectLanguage(language);
    bool ok = parser.ParseToIL(text);
    if (error)
        *error = parser.LastError + (parser.LastErrorPos.empty() ? "" : " at " + parser.LastErrorPos);
    if (!ok)
        return "failed";
    std::string shape;
    TksXMLItem& root = parser.IL().Root();
    for (int i = 0; i < root.Count(); ++i)
        if (root.Items(i)->Name != "types")
            shape += (shape.empty() ? "" : " ") + Shape(*root.Items(i));
    return shape;
}

TEST(TksILParser, EachLanguageWritesTheSameVocabulary)
{
    struct Row
    {
        const char* language;
        const char* source;
        const char* shape;
    } rows[] = {
        { "VeradaZurezi", "begin x := 1 + 2 end.",
            "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:+ number:2)))" },
        { "R++Edodod", "{ x = 1 + 2; }", "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:+ number:2)))" },
        { "VidodAvidov", "x = 1 + 2\r\n", "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:+ number:2)))" },
        { "JScript", "x = 1 + 2;", "compoundstmt(assignstmt(dsgn(node:x) expr(number:1 op:+ number:2)))" },
        { "VeradaZurezi", "begin if a >= $1F then b(1, 'x') else c end.",
            "compoundstmt(ifstmt(expr(dsgn(node:a) op:>= number:$1F) thenstmt(callstmt(dsgn(node:b expr(number:1) "
            "expr(string:'x')))) elsestmt(callstmt(dsgn(node:c)))))" },
        { "R++Edodod", "{ if (a != 0x10) x += 2; }",
            "compoundstmt(ifstmt(expr(dsgn(node:a) op:<> number:$10) thenstmt(assignstmt(dsgn(node:x) "
            "modificator:+ expr(number:2)))))" },
        { "VidodAvidov", "Dim a As Integer = 5\r\n", "compoundstmt(var(ident:a type:Integer init(expr(number:5))))" },
        { "JScript", "function f(&a) { return a; }",
            "compoundstmt(function(name:f parameters(var(varparam:& ident:a)) "
            "compoundstmt(return(expr(dsgn(node:a))))))" },
        { "VeradaZurezi", "var a, b: integer; begin end.", "var(ident:a ident:b type:integer) compoundstmt" },
        { "VeradaZurezi", "begin x := <Data.\"Field\"> end.",
            "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:Get expr(string:'Data.\"Field\"')))))" },
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(Parse(row.language, row.source, &error), row.shape)
            << row.language << ": " << row.source << " " << error;
    }
}

TEST(TksILParser, ElementsCarryPositionsAndTheGrammarsTypes)
{
    TksILParser parser;
    parser.SelectLanguage("R++Edodod");
    ASSERT_TRUE(parser.ParseToIL("{\n  x = 10;\n}")) << parser.LastError;
    std::string il = parser.ILText();
    EXPECT_NE(il.find("<assignstmt pos=\"2:3\">"), std::string::npos) << il;
    EXPECT_NE(il.find("<expr pos=\"2:7\" pos1=\"2:9\">"), std::string::npos) << il;
    EXPECT_NE(il.find("<number text=\"10\" pos=\"2:9\"/>"), std::string::npos) << il;
    TksXMLItem& root = parser.IL().Root();
    TksXMLItem* types = root.Items(root.Count() - 1);
    EXPECT_EQ(types->Name, "types");
    EXPECT_EQ(types->FindItem("float")->Prop("type"), "extended");
}

TEST(TksILParser, FirstErrorWithItsGrammarTextAndPosition)
{
    struct Row
    {
        const char* language;
        const char* source;
        const char* error;
    } rows[] = {
        { "VeradaZurezi", "", "'BEGIN' expected at 1:1" },
        { "VeradaZurezi", "begin\r\n  x := ;\r\nend.", "Expression expected at 2:8" },
        { "VeradaZurezi", "begin x := 1 end", "'.' expected at 1:17" },
        { "R++Edodod", "{ x = 1 }", "';' expected at 1:9" },
        { "VidodAvidov", "If a Then\r\nx = 1\r\n", "'END' expected at 3:1" },
        { "JScript", "if (a) { x = 1;", "'}' expected at 1:16" },
        { "JScript", "???", "Statement expected at 1:1" },
    };
    std::string error;
    for (const Row& row : rows) {
        EXPECT_EQ(Parse(row.language, row.source, &error), "failed") << row.source;
        EXPECT_EQ(error, row.error) << row.language << ": " << row.source;
    }
    EXPECT_EQ(Parse("VidodAvidov", ""), "") << "an empty program";
    EXPECT_EQ(Parse("JScript", "x = " + std::string(100000, '(') + "1;", &error), "failed");
    EXPECT_EQ(error.substr(0, 31), "The script is nested too deeply");
    EXPECT_EQ(Parse("JScript", "  // nothing\r\n"), "compoundstmt");
    EXPECT_EQ(Parse("VidodAvidov", "x = 1\r\n???\r\n", &error), "failed") << "unread statements are an error";
    EXPECT_EQ(error, "End of line expected at 2:1");
    try {
        TksILParser parser;
        parser.SelectLanguage("Klingon");
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Language 'Klingon' not found");
    }
}

TEST(TksILParser, GrammarRulesThatShapeTheEdges)
{
    struct Row
    {
        const char* language;
        const char* source;
        const char* shape;
    } rows[] = {
        // Text after the final "end." is not read.
        { "VeradaZurezi", "begin end. garbage ((", "compoundstmt" },
        // A ";" after the last branch of a case before end.
        { "VeradaZurezi", "begin case a of 1: b; end end.",
            "compoundstmt(casestmt(expr(dsgn(node:a)) caseselector(set(expr(number:1)) callstmt(dsgn(node:b)))))" },
        // A trailing comma in a variable list declares the names before it.
        { "VeradaZurezi", "var a, b, : integer; begin end.", "var(ident:a ident:b type:integer) compoundstmt" },
        // The language line wins over the selected language.
        { "VeradaZurezi", "#language VidodAvidov\r\nx = 1\r\n",
            "compoundstmt(assignstmt(dsgn(node:x) expr(number:1)))" },
        { "VeradaZurezi", "begin for i := 1 to 10 do x := i end.",
            "compoundstmt(forstmt(ident:i expr(number:1) expr(number:10) assignstmt(dsgn(node:x) "
            "expr(dsgn(node:i)))))" },
        { "VeradaZurezi", "begin x := [1..3] end.",
            "compoundstmt(assignstmt(dsgn(node:x) expr(set(expr(number:1) range:. expr(number:3)))))" },
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(Parse(row.language, row.source, &error), row.shape) << row.source << " " << error;
    }
}

TEST(TksILParser, IncludedUnitsAreReadOnceAndListedInReverse)
{
    std::map<std::string, std::string> units = {
        { "a.pas", "uses 'b.pas'; procedure A; begin end; begin end." },
        { "b.pas", "uses 'a.pas'; procedure B; begin end; begin end." },
        { "c.pas", "procedure C; begin end; begin end." },
    };
    TksILParser parser;
    parser.OnGetUnit = [&](const std::string& name) { return units[name]; };
    parser.SelectLanguage("VeradaZurezi");
    ASSERT_TRUE(parser.ParseToIL("uses 'a.pas', 'c.pas'; begin end.")) << parser.LastError;
    TksXMLItem& root = parser.IL().Root();
    ASSERT_GE(root.Count(), 3);
    EXPECT_EQ(root.Items(0)->Prop("unit"), "c.pas") << "files listed together appear in reverse order";
    EXPECT_EQ(root.Items(1)->Prop("unit"), "a.pas");
    std::string a = Shape(*root.Items(1));
    EXPECT_NE(a.find("uses"), std::string::npos) << a;
    EXPECT_EQ(a.find("uses:a.pas"), std::string::npos);
    EXPECT_EQ(parser.IncludedUnits, (std::vector<std::string> { "c.pas", "a.pas", "b.pas" }));

    units["c.pas"] = "procedure C; begin x := end; begin end.";
    TksILParser failing;
    failing.OnGetUnit = [&](const std::string& name) { return units[name]; };
    failing.SelectLanguage("VeradaZurezi");
    EXPECT_FALSE(failing.ParseToIL("uses 'c.pas'; begin end."));
    EXPECT_EQ(failing.LastError, "Expression expected");
    EXPECT_EQ(failing.LastErrorUnit, "c.pas");
}

} // namespace
} // namespace qbx

namespace qbx {
namespace {

TEST(TksMessages, DefaultsReplacedByTheLocalizedTable)
{
    EXPECT_EQ(ScriptMessage(SLangNotFound, "X"), "Language 'X' not found");
    EXPECT_STREQ(ScriptMessageKey(SEventError), "SEventError");
    EXPECT_EQ(ScriptMessage(SForError), "For loop variable must be numeric variable");
    EXPECT_EQ(ScriptMessage(SIdUndeclared, "x").substr(0, 22), "Undeclared identifier:");
    EXPECT_EQ(ScriptMessage(SIdUndeclared, "x").back(), '\'');
}

} // namespace
} // namespace qbx

namespace qbx {
namespace {

// The sample scripts (also the script fuzz target's seeds) parse in their languages.
TEST(TksILParser, SampleScriptsOfEveryLanguageParse)
{
    for (auto [file, language] : { std::pair { "loops.pas", "VeradaZurezi" }, std::pair { "sum.js", "JScript" },
             std::pair { "total.vb", "VidodAvidov" }, std::pair { "count.cpp", "R++Edodod" } }) {
        TksILParser parser;
        parser.SelectLanguage(language);
        EXPECT_TRUE(parser.ParseToIL(ReadWholeFile(std::string(QBX_TEST_DATA "/scripts/") + file)))
            << file << ": " << parser.LastError << " at " << parser.LastErrorPos;
    }
}

} // namespace
} // namespace qbx
