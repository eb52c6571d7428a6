// The qbx command line: its grammar, parsed into one options record.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qbx::cli {

enum ExitCode : int { exitSuccess = 0, exitReportErrors = 1, exitUsage = 2 };

struct Options
{
    std::string Command; // prepare, export, print, preview, info, check
    std::string Input;
    std::string Output;
    int Dpi = 96;
    std::string Pages; // a page-range text, already checked
    std::string Printer;
    int Copies = 1;
    std::vector<std::pair<std::string, std::string>> Data; // user name -> CSV file
    std::vector<std::pair<std::string, std::string>> Variables; // name -> value
    bool Json = false; // info: JSON instead of text
    bool PdfA = false; // export: PDF/A-2b
};

struct ParseResult
{
    enum Action { Run, ShowHelp, ShowVersion, Fail } What = Fail;
    Options Parsed;
    std::string Error; // for Fail: what is wrong, naming the option or argument
};

// Parses the arguments after the program name.
ParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

} // namespace qbx::cli
