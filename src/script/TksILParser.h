// TksILParser: reads a language grammar, configures the lexer from it, and walks the grammar's rules
// as a backtracking recursive-descent parser that writes the intermediate program (an XML document
// with the same element vocabulary for every language).
#pragma once

#include "script/TksGrammar.h"
#include "script/TksParser.h"
#include "script/TksXMLDocument.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

struct TksLoadedGrammar;

class TksILParser
{
public:
    TksILParser();
    ~TksILParser();

    // Loads the grammar of the language, resets the lexer and DeclareVarsRequired, and applies the
    // grammar's settings and keywords. Raises "Language 'NAME' not found".
    void SelectLanguage(const std::string& name);
    // Parses the text (after an optional "#language NAME" line); true when the start rule succeeded and
    // no error was recorded. LastError and LastErrorPos are set either way.
    bool ParseToIL(const std::string& text);

    // The text of an included unit; when not set, the file of that name is read.
    std::function<std::string(const std::string& unitName)> OnGetUnit;
    bool AllowNationalChars = false;

    std::string LanguageName;
    bool DeclareVarsRequired = true;
    std::vector<std::string> IncludedUnits; // compared without case
    std::string LastError, LastErrorPos, LastErrorUnit;

    // The intermediate program of the last successful ParseToIL.
    TksXMLDocument& IL() { return il_; }
    std::string ILText(bool header = true);
    TksParser& Lexer() { return lexer_; }

private:
    bool Walk(const TksGrammarItem& item);
    bool WalkKind(const TksGrammarItem& item, int entry, std::size_t entryLines, std::string& token);
    bool WalkChildren(const TksGrammarItem& item);
    bool WalkLoop(const TksGrammarItem& item);
    bool WalkToken(const TksGrammarItem& item, std::string& token);
    bool Matches(const std::string& token, const std::string& text) const;
    const TksGrammarItem& Rule(const std::string& name) const;
    void RecordError(const std::string& err, bool term, int entry);
    void WriteGetCall(const std::string& reference);
    void BuildDocument();
    bool OnlyBlanksFrom(int from);
    bool ProgramIsStatementList() const;
    void IncludeUnits(std::size_t firstLine);
    std::string IncludeUnit(const std::string& name);

    std::shared_ptr<const TksLoadedGrammar> grammar_;
    TksXMLDocument il_;
    TksParser lexer_;
    std::vector<std::string> lines_;
    int depth_ = 0;
    bool hasError_ = false;
    bool errorTerm_ = false;
};

} // namespace qbx
