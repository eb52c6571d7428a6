// The rule walk, the intermediate program's lines, errors and included units.
#include "script/TksILParser.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "formats/XmlEscape.h"
#include "platform/Files.h"
#include "script/TksLanguages.h"
#include "script/TksMessages.h"

#include <algorithm>
#include <sstream>

namespace qbx {
namespace {

constexpr int kMaxWalkDepth = 4000;

struct ENestedTooDeeply
{
};

struct DepthScope
{
    explicit DepthScope(int& depth)
        : depth_(depth)
    {
        ++depth_;
    }
    ~DepthScope() { --depth_; }
    int& depth_;
};

bool IsTokenItem(const std::string& kind)
{
    return kind == "char" || kind == "keyword" || kind == "ident" || kind == "number" || kind == "string"
        || kind == "qbstring" || kind == "eol";
}

bool IsStructure(const std::string& kind)
{
    return kind == "sequence" || kind == "optional" || kind == "switch" || kind == "optionalswitch" || kind == "loop"
        || kind == "optionalloop";
}

std::string Attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + XmlEscape(value) + "\"";
}

} // namespace

TksILParser::TksILParser() = default;
TksILParser::~TksILParser() = default;

void TksILParser::SelectLanguage(const std::string& name)
{
    std::istringstream in(LanguageGrammar(name));
    grammar_.LoadFromStream(in);
    LanguageName = name;
    lexer_.ResetSettings();
    DeclareVarsRequired = true;
    TksXMLItem* parser = grammar_.Root().FindItem("parser");
    for (int i = 0; parser && i < parser->Count(); ++i) {
        const TksXMLItem& setting = *parser->Items(i);
        std::string key = AsciiLower(setting.Name);
        if (key == "keywords") {
            for (int k = 0; k < setting.Count(); ++k)
                lexer_.Keywords.push_back(setting.Items(k)->Name);
        } else if (key == "declarevars") {
            DeclareVarsRequired = setting.Prop("text") != "0";
        } else if (key != "errors") {
            lexer_.ApplySetting(key, setting.Prop("text"));
        }
    }
    if (AllowNationalChars)
        lexer_.AllowNationalChars();
}

const TksXMLItem& TksILParser::Rule(const std::string& name) const
{
    const TksXMLItem& root = const_cast<TksXMLDocument&>(grammar_).Root();
    int index = root.Find(name);
    if (index < 0 || name == "parser" || name == "types")
        throw Exception(ScriptMessage(SInvalidLanguage));
    return *root.Items(index);
}

std::string TksILParser::PositionAt(int position)
{
    int saved = lexer_.Position();
    lexer_.SetPosition(position);
    std::string text = lexer_.PositionText();
    lexer_.SetPosition(saved);
    return text;
}

// Only the first error counts; its position is where the failing item's token would have begun.
void TksILParser::RecordError(const TksXMLItem& item, int entry)
{
    std::string name = item.Prop("err");
    if (name.empty() || hasError_)
        return;
    TksXMLItem* errors = grammar_.Root().FindItem("parser");
    errors = errors ? errors->FindItem("errors") : nullptr;
    TksXMLItem* error = errors ? errors->FindItem(name) : nullptr;
    LastError = error ? error->Prop("text") : name;
    int saved = lexer_.Position();
    lexer_.SetPosition(entry);
    lexer_.SkipBlanks();
    LastErrorPos = lexer_.PositionText();
    lexer_.SetPosition(saved);
    hasError_ = true;
    errorTerm_ = item.Prop("term") == "1";
}

bool TksILParser::Matches(const std::string& token, const std::string& text) const
{
    if (text.empty())
        return true;
    return lexer_.CaseSensitive ? token == AsciiLower(text) : SameText(token, text);
}

bool TksILParser::WalkToken(const TksXMLItem& item, std::string& token)
{
    const std::string& kind = item.Name;
    std::string text = item.Prop("text");
    if (kind == "char") {
        if (item.Prop("skip") != "0")
            lexer_.SkipBlanks();
        token = lexer_.ReadSymbol();
        return !token.empty() && token == text;
    }
    if (kind == "keyword") {
        token = lexer_.ReadWord();
        return !token.empty() && Matches(token, text);
    }
    if (kind == "ident") {
        token = lexer_.ReadIdentifier();
        return !token.empty() && Matches(token, text);
    }
    if (kind == "number") {
        token = lexer_.ReadNumber();
        return !token.empty();
    }
    if (kind == "string") {
        token = lexer_.ReadString();
        return !token.empty();
    }
    if (kind == "qbstring") {
        token = lexer_.ReadQbReference();
        if (token.empty())
            return false;
        WriteGetCall(token);
        return true;
    }
    token.clear();
    return lexer_.SkipLineEnds(); // eol
}

// A report reference is written as if the source had called Get with its text as a string.
void TksILParser::WriteGetCall(const std::string& reference)
{
    std::string pos = Attribute("pos", lexer_.PositionText());
    lines_.push_back("<dsgn" + pos + ">");
    lines_.push_back("<node" + Attribute("text", "Get") + pos + "/>");
    lines_.push_back("<expr" + pos + Attribute("pos1", lexer_.PositionText()) + ">");
    lines_.push_back("<string" + Attribute("text", "'" + reference + "'") + pos + "/>");
    lines_.push_back("</expr>");
    lines_.push_back("</dsgn>");
}

bool TksILParser::WalkChildren(const TksXMLItem& item)
{
    for (int i = 0; i < item.Count(); ++i)
        if (!Walk(*item.Items(i), false))
            return false;
    return true;
}

// Iterations run until one fails, the separator is missing, or one reads nothing. After at least one
// full iteration the loop succeeds with the cursor where the failed iteration began (a separator
// before it stays read); the error that iteration recorded is withdrawn when the loop says "skip" or
// the failing item was a "term".
bool TksILParser::WalkLoop(const TksXMLItem& item)
{
    int entry = lexer_.Position();
    std::size_t entryLines = lines_.size();
    std::string separator = item.Prop("text");
    int iterations = 0;
    for (;;) {
        int start = lexer_.Position();
        std::size_t startLines = lines_.size();
        bool errorBefore = hasError_;
        if (!WalkChildren(item)) {
            lexer_.SetPosition(start);
            lines_.resize(startLines);
            if (iterations > 0 && !errorBefore && hasError_ && (item.Prop("skip") == "1" || errorTerm_)) {
                hasError_ = false;
                LastError.clear();
                LastErrorPos.clear();
            }
            break;
        }
        ++iterations;
        int after = lexer_.Position();
        if (after == start)
            break;
        if (!separator.empty()) {
            lexer_.SkipBlanks();
            if (lexer_.ReadSymbol() != separator) {
                lexer_.SetPosition(after);
                break;
            }
        }
    }
    if (iterations == 0) {
        lexer_.SetPosition(entry);
        lines_.resize(entryLines);
        return item.Name == "optionalloop";
    }
    return true;
}

bool TksILParser::Walk(const TksXMLItem& item, bool definition)
{
    // Each nesting of the source costs a few frames of this walk; a bound keeps a hostile script
    // (thousands of opening brackets) from exhausting the stack.
    if (depth_ >= kMaxWalkDepth)
        throw ENestedTooDeeply();
    DepthScope scope(depth_);
    int entry = lexer_.Position();
    std::size_t entryLines = lines_.size();
    const std::string& kind = item.Name;
    std::string token;
    bool ok = false;
    if (definition || kind == "sequence") {
        ok = WalkChildren(item);
    } else if (IsTokenItem(kind)) {
        ok = WalkToken(item, token);
    } else if (kind == "optional") {
        if (!WalkChildren(item)) {
            lexer_.SetPosition(entry);
            lines_.resize(entryLines);
        }
        ok = true;
    } else if (kind == "switch" || kind == "optionalswitch") {
        for (int i = 0; i < item.Count() && !ok; ++i)
            ok = Walk(*item.Items(i), false);
        ok = ok || kind == "optionalswitch";
    } else if (kind == "loop" || kind == "optionalloop") {
        ok = WalkLoop(item);
    } else {
        ok = Walk(Rule(kind), true);
    }
    if (!ok) {
        // A failed item leaves nothing behind: an alternative that read part of the source and wrote
        // it must not leave those lines for the next alternative to write again.
        lexer_.SetPosition(entry);
        RecordError(item, entry);
        lines_.resize(entryLines);
        return false;
    }
    if (IsStructure(kind))
        return true;
    std::string node = item.Prop("node");
    if (node == "uses") {
        IncludeUnits(entryLines);
    } else if (!node.empty()) {
        int start = entry;
        {
            int saved = lexer_.Position();
            lexer_.SetPosition(entry);
            lexer_.SkipBlanks();
            start = lexer_.Position();
            lexer_.SetPosition(saved);
        }
        std::string open = "<" + node + Attribute("pos", PositionAt(start));
        if (node == "expr")
            open += Attribute("pos1", lexer_.PositionText());
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(entryLines), open + ">");
        lines_.push_back("</" + node + ">");
    }
    std::string add = item.Prop("add");
    if (!add.empty()) {
        std::string addText = item.Prop("addtext");
        lines_.push_back("<" + add + Attribute("text", addText.empty() ? token : addText)
            + Attribute("pos", lexer_.PositionText()) + "/>");
    }
    return true;
}

// The file lines a "uses" rule wrote, last to first, each replaced by the unit's program.
void TksILParser::IncludeUnits(std::size_t firstLine)
{
    std::vector<std::string> files;
    std::size_t at = lines_.size();
    for (std::size_t i = lines_.size(); i-- > firstLine;) {
        if (lines_[i].rfind("<file ", 0) != 0)
            continue;
        std::string line = lines_[i];
        std::size_t q = line.find("text=\"");
        std::string text = q == std::string::npos ? "" : line.substr(q + 6, line.find('"', q + 6) - q - 6);
        text = XmlUnescape(text);
        if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
            text = text.substr(1, text.size() - 2);
        files.push_back(text);
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        at = i;
    }
    for (const std::string& name : files) {
        if (std::any_of(IncludedUnits.begin(), IncludedUnits.end(),
                [&](const std::string& known) { return SameText(known, name); }))
            continue;
        IncludedUnits.push_back(name);
        std::string unit = IncludeUnit(name);
        std::vector<std::string> inserted { "<uses" + Attribute("unit", name) + ">" };
        if (!unit.empty())
            inserted.push_back(unit);
        inserted.push_back("</uses>");
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
        at += inserted.size();
    }
}

// The intermediate text of one unit ("" when it has no text or does not parse; the error is kept).
std::string TksILParser::IncludeUnit(const std::string& name)
{
    std::string text = OnGetUnit ? OnGetUnit(name) : ReadWholeFile(name);
    if (text.empty())
        return {};
    TksILParser nested;
    nested.OnGetUnit = OnGetUnit;
    nested.AllowNationalChars = AllowNationalChars;
    nested.SelectLanguage(LanguageName);
    nested.IncludedUnits = IncludedUnits;
    if (!nested.ParseToIL(text)) {
        if (!hasError_) {
            hasError_ = true;
            LastError = nested.LastError;
            LastErrorPos = nested.LastErrorPos;
        }
        if (LastErrorUnit.empty())
            LastErrorUnit = nested.LastErrorUnit.empty() ? name : nested.LastErrorUnit;
        return {};
    }
    IncludedUnits = nested.IncludedUnits;
    return nested.ILText(false);
}

bool TksILParser::ParseToIL(const std::string& text)
{
    lines_.clear();
    hasError_ = false;
    errorTerm_ = false;
    LastError.clear();
    LastErrorPos.clear();
    lexer_.SetSource(text);
    int start = 1;
    if (lexer_.ReadSymbol() == "#" && SameText(lexer_.ReadWord(), "language")) {
        std::size_t lineEnd = text.find_first_of("\r\n", static_cast<std::size_t>(lexer_.Position() - 1));
        std::string name(TrimBlanks(text.substr(static_cast<std::size_t>(lexer_.Position() - 1),
            lineEnd == std::string::npos ? std::string::npos : lineEnd - (lexer_.Position() - 1))));
        SelectLanguage(name);
        lexer_.SetSource(text);
        if (lineEnd == std::string::npos)
            start = static_cast<int>(text.size()) + 1;
        else
            start = static_cast<int>(lineEnd) + (text[lineEnd] == '\r' && lineEnd + 1 < text.size() ? 3 : 2);
    }
    lexer_.SetPosition(start);
    bool ok = false;
    try {
        ok = Walk(Rule("program"), true);
    } catch (const ENestedTooDeeply&) {
        depth_ = 0;
        if (!hasError_) {
            LastError = "The script is nested too deeply";
            LastErrorPos = lexer_.PositionText();
            hasError_ = true;
        }
        return false;
    }
    if (!ok && !hasError_)
        ok = NothingToParse(start);
    if (ok && !hasError_ && ProgramIsStatementList())
        ok = NothingLeft();
    if (!ok || hasError_)
        return false;
    std::ostringstream il;
    il << "<?xml version=\"1.0\"?>\n<program>\n";
    for (const std::string& line : lines_)
        il << line << "\n";
    il << "</program>\n";
    std::istringstream in(il.str());
    il_.LoadFromStream(in);
    if (TksXMLItem* types = grammar_.Root().FindItem("types"))
        il_.Root().Add()->Assign(*types);
    return true;
}

// A start rule that failed without recording an error either had nothing to read (blanks, comments
// and line ends only: an empty program) or met text that no statement begins with, which is an error
// rather than a silently empty program.
bool TksILParser::NothingToParse(int start)
{
    lexer_.SetPosition(start);
    while (lexer_.SkipLineEnds()) { }
    if (lexer_.Position() > lexer_.Size()) {
        lines_.clear();
        return true;
    }
    TksXMLItem statement;
    statement.SetProp("err", "err3");
    RecordError(statement, lexer_.Position());
    return false;
}

// Whether the start rule is nothing but the program's statement list: then text it left unread is
// a statement that did not parse, not text after the end of the program.
bool TksILParser::ProgramIsStatementList() const
{
    const TksXMLItem& program = Rule("program");
    if (program.Count() != 1)
        return false;
    const std::string& name = program.Items(0)->Name;
    if (IsTokenItem(name) || IsStructure(name))
        return false;
    return Rule(name).Prop("node") == "compoundstmt";
}

bool TksILParser::NothingLeft()
{
    int end = lexer_.Position();
    while (lexer_.SkipLineEnds()) { }
    if (lexer_.Position() > lexer_.Size())
        return true;
    TksXMLItem statement;
    statement.SetProp("err", "err3");
    RecordError(statement, lexer_.Position());
    lexer_.SetPosition(end);
    return false;
}

std::string TksILParser::ILText(bool header)
{
    std::ostringstream out;
    il_.SaveToStream(out, header);
    return out.str();
}

} // namespace qbx
