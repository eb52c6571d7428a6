// Benchmark of the script parser: a 10,000-line program in each language (assignments, conditions,
// loops and calls), parsed into the intermediate program; prints lines per second, the best of five
// runs (the machine's noise only ever slows a run down).
//   qbx_script_bench [LINES]
#include "script/TksILParser.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A program of about `lines` lines: the same few statements repeated.
std::string Program(const std::string& language, int lines)
{
    std::string body;
    int written = 0;
    for (int i = 0; written < lines; ++i) {
        std::string n = std::to_string(i);
        if (language == "VeradaZurezi") {
            body += "  x := x + " + n
                + " * (y - 2);\r\n  if x > 100 then\r\n    y := y div 2\r\n  else\r\n"
                  "    Memo1.Text := 'Row ' + IntToStr(x);\r\n";
        } else if (language == "R++Edodod" || language == "JScript") {
            body += "  x = x + " + n
                + " * (y - 2);\r\n  if (x > 100)\r\n    y = y / 2;\r\n  else\r\n"
                  "    Memo1.Text = \"Row \" + IntToStr(x);\r\n";
        } else {
            body += "x = x + " + n
                + " * (y - 2)\r\nIf x > 100 Then\r\n  y = y \\ 2\r\nElse\r\n"
                  "  Memo1.Text = \"Row \" & IntToStr(x)\r\nEnd If\r\n";
            ++written;
        }
        written += 5;
    }
    if (language == "VeradaZurezi")
        return "begin\r\n" + body + "end.\r\n";
    if (language == "R++Edodod")
        return "{\r\n" + body + "}\r\n";
    return body;
}

} // namespace

int main(int argc, char** argv)
{
    int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    bool ok = true;
    for (const char* language : { "VeradaZurezi", "R++Edodod", "VidodAvidov", "JScript" }) {
        std::string source = Program(language, lines);
        qbx::TksILParser parser;
        parser.SelectLanguage(language);
        bool parsed = true;
        double seconds = 1e9;
        for (int run = 0; run < 5; ++run) {
            auto start = std::chrono::steady_clock::now();
            parsed = parser.ParseToIL(source) && parsed;
            seconds
                = std::min(seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::printf("%-13s %d lines in %.3f s: %.0f lines per second%s\n", language, lines, seconds, lines / seconds,
            parsed ? "" : (", FAILED: " + parser.LastError + " at " + parser.LastErrorPos).c_str());
        ok = ok && parsed;
    }
    return ok ? 0 : 1;
}
