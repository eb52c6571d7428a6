// The localized string table: the built-in entries and the lookup, replace and add rules.
#include "formats/TqbxResources.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxResources, BuiltInTableHasItsEntries)
{
    TqbxResources r;
    EXPECT_EQ(r.Count(), 177);
    struct Row
    {
        const char* key;
        const char* text;
    } rows[] = {
        { "1", "OK" }, { "9", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12" },
        { "152", "Send by E-mail" }, { "207", "Other" }, // the leading "!" is removed
        { "poDirect", "Direct (1-9)" }, { "510", "Printer file (*.prn)|*.prn" },
        { "CLERRORS", "The following error(s) have occured:" }, { "clDSNotExist", "Dataset \"%s\" does not exist" },
        { "prRunningFirst", "First pass: page %d" }, { "SEventError", "Event handler must be a procedure" },
        { "601", "Collapse all" }, { "prDupl", "prDupl" }, // a key the table lacks is its own text
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(r.Get(row.key), row.text);
    }
    EXPECT_EQ(r.GetByNumber(101), "Print");
    EXPECT_EQ(r.GetByNumber(999), "999");
}

TEST(TqbxResources, AddAndSetReplaceInPlace)
{
    TqbxResources r;
    r.Add("x==y\r\n=ignored\n\nnotext=\n==========\nmbError=Fault");
    EXPECT_EQ(r.Get("x"), "=y");
    EXPECT_EQ(r.Get("notext"), "notext");
    EXPECT_EQ(r.Get("mberror"), "Fault");
    EXPECT_EQ(r.Count(), 178) << "only x is new; mbError kept its place";
    r.Set("MBERROR", "!Oops");
    EXPECT_EQ(r.Get("mbError"), "Oops");
    EXPECT_EQ(r.Count(), 178);
}

TEST(TqbxResources, LanguagesAreTheQbcFilesBesideTheProgram)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-languages";
    std::filesystem::create_directories(folder);
    for (const char* name : { "RUSSIAN.QBC", "german.qbc", "notes.txt" })
        std::ofstream(folder / name) << "x";
    TqbxResources r;
    r.ListLanguages(folder.string());
    EXPECT_EQ(r.Languages(), (std::vector<std::string> { "German", "Russian" }));
    std::filesystem::remove_all(folder);
}

TEST(TqbxResources, HelpGoesToTheViewerWhenThereIsOne)
{
    TqbxResources r;
    r.Help("TForm1"); // no viewer: nothing happens
    std::string shown;
    r.HelpViewer = [&](const std::string& file) { shown = file; };
    r.Help("TForm1");
    EXPECT_EQ(shown, r.HelpFile());
    EXPECT_EQ(shown.substr(shown.size() - 11), "/QBUser.chm");
}

} // namespace
} // namespace qbx
