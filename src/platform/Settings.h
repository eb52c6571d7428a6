// The settings store named by a report's IniFile: INI files under $XDG_CONFIG_HOME/qbx/.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace qbx {

// Sections of keys and values, kept in memory and written back atomically by Flush (and on destruction
// when changed). Section and key names are compared without regard to case, as in INI files.
class SettingsStore
{
public:
    explicit SettingsStore(std::string fileName); // reads the file when it exists
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const std::string& FileName() const { return fileName_; }
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    bool SectionExists(const std::string& section) const;
    void DeleteKey(const std::string& section, const std::string& key);
    void EraseSection(const std::string& section);
    void Flush(); // raises EFileError naming the file when it cannot be written

private:
    struct NoCase
    {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Section = std::map<std::string, std::string, NoCase>;
    std::string fileName_;
    std::map<std::string, Section, NoCase> sections_;
    bool changed_ = false;
};

// The file an IniFile text names: "\Software\Lantorra" becomes $XDG_CONFIG_HOME/qbx/Software/Lantorra.ini
// (~/.config when the variable is unset); a relative INI name lies in $XDG_CONFIG_HOME/qbx/; an absolute
// one is used as it is.
std::string SettingsFileFor(const std::string& iniFile);

std::unique_ptr<SettingsStore> OpenSettingsStore(const std::string& iniFile);

} // namespace qbx
