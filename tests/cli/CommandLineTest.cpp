// The qbx command line: what it accepts, what it refuses, and what the program prints.
#include "cli/CommandLine.h"

#include "RunProgram.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace qbx::cli {
namespace {

struct Row
{
    const char* name;
    std::vector<std::string> args;
    ParseResult::Action action;
    const char* error;
};

TEST(CommandLine, ParsesEveryCommandShape)
{
    const Row rows[] = {
        { "help", { "--help" }, ParseResult::ShowHelp, "" },
        { "version", { "--version" }, ParseResult::ShowVersion, "" },
        { "nothing", {}, ParseResult::Fail, "no command given" },
        { "unknown", { "render" }, ParseResult::Fail, "unknown command 'render'" },
        { "prepare", { "prepare", "a.qb3", "-o", "a.qp3" }, ParseResult::Run, "" },
        { "prepare without -o", { "prepare", "a.qb3" }, ParseResult::Fail, "qbx prepare needs -o OUTPUT" },
        { "prepare a .qp3", { "prepare", "a.qp3", "-o", "b.qp3" }, ParseResult::Fail,
            "qbx prepare: input a.qp3 must be a .qb3 file" },
        { "export png", { "export", "r.qp3", "-o", "r.PNG", "--dpi", "300", "--pages", "1,3,5-" }, ParseResult::Run,
            "" },
        { "export txt", { "export", "r.qp3", "-o", "r.txt" }, ParseResult::Fail,
            "qbx export: output r.txt must be a .pdf .png .svg file" },
        { "bad dpi", { "export", "r.qp3", "-o", "r.pdf", "--dpi", "0" }, ParseResult::Fail,
            "--dpi takes a whole number from 1 to 2400, not '0'" },
        { "bad pages", { "print", "r.qp3", "--pages", "3-1" }, ParseResult::Fail,
            "--pages takes a page range such as 1,3,5-12 or 5-, not '3-1'" },
        { "print", { "print", "r.qb3", "--printer", "Office", "--copies", "2", "--var", "Who=World" }, ParseResult::Run,
            "" },
        { "option of another command", { "info", "r.qb3", "--copies", "2" }, ParseResult::Fail,
            "qbx info has no option --copies" },
        { "missing value", { "preview", "r.qb3", "--data" }, ParseResult::Fail, "option --data needs a value" },
        { "bad data", { "info", "r.qb3", "--data", "orders.csv" }, ParseResult::Fail,
            "--data takes NAME=FILE.csv, not 'orders.csv'" },
        { "two inputs", { "info", "a.qb3", "b.qb3" }, ParseResult::Fail,
            "qbx info takes one input file; 'b.qb3' is one too many" },
        { "check", { "check", "a.qb3", "-o", "b.qb3" }, ParseResult::Run, "" },
        { "info as JSON", { "info", "--json", "a.qp3" }, ParseResult::Run, "" },
        { "JSON elsewhere", { "check", "a.qb3", "--json" }, ParseResult::Fail, "qbx check has no option --json" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ParseResult r = ParseCommandLine(row.args);
        EXPECT_EQ(r.What, row.action);
        EXPECT_EQ(r.Error, row.error);
    }
    ParseResult r
        = ParseCommandLine({ "print", "r.qb3", "--printer", "Office", "--copies", "2", "--var", "Who=World" });
    EXPECT_EQ(r.Parsed.Printer, "Office");
    EXPECT_EQ(r.Parsed.Copies, 2);
    ASSERT_EQ(r.Parsed.Variables.size(), 1u);
    EXPECT_EQ(r.Parsed.Variables[0].second, "World");
}

// Runs the qbx program and returns its exit code and standard output (standard error folded in).
int RunQbx(const std::string& args, std::string& output)
{
    return test::RunProgram(std::string(QBX_CLI_PATH) + " " + args, output);
}

TEST(CommandLine, ProgramListsItsCommandsAndRefusesWhatIsNotBuilt)
{
    std::string out;
    EXPECT_EQ(RunQbx("--help", out), 0);
    for (const char* command : { "prepare", "export", "print", "preview", "info", "check" })
        EXPECT_NE(out.find(std::string("  ") + command + " "), std::string::npos) << command;
    EXPECT_EQ(RunQbx("export missing.qp3 -o x.pdf", out), 2);
    EXPECT_NE(out.find("cannot read missing.qp3"), std::string::npos) << out;
    EXPECT_EQ(RunQbx("print " QBX_TEST_DATA "/empty.qb3", out), 2);
    EXPECT_NE(out.find("not available yet"), std::string::npos) << out;
    EXPECT_EQ(RunQbx("frobnicate", out), 2);
    EXPECT_EQ(out.find("XDG_RUNTIME_DIR"), std::string::npos) << "no warnings from the toolkit";
    EXPECT_NE(out.find("unknown command 'frobnicate'"), std::string::npos) << out;
}

TEST(CommandLine, InfoDescribesPreparedReportsAndTemplates)
{
    std::string out;
    EXPECT_EQ(RunQbx("info " QBX_TEST_DATA "/prepared/small.qp3", out), 0) << out;
    EXPECT_EQ(out,
        "prepared report: 2 pages\n"
        "page 1: 297 x 210 mm, landscape\n"
        "page 2: 297 x 210 mm, landscape\n"
        "outline:\n"
        "  Chapter 1  (page 1)\n"
        "    Section 1.1  (page 2)\n"
        "anchors:\n"
        "  Totals  (page 2, top 40)\n"
        "errors: 0\n");
    EXPECT_EQ(RunQbx("info --json " QBX_TEST_DATA "/prepared/small.qp3", out), 0) << out;
    EXPECT_NE(out.find("\"outline\":[{\"text\":\"Chapter 1\",\"page\":1,\"top\":0,\"children\":[{\"text\":"
                       "\"Section 1.1\",\"page\":2,\"top\":10,\"children\":[]}]}]"),
        std::string::npos)
        << out;

    EXPECT_EQ(RunQbx("info " QBX_TEST_DATA "/templates/collections.qb3 --json", out), 0) << out;
    EXPECT_EQ(out.rfind("{\"kind\":\"template\",", 0), 0u) << out;
    EXPECT_EQ(RunQbx("info " QBX_TEST_DATA "/malformed/unknown-class.qb3", out), 1);
    EXPECT_NE(out.find("errors: 1\n  Cannot find class"), std::string::npos) << out;
    std::string cut = std::string(QBX_TEST_OUTPUT) + "/cut.qp3";
    std::ofstream(cut) << "<?xml version=\"1.0\"?><preparedreport><previewpages><page0>";
    EXPECT_EQ(RunQbx("info " + cut, out), 2);
    EXPECT_NE(out.find("qbx info: Cannot load the prepared report " + cut + ": Invalid file format"), std::string::npos)
        << out;
}

TEST(CommandLine, PrepareSavesTheRunOrNothing)
{
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/prepare";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::string out;
    EXPECT_EQ(RunQbx("prepare " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/list.qp3", out), 0) << out;
    EXPECT_EQ(RunQbx("info " + folder + "/list.qp3", out), 0) << out;
    EXPECT_EQ(out.rfind("prepared report: 10 pages\n", 0), 0u) << "500 rows of 20 under a header of 20" << out;

    std::ofstream(folder + "/bad.qb3") << "<?xml version=\"1.0\"?><TqbxReport><TqbxReportPage Name=\"P\">"
                                          "<TqbxMasterData Name=\"M\" RowCount=\"1\" Top=\"0\" Height=\"20\"/>"
                                          "<TqbxHeader Name=\"H\" Top=\"40\" Height=\"20\"/></TqbxReportPage>"
                                          "</TqbxReport>";
    EXPECT_EQ(RunQbx("prepare " + folder + "/bad.qb3 -o " + folder + "/bad.qp3", out), 1);
    EXPECT_NE(out.find("Unconnected header/footer H"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(folder + "/bad.qp3")) << "no partial prepared report";
    EXPECT_EQ(RunQbx("prepare " QBX_TEST_DATA "/templates-run/list.qb3 -o /nonexistent/x.qp3", out), 2);
    EXPECT_NE(out.find("/nonexistent/x.qp3"), std::string::npos) << out;
}

// The width and height of a PNG file, from its header.
std::pair<int, int> PngSize(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string header(24, '\0');
    in.read(header.data(), 24);
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(header[at]) << 24) | (static_cast<unsigned char>(header[at + 1]) << 16)
            | (static_cast<unsigned char>(header[at + 2]) << 8) | static_cast<unsigned char>(header[at + 3]);
    };
    return header.compare(1, 3, "PNG") == 0 ? std::pair { be32(16), be32(20) } : std::pair { 0, 0 };
}

TEST(CommandLine, DataFromCsvFilesFillTheReport)
{
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/csv";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::string out;
    EXPECT_EQ(RunQbx("prepare " QBX_TEST_DATA "/templates-run/people.qb3 --data People=" QBX_TEST_DATA
                     "/templates-run/people.csv -o "
                      + folder + "/people.qp3",
                  out),
        0)
        << out;
    std::ifstream in(folder + "/people.qp3");
    std::string prepared((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* line : { "u=\"1. Smith, Anna, Berlin\"", "u=\"2. Bob, Paris\"", "u=\"3. \xC3\x89mile, Lyon\"" })
        EXPECT_NE(prepared.find(line), std::string::npos) << line;

    std::ofstream(folder + "/bad.csv") << "Name,City\nBob,Paris,extra\n";
    EXPECT_EQ(RunQbx("prepare " QBX_TEST_DATA "/templates-run/people.qb3 --data People=" + folder + "/bad.csv -o "
                      + folder + "/bad.qp3",
                  out),
        1);
    EXPECT_NE(out.find(folder + "/bad.csv:2:3: the row has 3 cells, the header 2"), std::string::npos) << out;
    EXPECT_FALSE(std::filesystem::exists(folder + "/bad.qp3"));
}

TEST(CommandLine, ExportWritesEveryPageAsAPngOfItsPaper)
{
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/export";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::string out;
    EXPECT_EQ(RunQbx("export " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/list.png --pages 1,10", out), 0)
        << out;
    EXPECT_EQ(PngSize(folder + "/list-1.png"), (std::pair { 794, 1123 })) << "A4 at 96 dpi";
    EXPECT_EQ(PngSize(folder + "/list-10.png"), (std::pair { 794, 1123 }));
    EXPECT_FALSE(std::filesystem::exists(folder + "/list-2.png")) << "only the pages asked for";
    EXPECT_EQ(
        RunQbx("export " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/p3.png --pages 3 --dpi 300", out), 0)
        << out;
    EXPECT_EQ(PngSize(folder + "/p3.png"), (std::pair { 2480, 3508 })) << "one page keeps the name; A4 at 300 dpi";
    EXPECT_EQ(RunQbx("export " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/x.png --pages 11-", out), 2);
    EXPECT_NE(out.find("no page"), std::string::npos) << out;
    EXPECT_EQ(RunQbx("export " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/x.pdf --pdfa", out), 0);
    EXPECT_NE(test::ProgramOutput("pdfinfo " + folder + "/x.pdf").find("Pages:           10"), std::string::npos);

    EXPECT_EQ(RunQbx("export " QBX_TEST_DATA "/templates-run/list.qb3 -o " + folder + "/p1.svg --pages 1", out), 0)
        << out;
    std::ifstream in(folder + "/p1.svg");
    std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(svg.find("viewBox=\"0 0 794 1123\""), std::string::npos) << "the page in page pixels";
    EXPECT_NE(svg.find(">P</text>"), std::string::npos) << "text stays text";
}

TEST(CommandLine, CheckListsTheErrorsAndSavesTheTemplateBack)
{
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/cli";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/bad.qb3") << "<?xml version=\"1.0\"?><TqbxReport DotMatrixReport=\"Maybe\">"
                                          "<TqbxFoo Name=\"x\"/></TqbxReport>";
    std::string out;
    EXPECT_EQ(RunQbx("check " + folder + "/bad.qb3 -o " + folder + "/fixed.qb3", out), 1);
    EXPECT_NE(
        out.find("\nCannot find class TqbxFoo\nInvalid value 'Maybe' for property DotMatrixReport"), std::string::npos)
        << out;
    EXPECT_EQ(RunQbx("check " + folder + "/fixed.qb3", out), 0) << out;
    EXPECT_EQ(out, "");
    EXPECT_EQ(RunQbx("check " + folder + "/fixed.qb3 -o /nonexistent/x.qb3", out), 2);
    EXPECT_NE(out.find("/nonexistent/x.qb3"), std::string::npos) << out;
}

} // namespace
} // namespace qbx::cli
