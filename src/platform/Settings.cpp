// INI-file settings store.
#include "platform/Settings.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Unicode.h"
#include "platform/Files.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace qbx {

bool SettingsStore::NoCase::operator()(const std::string& a, const std::string& b) const
{
    return AsciiUpper(a) < AsciiUpper(b);
}

SettingsStore::SettingsStore(std::string fileName)
    : fileName_(std::move(fileName))
{
    if (!FileExists(fileName_))
        return;
    std::istringstream in(ReadWholeFile(fileName_));
    std::string line, section;
    while (std::getline(in, line)) {
        std::string_view t = TrimBlanks(line);
        if (t.empty() || t.front() == ';' || t.front() == '#')
            continue;
        if (t.front() == '[' && t.back() == ']') {
            section = std::string(TrimBlanks(t.substr(1, t.size() - 2)));
            sections_[section];
        } else if (std::size_t eq = t.find('='); eq != std::string_view::npos) {
            sections_[section][std::string(TrimBlanks(t.substr(0, eq)))] = std::string(TrimBlanks(t.substr(eq + 1)));
        }
    }
}

SettingsStore::~SettingsStore()
{
    try {
        Flush();
    } catch (const Exception& e) {
        std::cerr << e.what() << '\n'; // a destructor cannot raise; the user still learns of the loss
    }
}

std::string SettingsStore::ReadString(
    const std::string& section, const std::string& key, const std::string& fallback) const
{
    auto s = sections_.find(section);
    if (s == sections_.end())
        return fallback;
    auto k = s->second.find(key);
    return k == s->second.end() ? fallback : k->second;
}

int SettingsStore::ReadInteger(const std::string& section, const std::string& key, int fallback) const
{
    long long value = 0;
    return TryTextToInt64(ReadString(section, key, ""), value) ? static_cast<int>(value) : fallback;
}

bool SettingsStore::ReadBool(const std::string& section, const std::string& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void SettingsStore::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::string& slot = sections_[section][key];
    changed_ = changed_ || slot != value;
    slot = value;
}

void SettingsStore::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void SettingsStore::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

bool SettingsStore::SectionExists(const std::string& section) const
{
    return sections_.count(section) != 0;
}

void SettingsStore::DeleteKey(const std::string& section, const std::string& key)
{
    auto s = sections_.find(section);
    if (s != sections_.end() && s->second.erase(key) != 0)
        changed_ = true;
}

void SettingsStore::EraseSection(const std::string& section)
{
    changed_ = sections_.erase(section) != 0 || changed_;
}

void SettingsStore::Flush()
{
    if (!changed_)
        return;
    std::string text;
    for (const auto& [name, keys] : sections_) {
        text += "[" + name + "]\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\n";
        text += "\n";
    }
    std::error_code ignored;
    std::filesystem::create_directories(FolderOf(fileName_), ignored);
    WriteFileAtomically(fileName_, text);
    changed_ = false;
}

std::string SettingsFileFor(const std::string& iniFile)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base = xdg && *xdg ? xdg : std::string(home && *home ? home : ".") + "/.config";
    base += "/qbx";
    if (!iniFile.empty() && iniFile.front() == '/')
        return iniFile;
    std::string name = iniFile;
    for (char& c : name)
        if (c == '\\')
            c = '/';
    while (!name.empty() && name.front() == '/')
        name.erase(0, 1);
    bool registryKey = iniFile.size() > 1 && iniFile.front() == '\\';
    if (registryKey || name.find('.') == std::string::npos)
        name += ".ini";
    return base + "/" + (name.empty() ? "qbx.ini" : name);
}

std::unique_ptr<SettingsStore> OpenSettingsStore(const std::string& iniFile)
{
    return std::make_unique<SettingsStore>(SettingsFileFor(iniFile));
}

} // namespace qbx
