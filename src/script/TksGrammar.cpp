// Compiling a grammar document into items the parser walks without reading attributes again.
#include "script/TksGrammar.h"

namespace qbx {
namespace {

TksGrammarItem::Kind KindOf(const std::string& name)
{
    static const std::map<std::string, TksGrammarItem::Kind> kinds = {
        { "char", TksGrammarItem::Char },
        { "keyword", TksGrammarItem::Keyword },
        { "ident", TksGrammarItem::Ident },
        { "number", TksGrammarItem::Number },
        { "string", TksGrammarItem::String },
        { "qbstring", TksGrammarItem::QbString },
        { "eol", TksGrammarItem::Eol },
        { "sequence", TksGrammarItem::Sequence },
        { "optional", TksGrammarItem::Optional },
        { "switch", TksGrammarItem::Switch },
        { "optionalswitch", TksGrammarItem::OptionalSwitch },
        { "loop", TksGrammarItem::Loop },
        { "optionalloop", TksGrammarItem::OptionalLoop },
    };
    auto found = kinds.find(name);
    return found == kinds.end() ? TksGrammarItem::Reference : found->second;
}

void CompileItem(const TksXMLItem& source, TksGrammarItem& item, bool definition)
{
    item.kind = definition ? TksGrammarItem::Definition : KindOf(source.Name);
    item.name = source.Name;
    item.text = source.Prop("text");
    item.node = source.Prop("node");
    item.add = source.Prop("add");
    item.addText = source.Prop("addtext");
    item.err = source.Prop("err");
    std::string skip = source.Prop("skip");
    item.skipBlanks = skip != "0";
    item.loopSkip = skip == "1";
    item.term = source.Prop("term") == "1";
    item.uses = item.node == "uses";
    item.expr = item.node == "expr";
    item.wraps = !item.node.empty() && !item.uses && !item.IsStructure();
    item.children.resize(static_cast<std::size_t>(source.Count()));
    for (int i = 0; i < source.Count(); ++i)
        CompileItem(*source.Items(i), item.children[static_cast<std::size_t>(i)], false);
}

void Resolve(TksGrammarItem& item, const TksGrammar& grammar)
{
    if (item.kind == TksGrammarItem::Reference)
        item.rule = grammar.Rule(item.name);
    for (TksGrammarItem& child : item.children)
        Resolve(child, grammar);
}

struct FirstSets
{
    std::string numberStarts, stringStarts;
    std::map<const TksGrammarItem*, int> state; // 1 while being computed, 2 when done

    void Of(TksGrammarItem& item);
    void OfSequence(TksGrammarItem& item);
};

// Walking an item that fails at its first token records, of the items on the way down to that token,
// the innermost one's err: a sequence's first child, a reference's rule, each switch alternative in turn.
const TksGrammarItem* FirstErr(const TksGrammarItem& item)
{
    const TksGrammarItem* inner = nullptr;
    switch (item.kind) {
    case TksGrammarItem::Sequence:
    case TksGrammarItem::Definition:
    case TksGrammarItem::Loop:
        inner = item.children.empty() ? nullptr : item.children.front().firstErr;
        break;
    case TksGrammarItem::Reference:
        inner = item.rule ? item.rule->firstErr : nullptr;
        break;
    case TksGrammarItem::Switch:
        for (const TksGrammarItem& child : item.children)
            if (!inner)
                inner = child.firstErr;
        break;
    default:
        break;
    }
    return inner ? inner : item.err.empty() ? nullptr : &item;
}

void FirstSets::OfSequence(TksGrammarItem& item)
{
    if (item.children.empty())
        return; // reads nothing: anything may follow
    TksGrammarItem& head = item.children.front();
    Of(head);
    item.first = head.first;
    item.anyFirst = head.anyFirst;
}

// Conservative: whenever an item could succeed without its first token, or without skipping blanks
// before it, it takes any character.
void FirstSets::Of(TksGrammarItem& item)
{
    int& mark = state[&item];
    if (mark == 2)
        return;
    if (mark == 1)
        return; // a rule reached again while its own set is computed: it stays "any"
    mark = 1;
    for (TksGrammarItem& child : item.children)
        Of(child);
    item.first.reset();
    item.anyFirst = false;
    auto add = [&](const std::string& chars) {
        for (unsigned char c : chars)
            item.first[c] = true;
    };
    switch (item.kind) {
    case TksGrammarItem::Char:
        item.anyFirst = !item.skipBlanks || item.text.empty();
        if (!item.anyFirst)
            item.first[static_cast<unsigned char>(item.text[0])] = true;
        break;
    case TksGrammarItem::Keyword:
    case TksGrammarItem::Ident:
        item.anyFirst = item.text.empty();
        if (!item.anyFirst) {
            unsigned char c = static_cast<unsigned char>(item.text[0]);
            item.first[c] = true;
            item.first[static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32
                    : c >= 'a' && c <= 'z'                             ? c - 32
                                                                       : c)]
                = true;
        }
        break;
    case TksGrammarItem::Number:
        add("0123456789" + numberStarts);
        break;
    case TksGrammarItem::String:
        add(stringStarts + "#");
        break;
    case TksGrammarItem::Eol:
        add("\r\n");
        break;
    case TksGrammarItem::Sequence:
    case TksGrammarItem::Definition:
    case TksGrammarItem::Loop:
        item.anyFirst = true;
        OfSequence(item);
        break;
    case TksGrammarItem::Switch:
        for (const TksGrammarItem& child : item.children) {
            item.first |= child.first;
            item.anyFirst = item.anyFirst || child.anyFirst;
        }
        item.anyFirst = item.anyFirst || item.children.empty();
        break;
    case TksGrammarItem::Reference:
        item.anyFirst = true;
        if (item.rule) {
            Of(const_cast<TksGrammarItem&>(*item.rule));
            item.first = item.rule->first;
            item.anyFirst = item.rule->anyFirst || state[item.rule] != 2;
        }
        break;
    default: // optional parts, optional switches and loops, report references: any
        item.anyFirst = true;
        break;
    }
    item.firstErr = FirstErr(item);
    mark = 2;
}

} // namespace

void TksGrammar::Compile(TksXMLItem& language, const std::string& numberStarts, const std::string& stringStarts)
{
    rules.clear();
    errors.clear();
    for (int i = 0; i < language.Count(); ++i) {
        const TksXMLItem& child = *language.Items(i);
        if (child.Name == "parser" || child.Name == "types")
            continue;
        auto rule = std::make_unique<TksGrammarItem>();
        CompileItem(child, *rule, true);
        rules.emplace(child.Name, std::move(rule)); // the first rule of a name counts
    }
    for (auto& [name, rule] : rules)
        Resolve(*rule, *this);
    FirstSets sets { numberStarts, stringStarts, {} };
    for (auto& [name, rule] : rules)
        sets.Of(*rule);
    if (TksXMLItem* parser = language.FindItem("parser"))
        if (TksXMLItem* list = parser->FindItem("errors"))
            for (int i = 0; i < list->Count(); ++i)
                errors.emplace(list->Items(i)->Name, list->Items(i)->Prop("text"));
}

const TksGrammarItem* TksGrammar::Rule(const std::string& name) const
{
    auto found = rules.find(name);
    return found == rules.end() ? nullptr : found->second.get();
}

} // namespace qbx
