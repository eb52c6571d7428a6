// The localized string table and the program's button images.
#include "formats/TqbxResources.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "formats/EmbeddedResources.h"
#include "formats/ImageResource.h"
#include "platform/Files.h"

#include <algorithm>
#include <filesystem>

namespace qbx {

TqbxResources& TqbxResources::Instance()
{
    static TqbxResources resources = [] {
        TqbxResources r;
        r.ListLanguages(ExecutableFolder());
        return r;
    }();
    return resources;
}

TqbxResources::TqbxResources()
{
    Add(BuiltInResourceTable());
}

std::string TqbxResources::Get(std::string_view key) const
{
    auto it = keys_.find(AsciiUpper(key));
    std::string text = it == keys_.end() ? std::string(key) : texts_[it->second];
    if (!text.empty() && text.front() == '!')
        text.erase(0, 1);
    return text;
}

std::string TqbxResources::GetByNumber(int number) const
{
    return Get(std::to_string(number));
}

void TqbxResources::Set(const std::string& key, const std::string& text)
{
    auto [it, added] = keys_.emplace(AsciiUpper(key), texts_.size());
    if (added)
        texts_.push_back(text);
    else
        texts_[it->second] = text;
}

void TqbxResources::Add(std::string_view table)
{
    while (!table.empty()) {
        std::size_t end = table.find_first_of("\r\n");
        std::string_view line = table.substr(0, end);
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0 || eq + 1 == line.size())
            continue;
        Set(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)));
    }
}

void TqbxResources::ListLanguages(const std::string& folder)
{
    languages_.clear();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (name.size() <= 4 || AsciiLower(name.substr(name.size() - 4)) != ".qbc")
            continue;
        std::string language = AsciiLower(name.substr(0, name.size() - 4));
        language[0] = AsciiUpper(language.substr(0, 1))[0];
        languages_.push_back(language);
    }
    std::sort(languages_.begin(), languages_.end());
}

const std::vector<ButtonImage>& TqbxResources::PreviewButtons()
{
    if (previewButtons_.empty())
        previewButtons_ = CutIntoCells(DecodeBitmap(DecompressImageResource(FindProgramResource("PreviewButtons"))));
    return previewButtons_;
}

std::string TqbxResources::HelpFile() const
{
    return ExecutableFolder() + "/QBUser.chm";
}

void TqbxResources::Help(const std::string&)
{
    // Topic pages belong to design windows, and this system has none; the file alone is handed over.
    if (HelpViewer)
        HelpViewer(HelpFile());
}

std::string_view FindProgramResource(std::string_view name)
{
    std::string_view data = EmbeddedResource(AsciiUpper(name));
    if (data.empty())
        throw EFileError("Resource " + std::string(name) + " not found");
    return data;
}

} // namespace qbx
