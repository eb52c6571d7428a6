// The rule walk, the intermediate program's lines, errors and included units.
#include "script/TksILParser.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "formats/XmlEscape.h"
#include "platform/Files.h"
#include "script/TksLanguages.h"
#include "script/TksMessages.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace qbx {
namespace {

constexpr int kMaxWalkDepth = 4000;
// How much of the stack a parse (with the parses of its included units) may use: frames differ in
// size between builds (sanitizers make them several times larger), so depth alone does not bound it.
constexpr std::ptrdiff_t kStackBudget = 2 << 20;

// Where the outermost parse of this thread began on the stack; nullptr when none runs.
thread_local const char* stackBase = nullptr;

struct StackBaseScope
{
    explicit StackBaseScope(const char* here)
        : outermost_(stackBase == nullptr)
    {
        if (outermost_)
            stackBase = here;
    }
    ~StackBaseScope()
    {
        if (outermost_)
            stackBase = nullptr;
    }
    bool outermost_;
};

bool StackExhausted()
{
    char here = 0;
    return stackBase && stackBase - &here > kStackBudget;
}

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

std::string Attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + XmlEscape(value) + "\"";
}

// The settings of a grammar's parser section (names lower-cased), keywords and errors left out.
std::vector<std::pair<std::string, std::string>> GrammarSettings(const TksXMLDocument& grammar)
{
    std::vector<std::pair<std::string, std::string>> settings;
    TksXMLItem* parser = const_cast<TksXMLDocument&>(grammar).Root().FindItem("parser");
    for (int i = 0; parser && i < parser->Count(); ++i) {
        std::string key = AsciiLower(parser->Items(i)->Name);
        if (key != "keywords" && key != "errors")
            settings.emplace_back(key, parser->Items(i)->Prop("text"));
    }
    return settings;
}

// Appends ` name="LINE:COLUMN"` of the lexer's cursor: digits and a colon need no escaping.
void AppendPosition(std::string& line, std::string_view name, const TksParser& lexer)
{
    line += ' ';
    line += name;
    line += "=\"";
    lexer.AppendPositionText(line);
    line += '"';
}

} // namespace

TksILParser::TksILParser() = default;
TksILParser::~TksILParser() = default;

// A grammar as the parser uses it: its document (settings, types) and its compiled rules, made once
// per language and grammar text and shared by every parser.
struct TksLoadedGrammar
{
    std::string text;
    TksXMLDocument document;
    TksGrammar compiled;
};

namespace {

std::shared_ptr<const TksLoadedGrammar> Loaded(const std::string& name)
{
    static std::map<std::string, std::shared_ptr<const TksLoadedGrammar>> loaded;
    const std::string& text = LanguageGrammar(name);
    auto& entry = loaded[name];
    if (entry && entry->text == text)
        return entry;
    auto grammar = std::make_shared<TksLoadedGrammar>();
    grammar->text = text;
    std::istringstream in(text);
    grammar->document.LoadFromStream(in);
    // The first-token sets depend on the language's own number and string starts.
    TksParser settings;
    for (const auto& [key, value] : GrammarSettings(grammar->document))
        settings.ApplySetting(key, value);
    grammar->compiled.Compile(
        grammar->document.Root(), settings.HexPrefix.substr(0, 1), std::string(1, settings.Quote));
    entry = grammar;
    return entry;
}

} // namespace

void TksILParser::SelectLanguage(const std::string& name)
{
    grammar_ = Loaded(name);
    LanguageName = name;
    lexer_.ResetSettings();
    DeclareVarsRequired = true;
    TksXMLItem* parser = const_cast<TksXMLDocument&>(grammar_->document).Root().FindItem("parser");
    for (int i = 0; parser && i < parser->Count(); ++i) {
        const TksXMLItem& setting = *parser->Items(i);
        if (AsciiLower(setting.Name) == "keywords")
            for (int k = 0; k < setting.Count(); ++k)
                lexer_.AddKeyword(setting.Items(k)->Name);
    }
    for (const auto& [key, value] : GrammarSettings(grammar_->document)) {
        if (key == "declarevars")
            DeclareVarsRequired = value != "0";
        else
            lexer_.ApplySetting(key, value);
    }
    if (AllowNationalChars)
        lexer_.AllowNationalChars();
}

const TksGrammarItem& TksILParser::Rule(const std::string& name) const
{
    const TksGrammarItem* rule = grammar_->compiled.Rule(name);
    if (!rule)
        throw Exception(ScriptMessage(SInvalidLanguage));
    return *rule;
}

// Only the first error counts; its position is where the failing item's token would have begun.
void TksILParser::RecordError(const std::string& err, bool term, int entry)
{
    if (err.empty() || hasError_)
        return;
    auto text = grammar_->compiled.errors.find(err);
    LastError = text == grammar_->compiled.errors.end() ? err : text->second;
    int saved = lexer_.Position();
    lexer_.SetPosition(entry);
    lexer_.SkipBlanks();
    LastErrorPos = lexer_.PositionText();
    lexer_.SetPosition(saved);
    hasError_ = true;
    errorTerm_ = term;
}

bool TksILParser::Matches(const std::string& token, const std::string& text) const
{
    if (text.empty())
        return true;
    return lexer_.CaseSensitive ? token == AsciiLower(text) : SameText(token, text);
}

bool TksILParser::WalkToken(const TksGrammarItem& item, std::string& token)
{
    switch (item.kind) {
    case TksGrammarItem::Char:
        if (item.skipBlanks)
            lexer_.SkipBlanks();
        token = lexer_.ReadSymbol();
        return !token.empty() && token == item.text;
    case TksGrammarItem::Keyword:
        token = lexer_.ReadWord();
        return !token.empty() && Matches(token, item.text);
    case TksGrammarItem::Ident:
        token = lexer_.ReadIdentifier();
        return !token.empty() && Matches(token, item.text);
    case TksGrammarItem::Number:
        token = lexer_.ReadNumber();
        return !token.empty();
    case TksGrammarItem::String:
        token = lexer_.ReadString();
        return !token.empty();
    case TksGrammarItem::QbString:
        token = lexer_.ReadQbReference();
        if (token.empty())
            return false;
        WriteGetCall(token);
        return true;
    default:
        token.clear();
        return lexer_.SkipLineEnds(); // eol
    }
}

// A report reference is written as if the source had called Get with its text as a string.
void TksILParser::WriteGetCall(const std::string& reference)
{
    std::string pos;
    AppendPosition(pos, "pos", lexer_);
    std::string pos1;
    AppendPosition(pos1, "pos1", lexer_);
    lines_.push_back("<dsgn" + pos + ">");
    lines_.push_back("<node" + Attribute("text", "Get") + pos + "/>");
    lines_.push_back("<expr" + pos + pos1 + ">");
    lines_.push_back("<string" + Attribute("text", "'" + reference + "'") + pos + "/>");
    lines_.push_back("</expr>");
    lines_.push_back("</dsgn>");
}

bool TksILParser::WalkChildren(const TksGrammarItem& item)
{
    for (const TksGrammarItem& child : item.children)
        if (!Walk(child))
            return false;
    return true;
}

// Iterations run until one fails, the separator is missing, or one reads nothing. After at least one
// full iteration the loop succeeds with the cursor where the failed iteration began (a separator
// before it stays read); the error that iteration recorded is withdrawn when the loop says "skip" or
// the failing item was a "term".
bool TksILParser::WalkLoop(const TksGrammarItem& item)
{
    int entry = lexer_.Position();
    std::size_t entryLines = lines_.size();
    const std::string& separator = item.text;
    int iterations = 0;
    for (;;) {
        int start = lexer_.Position();
        std::size_t startLines = lines_.size();
        bool errorBefore = hasError_;
        if (!WalkChildren(item)) {
            lexer_.SetPosition(start);
            lines_.resize(startLines);
            if (iterations > 0 && !errorBefore && hasError_ && (item.loopSkip || errorTerm_)) {
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
        return item.kind == TksGrammarItem::OptionalLoop;
    }
    return true;
}

// What the item's kind reads and writes, before its node and add.
bool TksILParser::WalkKind(const TksGrammarItem& item, int entry, std::size_t entryLines, std::string& token)
{
    bool ok = false;
    switch (item.kind) {
    case TksGrammarItem::Definition:
    case TksGrammarItem::Sequence:
        ok = WalkChildren(item);
        break;
    case TksGrammarItem::Optional:
        if (!WalkChildren(item)) {
            lexer_.SetPosition(entry);
            lines_.resize(entryLines);
        }
        ok = true;
        break;
    case TksGrammarItem::Switch:
    case TksGrammarItem::OptionalSwitch:
        for (std::size_t i = 0; i < item.children.size() && !ok; ++i)
            ok = Walk(item.children[i]);
        ok = ok || item.kind == TksGrammarItem::OptionalSwitch;
        break;
    case TksGrammarItem::Loop:
    case TksGrammarItem::OptionalLoop:
        ok = WalkLoop(item);
        break;
    case TksGrammarItem::Reference:
        if (!item.rule)
            throw Exception(ScriptMessage(SInvalidLanguage));
        ok = Walk(*item.rule);
        break;
    default:
        ok = WalkToken(item, token);
        break;
    }
    return ok;
}

bool TksILParser::Walk(const TksGrammarItem& item)
{
    // Each nesting of the source costs a few frames of this walk; a bound keeps a hostile script
    // (thousands of opening brackets) from exhausting the stack.
    if (depth_ >= kMaxWalkDepth || StackExhausted())
        throw ENestedTooDeeply();
    DepthScope scope(depth_);
    int entry = lexer_.Position();
    std::size_t entryLines = lines_.size();
    // The opening tag's place is kept from the start, so that wrapping does not move the lines after it.
    if (item.wraps)
        lines_.emplace_back();
    std::string token;
    bool ok = false;
    // An item whose first token cannot start with the next character fails without being tried.
    const TksGrammarItem* failing = &item;
    if (item.anyFirst || item.first[lexer_.NextNonBlank()])
        ok = WalkKind(item, entry, entryLines, token);
    else if (item.firstErr)
        failing = item.firstErr; // the error the walk down to the first token would have recorded
    if (!ok) {
        // A failed item leaves nothing behind: an alternative that read part of the source and wrote
        // it must not leave those lines for the next alternative to write again.
        lexer_.SetPosition(entry);
        RecordError(failing->err, failing->term, entry);
        lines_.resize(entryLines);
        return false;
    }
    if (item.IsStructure())
        return true;
    if (item.uses) {
        IncludeUnits(entryLines);
    } else if (item.wraps) {
        int saved = lexer_.Position();
        lexer_.SetPosition(entry);
        lexer_.SkipBlanks();
        std::string& open = lines_[entryLines];
        open = "<" + item.node;
        AppendPosition(open, "pos", lexer_);
        lexer_.SetPosition(saved);
        if (item.expr)
            AppendPosition(open, "pos1", lexer_);
        open += '>';
        lines_.push_back("</" + item.node + ">");
    }
    if (!item.add.empty()) {
        std::string line = "<" + item.add + Attribute("text", item.addText.empty() ? token : item.addText);
        AppendPosition(line, "pos", lexer_);
        line += "/>";
        lines_.push_back(std::move(line));
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
    char here = 0;
    StackBaseScope stack(&here);
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
        ok = Walk(Rule("program"));
    } catch (const ENestedTooDeeply&) {
        depth_ = 0;
        if (!hasError_) {
            LastError = "The script is nested too deeply";
            LastErrorPos = lexer_.PositionText();
            hasError_ = true;
        }
        return false;
    }
    if (!ok && !hasError_) {
        ok = OnlyBlanksFrom(start); // an empty program
        if (ok)
            lines_.clear();
    }
    if (ok && !hasError_ && ProgramIsStatementList())
        ok = OnlyBlanksFrom(lexer_.Position());
    if (!ok || hasError_)
        return false;
    BuildDocument();
    if (TksXMLItem* types = const_cast<TksXMLDocument&>(grammar_->document).Root().FindItem("types"))
        il_.Root().Add()->Assign(*types);
    return true;
}

// The document of the written lines, one tag a line, built directly; a line that holds an included
// unit's whole program is read as XML.
void TksILParser::BuildDocument()
{
    TksXMLItem& root = il_.Root();
    root.Clear();
    root.Name = "program";
    root.Text.clear();
    std::vector<TksXMLItem*> open { &root };
    for (const std::string& line : lines_) {
        if (line.size() < 3 || line[0] != '<')
            continue;
        if (line[1] == '/') {
            if (open.size() > 1)
                open.pop_back();
            continue;
        }
        if (line.find('\n') != std::string::npos || line.find('<', 1) != std::string::npos) {
            TksXMLDocument unit;
            std::istringstream in("<?xml version=\"1.0\"?>" + line);
            unit.LoadFromStream(in);
            open.back()->Add()->Assign(unit.Root());
            continue;
        }
        bool empty = line.compare(line.size() - 2, 2, "/>") == 0;
        std::string tag = line.substr(1, line.size() - (empty ? 3 : 2));
        std::size_t space = tag.find(' ');
        TksXMLItem* item = open.back()->Add();
        item->Name = tag.substr(0, space);
        if (space != std::string::npos)
            item->Text = tag.substr(space);
        if (!empty)
            open.push_back(item);
    }
}

// Whether only blanks, comments and line ends follow `from`; otherwise the grammar's err3 is recorded
// where the text goes on. A start rule that failed without an error either had nothing to read (an
// empty program) or met text no statement begins with, and a statement list that stopped early left
// a statement that did not parse: both are errors rather than silently dropped text.
bool TksILParser::OnlyBlanksFrom(int from)
{
    int saved = lexer_.Position();
    lexer_.SetPosition(from);
    while (lexer_.SkipLineEnds()) { }
    bool blank = lexer_.Position() > lexer_.Size();
    if (!blank)
        RecordError("err3", false, lexer_.Position());
    lexer_.SetPosition(saved);
    return blank;
}

// Whether the start rule is nothing but the program's statement list: then text it left unread is
// a statement that did not parse, not text after the end of the program.
bool TksILParser::ProgramIsStatementList() const
{
    const TksGrammarItem& program = Rule("program");
    return program.children.size() == 1 && program.children[0].kind == TksGrammarItem::Reference
        && program.children[0].rule && program.children[0].rule->node == "compoundstmt";
}

std::string TksILParser::ILText(bool header)
{
    std::ostringstream out;
    il_.SaveToStream(out, header);
    return out.str();
}

} // namespace qbx
