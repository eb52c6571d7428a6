// The grammar-driven parser over the four shipped grammars: the intermediate program, errors and
// their positions, the language line, report references and included units.
#include "script/TksILParser.h"

#include "base/Exceptions.h"
#include "platform/Files.h"
#include "script/TksLanguages.h"
#include "script/TksMessages.h"

#include <map>
#include <span>

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
    parser.OnGetUnit = [](const std::string&) { return std::string(); }; // included units are empty here
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

// A source in a language and the intermediate program it gives.
struct ShapeRow
{
    const char* language;
    const char* source;
    const char* shape;
};

void ExpectShapes(std::span<const ShapeRow> rows)
{
    for (const ShapeRow& row : rows) {
        std::string error;
        EXPECT_EQ(Parse(row.language, row.source, &error), row.shape)
            << row.language << ": " << row.source << " " << error;
    }
}

TEST(TksILParser, EachLanguageWritesTheSameVocabulary)
{
    const ShapeRow rows[] = {
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
    ExpectShapes(rows);
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
    EXPECT_TRUE(parser.DeclareVarsRequired);
    for (const char* language : { "VidodAvidov", "JScript" }) {
        TksILParser loose;
        loose.SelectLanguage(language);
        EXPECT_FALSE(loose.DeclareVarsRequired) << language << " uses variables without declaring them";
    }
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
    for (const std::string& deep : { "x = " + std::string(100000, '(') + "1;", std::string(100000, '{') }) {
        EXPECT_EQ(Parse("JScript", deep, &error), "failed");
        EXPECT_EQ(error.substr(0, 31), "The script is nested too deeply");
    }
    std::string begins;
    for (int i = 0; i < 100000; ++i)
        begins += "begin ";
    EXPECT_EQ(Parse("VeradaZurezi", begins, &error), "failed");
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
    const ShapeRow rows[] = {
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
        // A failed alternative leaves nothing: the count alternative alone writes the 5.
        { "VeradaZurezi", "var a: array[5] of integer; begin end.",
            "var(ident:a array(dim(expr(number:5))) type:integer) compoundstmt" },
        { "VeradaZurezi", "var a: array[1..5, 2] of string; begin end.",
            "var(ident:a array(dim(expr(number:1) expr(number:5)) dim(expr(number:2))) type:string) compoundstmt" },
        // The JScript for loop's parts are statement lists, as in R++Edodod.
        { "JScript", "for (i = 0; i < 3; i++) x = i;",
            "compoundstmt(cppforstmt(compoundstmt(assignstmt(dsgn(node:i) expr(number:0))) expr(dsgn(node:i) op:< "
            "number:3) compoundstmt(callstmt(dsgn(node:i) modificator:+)) assignstmt(dsgn(node:x) "
            "expr(dsgn(node:i)))))" },
        { "R++Edodod", "{ for (i = 0; i < 3; i++) x = i; }",
            "compoundstmt(cppforstmt(compoundstmt(assignstmt(dsgn(node:i) expr(number:0))) expr(dsgn(node:i) op:< "
            "number:3) compoundstmt(callstmt(dsgn(node:i) modificator:+)) assignstmt(dsgn(node:x) "
            "expr(dsgn(node:i)))))" },
    };
    ExpectShapes(rows);
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

// Inputs the fuzz targets found overflowing the stack (with frames as large as a sanitizer makes
// them): each now ends with the nesting error.
TEST(TksILParser, FuzzFoundNestingEndsWithAnError)
{
    for (auto [file, language] : { std::pair { "deep-verada.txt", "VeradaZurezi" },
             std::pair { "deep-rplusplus.txt", "R++Edodod" }, std::pair { "deep-vidod.txt", "VidodAvidov" } }) {
        std::string error;
        EXPECT_EQ(Parse(language, ReadWholeFile(std::string(QBX_TEST_DATA "/scripts/") + file), &error), "failed");
        EXPECT_EQ(error.substr(0, 31), "The script is nested too deeply") << file << ": " << error;
    }
}

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

namespace qbx {
namespace {

// Every statement form of each grammar, with the intermediate program it gives.
TEST(TksILParser, StatementFormsOfEachLanguage)
{
    const ShapeRow rows[] = {
        { "VeradaZurezi",
            "const N = 3; begin repeat x := x - 1 until not (x > N); while a do b; for i := 9 downto 1 do exit end.",
            "const(ident:N expr(number:3)) compoundstmt(repeatstmt(assignstmt(dsgn(node:x) expr(dsgn(node:x) op:- "
            "number:1)) expr(op:not op:( expr(dsgn(node:x) op:> dsgn(node:N)) op:))) whilestmt(expr(dsgn(node:a)) "
            "callstmt(dsgn(node:b))) forstmt(ident:i expr(number:9) downto:downto expr(number:1) exit))" },
        { "VeradaZurezi",
            "procedure P(var a: integer; b: string); begin break; continue end; function F: integer; begin F := -a mod "
            "2 end; begin end.",
            "procedure(name:P parameters(varparams var(ident:a type:integer) var(ident:b type:string)) "
            "compoundstmt(break continue)) function(name:F type:integer compoundstmt(assignstmt(dsgn(node:F) "
            "expr(op:unminus dsgn(node:a) op:mod number:2)))) compoundstmt" },
        { "VeradaZurezi",
            "begin try a finally b end; try c except d end; with o, p do q; x := a in [1, 2]; y := @o.Items[1, 2].Name "
            "end.",
            "compoundstmt(trystmt(callstmt(dsgn(node:a)) finallystmt(callstmt(dsgn(node:b)))) "
            "trystmt(callstmt(dsgn(node:c)) exceptstmt(callstmt(dsgn(node:d)))) with(dsgn(node:o) dsgn(node:p) "
            "callstmt(dsgn(node:q))) assignstmt(dsgn(node:x) expr(dsgn(node:a) op:in set(expr(number:1) "
            "expr(number:2)))) assignstmt(dsgn(node:y) expr(dsgn(addr:@ node:o node:Items node:[ expr(number:1) "
            "expr(number:2) node:Name))))" },
        { "VeradaZurezi", "begin case x of 1, 2: a; 3..4: b else c end end.",
            "compoundstmt(casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1) expr(number:2)) "
            "callstmt(dsgn(node:a))) caseselector(set(expr(number:3) range:. expr(number:4)) callstmt(dsgn(node:b))) "
            "callstmt(dsgn(node:c))))" },
        { "R++Edodod",
            "int a = 1, b[3]; void f(int &x, int y = 2) { return x; } { do { a--; } while (a > 0); delete o; o = new "
            "TObj(1); if (!a && b || c) { } else ; }",
            "var(type:int ident:a init(expr(number:1)) ident:b array(dim(expr(number:3)))) function(type:void name:f "
            "parameters(var(type:int varparam:& ident:x) var(type:int ident:y init(expr(number:2)))) "
            "compoundstmt(return(expr(dsgn(node:x))))) compoundstmt(repeatstmt(compoundstmt(callstmt(dsgn(node:a) "
            "modificator:-)) expr(dsgn(node:a) op:> number:0) inverse) delete(dsgn(node:o)) assignstmt(dsgn(node:o) "
            "expr(new(dsgn(node:TObj expr(number:1))))) ifstmt(expr(op:not dsgn(node:a) op:and dsgn(node:b) op:or "
            "dsgn(node:c)) thenstmt(compoundstmt) elsestmt(empty)))" },
        { "R++Edodod",
            "#include \"u.cpp\", \"v.cpp\" { switch (a) { case 1: b(); default: c(); } try { x = 1; } except { y = 2; "
            "} }",
            "uses uses compoundstmt(casestmt(expr(dsgn(node:a)) caseselector(set(expr(number:1)) "
            "callstmt(dsgn(node:b))) callstmt(dsgn(node:c))) trystmt(compoundstmt(assignstmt(dsgn(node:x) "
            "expr(number:1))) exceptstmt(compoundstmt(assignstmt(dsgn(node:y) expr(number:2))))))" },
        { "VidodAvidov",
            "Sub S(ByRef a, ByVal b As String)\r\n  Exit\r\nEnd Sub\r\nFunction F(x)\r\n  Return x & \"!\"\r\nEnd "
            "Function\r\n",
            "compoundstmt(procedure(name:S parameters(varparams var(ident:a) var(ident:b type:String)) "
            "compoundstmt(exit) exit) function(name:F parameters(var(ident:x)) compoundstmt(return(expr(dsgn(node:x) "
            "op:strcat string:'!'))) exit))" },
        { "VidodAvidov",
            "If a Then\r\nb\r\nElseIf c Then\r\nd\r\nElse\r\ne\r\nEnd If\r\nSelect Case x\r\nCase 1: y = 2\r\nCase "
            "Else: y = 3\r\nEnd Select\r\n",
            "compoundstmt(ifstmt(expr(dsgn(node:a)) thenstmt(compoundstmt(callstmt(dsgn(node:b)))) "
            "elsestmt(ifstmt(expr(dsgn(node:c)) thenstmt(compoundstmt(callstmt(dsgn(node:d)))) "
            "elsestmt(compoundstmt(callstmt(dsgn(node:e))))))) casestmt(expr(dsgn(node:x)) "
            "caseselector(set(expr(number:1)) compoundstmt(assignstmt(dsgn(node:y) expr(number:2)))) "
            "compoundstmt(assignstmt(dsgn(node:y) expr(number:3)))))" },
        { "VidodAvidov",
            "Do\r\nx += 1\r\nLoop While x < 5\r\nWhile a\r\nb\r\nWend\r\nTry\r\nc\r\nCatch\r\nd\r\nEnd Try\r\nWith "
            "o\r\nx = 1\r\nEnd With\r\nSet p = New TObj\r\n",
            "compoundstmt(repeatstmt(compoundstmt(assignstmt(dsgn(node:x) modificator:+ expr(number:1))) "
            "expr(dsgn(node:x) op:< number:5) inverse) whilestmt(expr(dsgn(node:a)) "
            "compoundstmt(callstmt(dsgn(node:b)))) trystmt(compoundstmt(callstmt(dsgn(node:c))) "
            "exceptstmt(compoundstmt(callstmt(dsgn(node:d))))) with(dsgn(node:o) compoundstmt(assignstmt(dsgn(node:x) "
            "expr(number:1)))) assignstmt(assignstmt(dsgn(node:p) expr(new(dsgn(node:TObj))))))" },
        { "JScript",
            "import \"u.js\"; var a = [1, 2]; do x++; while (x < 3); switch (x) { case 1: y = 1; default: y = 2; } "
            "with (o) p(); try { a(); } finally { b(); } delete o; if (a == 1) b(); else c();",
            "compoundstmt(uses var(ident:a init(expr(set(expr(number:1) expr(number:2))))) "
            "repeatstmt(callstmt(dsgn(node:x) modificator:+) expr(dsgn(node:x) op:< number:3) inverse) "
            "casestmt(expr(dsgn(node:x)) caseselector(set(expr(number:1)) assignstmt(dsgn(node:y) expr(number:1))) "
            "assignstmt(dsgn(node:y) expr(number:2))) with(dsgn(node:o) callstmt(dsgn(node:p))) "
            "trystmt(compoundstmt(callstmt(dsgn(node:a))) finallystmt(compoundstmt(callstmt(dsgn(node:b))))) "
            "delete(dsgn(node:o)) ifstmt(expr(dsgn(node:a) op:= number:1) thenstmt(callstmt(dsgn(node:b))) "
            "elsestmt(callstmt(dsgn(node:c)))))" },
        // The operators of each language.
        { "VeradaZurezi",
            "begin x := (a or b) xor c; y := a div b shl 2 shr 1 * 3 / 4 - 5; z := (a <= b) = (c < d); w := o is T "
            "end.",
            "compoundstmt(assignstmt(dsgn(node:x) expr(op:( expr(dsgn(node:a) op:or dsgn(node:b)) op:) op:xor "
            "dsgn(node:c))) assignstmt(dsgn(node:y) expr(dsgn(node:a) op:div dsgn(node:b) op:shl number:2 op:shr "
            "number:1 op:* number:3 op:/ number:4 op:- number:5)) assignstmt(dsgn(node:z) expr(op:( expr(dsgn(node:a) "
            "op:<= dsgn(node:b)) op:) op:= op:( expr(dsgn(node:c) op:< dsgn(node:d)) op:))) assignstmt(dsgn(node:w) "
            "expr(dsgn(node:o) op:is dsgn(node:T))))" },
        { "R++Edodod", "{ x = a % b * c / d - e; y = a << 1 >> 2 ^ c; z = a <= b; w = a == b; v = a || b; }",
            "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:a) op:mod dsgn(node:b) op:* dsgn(node:c) op:/ "
            "dsgn(node:d) op:- dsgn(node:e))) assignstmt(dsgn(node:y) expr(dsgn(node:a) op:shl number:1 op:shr "
            "number:2 op:xor dsgn(node:c))) assignstmt(dsgn(node:z) expr(dsgn(node:a) op:<= dsgn(node:b))) "
            "assignstmt(dsgn(node:w) expr(dsgn(node:a) op:= dsgn(node:b))) assignstmt(dsgn(node:v) expr(dsgn(node:a) "
            "op:or dsgn(node:b))))" },
        { "VidodAvidov", "Imports \"u.vb\"\r\nFor i = 1 To 10 Step 2\r\nx = a \\ b Mod c - d\r\nNext\r\n",
            "compoundstmt(uses vbforstmt(ident:i expr(number:1) expr(number:10) expr(number:2) "
            "compoundstmt(assignstmt(dsgn(node:x) expr(dsgn(node:a) op:div dsgn(node:b) op:mod dsgn(node:c) op:- "
            "dsgn(node:d))))))" },
        { "JScript", "function f() { return new T(a % 2, b << 1, c != d, !e); } x = f() / 3;",
            "compoundstmt(function(name:f parameters compoundstmt(return(expr(new(dsgn(node:T expr(dsgn(node:a) op:mod "
            "number:2) expr(dsgn(node:b) op:shl number:1) expr(dsgn(node:c) op:<> dsgn(node:d)) expr(op:not "
            "dsgn(node:e)))))))) assignstmt(dsgn(node:x) expr(dsgn(node:f) op:/ number:3)))" },
    };
    ExpectShapes(rows);
}

} // namespace
} // namespace qbx
