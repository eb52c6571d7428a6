// TqbxDictionary: the short names of prepared pages and the source objects they stand for.
#pragma once

#include <map>
#include <string>

namespace qbx {

class TqbxComponent;

// Owned by the prepared pages store; references the source objects (owned by the store's source
// pages) and owns nothing else.
class TqbxDictionary
{
public:
    struct Entry
    {
        std::string LongName; // "Page" + source page index + "." + object name
        TqbxComponent* Object = nullptr;
    };

    // The next free short name with this prefix: probing 10000, 5000, 2500, ... down to the first number
    // in use, then counting upward from there (from 1 when none is in use).
    std::string NextName(const std::string& prefix) const;
    void Add(const std::string& shortName, const std::string& longName, TqbxComponent* object);
    const Entry* Find(const std::string& shortName) const; // nullptr when unknown
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    // In the sorted order of the short names.
    const std::map<std::string, Entry>& Entries() const { return entries_; }

private:
    std::map<std::string, Entry> entries_;
};

} // namespace qbx
