// TqbxResources: the process-wide table of user-visible texts, the preview's button images and the help call.
#pragma once

#include "base/Colors.h"
#include "platform/Pictures.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// One 16 x 16 button image and the colour that is transparent in it (its bottom-left pixel).
struct ButtonImage
{
    RasterImage Image;
    TColor Transparent = clNone;
};

// Created on first use with the built-in table and the list of language files beside the executable;
// lives until the process ends. Texts may be replaced at any time; later lookups see the new text.
class TqbxResources
{
public:
    static TqbxResources& Instance();
    TqbxResources(); // the built-in table, no languages; Instance() also lists the languages

    // The text under `key` (without regard to case), or the key itself; a leading "!" is removed.
    std::string Get(std::string_view key) const;
    std::string GetByNumber(int number) const;
    // Replaces the text of an existing key in place, or appends a new key.
    void Set(const std::string& key, const std::string& text);
    // Every "key=text" line of a table text; lines with an empty key or text are skipped.
    void Add(std::string_view table);
    int Count() const { return static_cast<int>(texts_.size()); }

    // "*.qbc" files of `folder` as language names: lower case, first letter upper case, no extension; sorted.
    void ListLanguages(const std::string& folder);
    const std::vector<std::string>& Languages() const { return languages_; }

    // The preview's button images, decoded from the program resource "PreviewButtons" on first use.
    const std::vector<ButtonImage>& PreviewButtons();

    // The help file (the executable's folder and "QBUser.chm"); shown by the installed viewer, if any.
    std::string HelpFile() const;
    std::function<void(const std::string& file)> HelpViewer;
    void Help(const std::string& windowClassName);

private:
    std::map<std::string, std::size_t> keys_; // upper-cased key -> index into texts_
    std::vector<std::string> texts_;
    std::vector<std::string> languages_;
    std::vector<ButtonImage> previewButtons_;
};

// The built-in table text (177 entries).
std::string_view BuiltInResourceTable();

// The data of a resource carried by the program (names compared without regard to case); raises
// EFileError "Resource NAME not found" when the program carries none of that name.
std::string_view FindProgramResource(std::string_view name);

} // namespace qbx
