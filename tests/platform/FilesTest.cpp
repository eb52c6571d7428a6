// Atomic writes, temporary files and file-name helpers.
#include "platform/Files.h"

#include "base/Exceptions.h"

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Files, AtomicWriteReplacesWholeOrNothing)
{
    std::string folder = std::filesystem::temp_directory_path() / "qbx-files-test";
    std::filesystem::create_directories(folder);
    std::string name = folder + "/out.txt";
    WriteFileAtomically(name, "first");
    WriteFileAtomically(name, "second");
    EXPECT_EQ(ReadWholeFile(name), "second");
    // A write into a folder that does not exist fails, names the file and leaves nothing behind.
    try {
        WriteFileAtomically(folder + "/missing/out.txt", "x");
        ADD_FAILURE();
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("missing"), std::string::npos);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

TEST(Files, AtomicWriteGoesThroughSymbolicLinks)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-files-link";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "real");
    std::filesystem::path target = folder / "real" / "report.qb3";
    WriteFileAtomically(target.string(), "old");
    std::filesystem::create_symlink("real/report.qb3", folder / "link.qb3");
    std::filesystem::create_symlink(folder / "real" / "new.qb3", folder / "dangling.qb3");

    WriteFileAtomically((folder / "link.qb3").string(), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.qb3"));
    EXPECT_EQ(ReadWholeFile(target.string()), "new");
    WriteFileAtomically((folder / "dangling.qb3").string(), "made");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling.qb3"));
    EXPECT_EQ(ReadWholeFile((folder / "real" / "new.qb3").string()), "made");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "real"), {}), 2) << "no temporary left";
    std::filesystem::remove_all(folder);
}

TEST(Files, TemporaryFilesTakeThePrefix)
{
    std::string name = CreateTempFile("qb");
    EXPECT_EQ(FolderOf(name), SystemTempFolder());
    EXPECT_EQ(name.substr(SystemTempFolder().size() + 1, 2), "qb");
    EXPECT_TRUE(FileExists(name));
    std::remove(name.c_str());
    EXPECT_THROW(CreateTempFile("qb", "/nonexistent-folder"), EFileError);
}

TEST(Files, NameHelpers)
{
    EXPECT_EQ(FolderOf("a/b/c.qb3"), "a/b");
    EXPECT_EQ(FolderOf("c.qb3"), "");
    EXPECT_EQ(ChangeExtension("a.b/c", ".png"), "a.b/c.png");
    EXPECT_EQ(ChangeExtension("c.qp3", ".pdf"), "c.pdf");
    EXPECT_FALSE(ExecutableFolder().empty());
    EXPECT_THROW(ReadWholeFile("/nonexistent/file.qb3"), EFileError);
}

} // namespace
} // namespace qbx
