// The settings store keyed by IniFile.
#include "platform/Settings.h"

#include "platform/Files.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Settings, IniFileNamesMapUnderTheConfigFolder)
{
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(SettingsFileFor("\\Software\\Lantorra"), "/cfg/qbx/Software/Lantorra.ini");
    EXPECT_EQ(SettingsFileFor("report.ini"), "/cfg/qbx/report.ini");
    EXPECT_EQ(SettingsFileFor("/etc/qbx.ini"), "/etc/qbx.ini");
}

TEST(Settings, ValuesSurviveAReopen)
{
    std::string folder = std::filesystem::temp_directory_path() / "qbx-settings-test";
    std::filesystem::remove_all(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    {
        auto store = OpenSettingsStore("\\Software\\Lantorra");
        store->WriteString("Preview", "Units", "mm");
        store->WriteInteger("Preview", "Zoom", 150);
        store->WriteBool("Print", "Collate", true);
    }
    auto store = OpenSettingsStore("\\Software\\Lantorra");
    EXPECT_EQ(store->ReadString("preview", "UNITS", "in"), "mm");
    EXPECT_EQ(store->ReadInteger("Preview", "Zoom", 0), 150);
    EXPECT_TRUE(store->ReadBool("Print", "Collate", false));
    EXPECT_EQ(store->ReadInteger("Preview", "Missing", 7), 7);
    store->EraseSection("Print");
    EXPECT_FALSE(store->SectionExists("Print"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace qbx
