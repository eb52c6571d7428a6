// Parsing of qbx's subcommands and options.
#include "cli/CommandLine.h"

#include "base/FloatText.h"
#include "base/PageRange.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <set>

namespace qbx::cli {
namespace {

struct CommandRule
{
    const char* Name;
    const char* Inputs; // the input extensions accepted, separated by blanks
    bool NeedsOutput;
    const char* Outputs; // the output extensions accepted
    std::set<std::string> Flags;
};

const std::array<CommandRule, 6>& Rules()
{
    static const std::array<CommandRule, 6> rules = { {
        { "prepare", ".qb3", true, ".qp3", { "-o", "--data", "--var" } },
        { "export", ".qb3 .qp3", true, ".pdf .png .svg", { "-o", "--dpi", "--pages", "--pdfa", "--data", "--var" } },
        { "print", ".qb3 .qp3", false, "", { "--printer", "--pages", "--copies", "--data", "--var" } },
        { "preview", ".qb3 .qp3", false, "", { "--data", "--var" } },
        { "info", ".qb3 .qp3", false, "", { "--data", "--var", "--json" } },
        { "check", ".qb3", false, ".qb3", { "-o" } },
    } };
    return rules;
}

bool ExtensionIn(const std::string& name, const std::string& list)
{
    std::string ext = Extension(name);
    return !ext.empty() && (" " + list + " ").find(" " + ext + " ") != std::string::npos;
}

bool ReadPositive(const std::string& text, int limit, int& value)
{
    long long n = 0;
    if (!TryTextToInt64(text, n) || n < 1 || n > limit)
        return false;
    value = static_cast<int>(n);
    return true;
}

bool SplitAssignment(const std::string& text, std::pair<std::string, std::string>& out)
{
    std::size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    out = { text.substr(0, eq), text.substr(eq + 1) };
    return true;
}

// Applies one option with its value to the options; returns an error text or "".
std::string ApplyOption(const std::string& flag, const std::string& value, Options& o)
{
    std::pair<std::string, std::string> pair;
    std::vector<PageSpan> spans;
    if (flag == "-o")
        o.Output = value;
    else if (flag == "--dpi" && !ReadPositive(value, 2400, o.Dpi))
        return "--dpi takes a whole number from 1 to 2400, not '" + value + "'";
    else if (flag == "--pages" && !ParsePageRange(value, spans))
        return "--pages takes a page range such as 1,3,5-12 or 5-, not '" + value + "'";
    else if (flag == "--pages")
        o.Pages = value;
    else if (flag == "--printer")
        o.Printer = value;
    else if (flag == "--copies" && !ReadPositive(value, 999, o.Copies))
        return "--copies takes a whole number from 1 to 999, not '" + value + "'";
    else if (flag == "--data" && !SplitAssignment(value, pair))
        return "--data takes NAME=FILE.csv, not '" + value + "'";
    else if (flag == "--data")
        o.Data.push_back(pair);
    else if (flag == "--var" && !SplitAssignment(value, pair))
        return "--var takes NAME=VALUE, not '" + value + "'";
    else if (flag == "--var")
        o.Variables.push_back(pair);
    return "";
}

std::string CheckFiles(const CommandRule& rule, const Options& o)
{
    if (o.Input.empty())
        return "qbx " + o.Command + " needs an input file";
    if (!ExtensionIn(o.Input, rule.Inputs))
        return "qbx " + o.Command + ": input " + o.Input + " must be a " + rule.Inputs + " file";
    if (rule.NeedsOutput && o.Output.empty())
        return "qbx " + o.Command + " needs -o OUTPUT";
    if (!o.Output.empty() && !ExtensionIn(o.Output, rule.Outputs))
        return "qbx " + o.Command + ": output " + o.Output + " must be a " + rule.Outputs + " file";
    return "";
}

ParseResult Failure(std::string error)
{
    ParseResult r;
    r.What = ParseResult::Fail;
    r.Error = std::move(error);
    return r;
}

} // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        return Failure("no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help")
        return { ParseResult::ShowHelp, {}, {} };
    if (args[0] == "--version")
        return { ParseResult::ShowVersion, {}, {} };
    auto rule = std::find_if(Rules().begin(), Rules().end(), [&](const CommandRule& r) { return args[0] == r.Name; });
    if (rule == Rules().end())
        return Failure("unknown command '" + args[0] + "'");
    ParseResult result;
    Options& o = result.Parsed;
    o.Command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h")
            return { ParseResult::ShowHelp, {}, {} };
        if (a.size() > 1 && a[0] == '-') {
            if (rule->Flags.count(a) == 0)
                return Failure("qbx " + o.Command + " has no option " + a);
            if (a == "--json" || a == "--pdfa") {
                (a == "--json" ? o.Json : o.PdfA) = true; // the options without a value
                continue;
            }
            if (i + 1 >= args.size())
                return Failure("option " + a + " needs a value");
            if (std::string error = ApplyOption(a, args[++i], o); !error.empty())
                return Failure(error);
        } else if (o.Input.empty()) {
            o.Input = a;
        } else {
            return Failure("qbx " + o.Command + " takes one input file; '" + a + "' is one too many");
        }
    }
    if (std::string error = CheckFiles(*rule, o); !error.empty())
        return Failure(error);
    result.What = ParseResult::Run;
    return result;
}

std::string UsageText()
{
    return "usage: qbx COMMAND INPUT [options]\n"
           "\n"
           "commands:\n"
           "  prepare TEMPLATE.qb3 -o OUT.qp3             run the report, save the prepared report\n"
           "  export  INPUT -o OUT.pdf|OUT.png|OUT.svg    INPUT is a .qb3 (prepared first) or a .qp3\n"
           "          [--dpi N] [--pages RANGE] [--pdfa]  PNG and SVG write OUT.png for one page, else\n"
           "                                              OUT-1.png ...; --pdfa writes PDF/A-2b\n"
           "  print   INPUT [--printer NAME] [--pages RANGE] [--copies N]\n"
           "  preview INPUT                               the preview window\n"
           "  info    INPUT [--json]                      pages and paper sizes, outline and anchors (.qp3),\n"
           "                                              pages, bands and data sets (.qb3), errors\n"
           "  check   TEMPLATE.qb3 [-o OUT.qb3]           load a template, list its errors, save it back\n"
           "\n"
           "common options:\n"
           "  --data NAME=FILE.csv   a data set with user name NAME read from a CSV file\n"
           "  --var NAME=VALUE       a report variable\n"
           "  --help, --version\n"
           "\n"
           "exit codes: 0 success; 1 the report's errors (on stderr, one per line);\n"
           "            2 bad usage or a file that cannot be read or written\n"
           "page ranges: numbers and ranges separated by commas, such as 1,3,5-12 or 5-\n";
}

} // namespace qbx::cli
