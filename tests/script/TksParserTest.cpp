// The script lexer: settings of the four languages, each read operation, positions.
#include "script/TksParser.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

// The lexer with a language's settings, as its grammar gives them.
TksParser Lexer(const std::string& language, std::string_view source)
{
    TksParser p;
    if (language == "R++Edodod") {
        p.ApplySetting("commentblock1", "/*,*/");
        p.ApplySetting("commentblock2", "/*,*/");
        p.ApplySetting("stringquotes", "\"");
        p.ApplySetting("hexsequence", "0x");
        p.ApplySetting("casesensitive", "1");
        p.SetKeywords({ "break", "if", "while" });
    } else if (language == "VidodAvidov") {
        p.ApplySetting("commentline1", "'");
        p.ApplySetting("commentline2", "rem");
        p.ApplySetting("commentblock1", "/\\,/\\");
        p.ApplySetting("commentblock2", "/\\,/\\");
        p.ApplySetting("stringquotes", "\"");
        p.ApplySetting("hexsequence", "0x");
        p.ApplySetting("skipeol", "0");
        p.ApplySetting("skipchar", "_");
    } else {
        p.SetKeywords({ "begin", "end", "break" });
    }
    p.SetSource(source);
    return p;
}

TEST(TksParser, NumbersKeepTheirTextAndOneHexNotation)
{
    struct Row
    {
        const char* language;
        const char* source;
        const char* number;
        int after; // Position after the number
    } rows[] = {
        { "VeradaZurezi", "1..10", "1", 2 },
        { "VeradaZurezi", "  3.25e-2x", "3.25e-2", 10 },
        { "VeradaZurezi", "7e", "7", 2 }, // an incomplete exponent is left unread
        { "VeradaZurezi", "$FF;", "$FF", 4 },
        { "R++Edodod", "0x1F", "$1F", 5 },
        { "R++Edodod", "0X1F", "0", 2 },
        { "VeradaZurezi", "1abc", "1", 2 },
        { "VeradaZurezi", "abc", "", 1 },
        { "VeradaZurezi", "$", "", 1 },
    };
    for (const Row& row : rows) {
        TksParser p = Lexer(row.language, row.source);
        EXPECT_EQ(p.ReadNumber(), row.number) << row.source;
        EXPECT_EQ(p.Position(), row.after) << row.source;
    }
    TksParser range = Lexer("VeradaZurezi", "1..10");
    range.ReadNumber();
    EXPECT_EQ(range.ReadSymbol(), ".");
    EXPECT_EQ(range.ReadSymbol(), ".");
    EXPECT_EQ(range.ReadNumber(), "10");
    TksParser word = Lexer("R++Edodod", "0X1F");
    word.ReadNumber();
    EXPECT_EQ(word.ReadWord(), "X1F");
}

TEST(TksParser, StringsOfEachLanguage)
{
    struct Row
    {
        const char* language;
        const char* source;
        const char* token;
        int after;
    } rows[] = {
        { "VeradaZurezi", "'it''s'", "'it's'", 8 }, { "VeradaZurezi", "'abc'#13#10'def'", "'abc\r\ndef'", 17 },
        { "VeradaZurezi", "'abc' #13", "'abc'", 6 }, { "VeradaZurezi", "#$41#66", "'AB'", 8 },
        { "VeradaZurezi", "'open\nline'", "", 1 }, { "VeradaZurezi", "'tab\there'", "'tab\there'", 11 },
        { "R++Edodod", R"("say \"hi\" \t\n")", "'say \"hi\" t\n'", 18 },
        { "R++Edodod", R"("\x41\x4a2!\x")", "'A\xA2!'", 15 }, // every hex digit counts, low 8 bits kept
        { "R++Edodod", "\"unterminated", "", 1 },
        { "VidodAvidov", "\"a\"\"b\"", "'ab'", 7 }, // escapes on: two quotes are two pieces
    };
    for (const Row& row : rows) {
        TksParser p = Lexer(row.language, row.source);
        EXPECT_EQ(p.ReadString(), row.token) << row.source;
        EXPECT_EQ(p.Position(), row.after) << row.source;
    }
}

TEST(TksParser, BlanksCommentsAndLineContinuations)
{
    TksParser pascal = Lexer("VeradaZurezi", "  // note\n { block } (* more *) begin");
    EXPECT_EQ(pascal.ReadWord(), "begin");
    EXPECT_EQ(pascal.TokenStart(), 33);

    TksParser unclosed = Lexer("VeradaZurezi", "x { never closed");
    unclosed.ReadWord();
    unclosed.SkipBlanks();
    EXPECT_EQ(unclosed.Position(), unclosed.Size() + 1) << "an unclosed block comment takes the rest";

    TksParser basic = Lexer("VidodAvidov", "a _\r\nb\rrem note\r\nREM");
    EXPECT_EQ(basic.ReadWord(), "a");
    EXPECT_EQ(basic.ReadWord(), "b") << "blank and underscore join the next line";
    EXPECT_TRUE(basic.SkipLineEnds()) << "CR ends a line in a line-oriented language";
    EXPECT_TRUE(basic.SkipLineEnds()) << "the comment stops before the CR, which ends the line";
    EXPECT_EQ(basic.ReadWord(), "REM") << "comment texts are matched with their case";

    TksParser c = Lexer("R++Edodod", "a /* x */ b");
    EXPECT_EQ(c.ReadWord(), "a");
    EXPECT_EQ(c.ReadWord(), "b");
    EXPECT_FALSE(c.SkipLineEnds());

    std::string continued = "x";
    for (int i = 0; i < 100000; ++i)
        continued += " _\n";
    TksParser many = Lexer("VidodAvidov", continued + "y");
    many.ReadWord();
    EXPECT_EQ(many.ReadWord(), "y") << "a long run of continuations";
}

TEST(TksParser, WordsKeywordsAndSymbols)
{
    TksParser c = Lexer("R++Edodod", "Break break");
    EXPECT_EQ(c.ReadIdentifier(), "Break");
    EXPECT_EQ(c.ReadIdentifier(), "") << "keywords are matched with their case";
    TksParser pascal = Lexer("VeradaZurezi", "Break _x1 ä");
    EXPECT_EQ(pascal.ReadIdentifier(), "");
    EXPECT_EQ(pascal.ReadIdentifier(), "_x1");
    EXPECT_EQ(pascal.ReadWord(), "");
    pascal.AllowNationalChars();
    EXPECT_EQ(pascal.ReadWord(), "ä");

    TksParser symbols = Lexer("VeradaZurezi", ":= a");
    EXPECT_EQ(symbols.ReadSymbol(), ":");
    EXPECT_EQ(symbols.ReadSymbol(), "=");
    EXPECT_EQ(symbols.ReadSymbol(), "") << "blanks are not skipped";
    EXPECT_EQ(Lexer("VeradaZurezi", "a").ReadSymbol(), "");

    TksParser only = Lexer("VeradaZurezi", "ab");
    only.ApplySetting("identchars", "a");
    EXPECT_EQ(only.ReadWord(), "a") << "identchars replaces the set";
    EXPECT_FALSE(only.ApplySetting("colour", "red"));
    only.ResetSettings();
    EXPECT_TRUE(only.Keywords().empty());
    EXPECT_EQ(only.CommentLine1, "//");
}

TEST(TksParser, ReportReferencesAndPositions)
{
    TksParser ref = Lexer("VeradaZurezi", "<Data.\"Na>me\"[1]> + 1");
    ref.SetPosition(2);
    EXPECT_EQ(ref.ReadQbReference(), "Data.\"Na>me\"[1]");
    EXPECT_EQ(ref.ReadSymbol(), ">");
    TksParser open = Lexer("VeradaZurezi", "<a<b>");
    open.SetPosition(2);
    EXPECT_EQ(open.ReadQbReference(), "a<b>") << "an unclosed reference runs to the end";

    TksParser p = Lexer("VeradaZurezi", "ab\r\ncd\nef");
    EXPECT_EQ(p.PositionText(), "1:1");
    p.SetPosition(4);
    EXPECT_EQ(p.PositionText(), "1:4") << "an LF belongs to the line it ends";
    p.SetPosition(5);
    EXPECT_EQ(p.PositionText(), "2:1");
    p.SetPosition(8);
    EXPECT_EQ(p.PositionText(), "3:1");
    EXPECT_EQ(p.PositionFromText(2, 1), 5);
    EXPECT_EQ(p.PositionFromText(3, 2), 9);
    EXPECT_EQ(p.PositionFromText(4, 1), -1);
    EXPECT_EQ(p.LineStarts(), (std::vector<int> { 0, 4, 7 }));
}

} // namespace
} // namespace qbx
