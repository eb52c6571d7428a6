// qbx: the command line for preparing, exporting, printing and inspecting reports.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "platform/qt/QtPlatform.h"
#include "report/ClassRegistry.h"

#include <cstdlib>
#include <iostream>

#include <QApplication>

#ifndef QBX_VERSION
#define QBX_VERSION "0"
#endif

int main(int argc, char** argv)
{
    using namespace qbx::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = ParseCommandLine(args);
    switch (parsed.What) {
    case ParseResult::ShowHelp:
        std::cout << UsageText();
        return exitSuccess;
    case ParseResult::ShowVersion:
        std::cout << "qbx " << QBX_VERSION << "\n";
        return exitSuccess;
    case ParseResult::Fail:
        std::cerr << "qbx: " << parsed.Error << "\n\n" << UsageText();
        return exitUsage;
    case ParseResult::Run:
        break;
    }
    // Reports draw text and pictures through Qt even without a window; every command but the preview
    // runs headless, so its messages go to the terminal.
    if (parsed.Parsed.Command != "preview")
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    qbx::RegisterStandardClasses();
    return RunCommand(parsed.Parsed, std::cout, std::cerr);
}
