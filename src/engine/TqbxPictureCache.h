// TqbxPictureCache: the pictures of prepared pages, referred to by a picture object's ImageIndex.
#pragma once

#include <string>
#include <vector>

namespace qbx {

// Owned by the prepared pages store; owns copies of the pictures' file bytes.
class TqbxPictureCache
{
public:
    // Appends a picture and returns its ImageIndex (1-based).
    int Add(std::string bytes);
    // The picture of ImageIndex `index`; empty for 0 and for an index the cache does not hold.
    const std::string& Get(int index) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    void Clear() { pictures_.clear(); }

private:
    std::vector<std::string> pictures_;
};

} // namespace qbx
