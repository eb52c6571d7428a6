// Short names for prepared pages.
#include "engine/TqbxDictionary.h"

namespace qbx {

std::string TqbxDictionary::NextName(const std::string& prefix) const
{
    auto used = [&](int n) { return entries_.count(prefix + std::to_string(n)) != 0; };
    int n = 10000;
    while (n > 0 && !used(n))
        n /= 2;
    if (n == 0)
        n = 1;
    while (used(n))
        ++n;
    return prefix + std::to_string(n);
}

void TqbxDictionary::Add(const std::string& shortName, const std::string& longName, TqbxComponent* object)
{
    entries_[shortName] = { longName, object };
}

const TqbxDictionary::Entry* TqbxDictionary::Find(const std::string& shortName) const
{
    auto it = entries_.find(shortName);
    return it == entries_.end() ? nullptr : &it->second;
}

} // namespace qbx
