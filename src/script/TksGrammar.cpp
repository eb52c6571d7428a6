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

} // namespace

void TksGrammar::Compile(TksXMLItem& language)
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
