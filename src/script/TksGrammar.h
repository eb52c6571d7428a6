// A language grammar compiled for walking: each rule item with its kind and attributes read once,
// and references resolved to their rule definitions.
#pragma once

#include "script/TksXMLDocument.h"

#include <bitset>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

struct TksGrammarItem
{
    enum Kind {
        Char,
        Keyword,
        Ident,
        Number,
        String,
        QbString,
        Eol,
        Sequence,
        Optional,
        Switch,
        OptionalSwitch,
        Loop,
        OptionalLoop,
        Reference,
        Definition
    };
    Kind kind = Sequence;
    std::string name; // the element name: the rule referred to, or the rule defined
    std::string text, node, add, addText, err;
    bool skipBlanks = true; // a char item's skip is not "0"
    bool loopSkip = false; // a loop's skip is "1"
    bool term = false;
    bool wraps = false; // writes an element around what it reads (a node other than "uses")
    bool uses = false; // its node is "uses": included units take its place
    bool expr = false; // its node is "expr", which also records where the expression ends
    const TksGrammarItem* rule = nullptr; // a reference's definition; nullptr when there is none
    // The characters the item's first token can start with (after blanks): it cannot succeed at any
    // other, unless anyFirst (it may read nothing, or starts without skipping blanks).
    std::bitset<256> first;
    bool anyFirst = true;
    // The error walking the item would record when its first token does not match: the innermost
    // err on the way down to that token (its term flag with it).
    const TksGrammarItem* firstErr = nullptr;
    std::vector<TksGrammarItem> children;

    bool IsToken() const { return kind <= Eol; }
    bool IsStructure() const { return kind >= Sequence && kind <= OptionalLoop; }
};

struct TksGrammar
{
    // The rules by name (every child of the language element but parser and types).
    std::map<std::string, std::unique_ptr<TksGrammarItem>> rules;
    std::map<std::string, std::string> errors; // err1 -> its text

    // `numberStarts` and `stringStarts`: what a number and a string literal begin with in this language.
    void Compile(TksXMLItem& language, const std::string& numberStarts, const std::string& stringStarts);
    const TksGrammarItem* Rule(const std::string& name) const;
};

} // namespace qbx
