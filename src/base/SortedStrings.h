// A sorted list of texts without duplicates: how errors are collected while loading and preparing.
#pragma once

#include <string>
#include <vector>

namespace qbx {

// A sorted list of texts that ignores duplicates: the report's collected errors.
class SortedStrings
{
public:
    void Add(const std::string& text); // a text already present is ignored
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    const std::vector<std::string>& Items() const { return items_; }
    std::string Text() const; // every line followed by CR LF
    void SetText(const std::string& text); // lines split at CR LF, sorted, duplicates dropped

private:
    std::vector<std::string> items_;
};

} // namespace qbx
