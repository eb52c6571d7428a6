// The pictures of prepared pages.
#include "engine/TqbxPictureCache.h"

namespace qbx {

int TqbxPictureCache::Add(std::string bytes)
{
    pictures_.push_back(std::move(bytes));
    return Count();
}

const std::string& TqbxPictureCache::Get(int index) const
{
    static const std::string none;
    return index >= 1 && index <= Count() ? pictures_[static_cast<std::size_t>(index - 1)] : none;
}

} // namespace qbx
