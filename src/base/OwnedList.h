// Lists that own their elements through unique_ptr: taking one element out without destroying it.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace qbx {

// Removes `element` from `list` and hands over its ownership; nullptr when the list does not hold it.
template <class T> std::unique_ptr<T> TakeFromList(std::vector<std::unique_ptr<T>>& list, const T* element)
{
    auto it = std::find_if(list.begin(), list.end(), [element](const auto& p) { return p.get() == element; });
    if (it == list.end())
        return nullptr;
    std::unique_ptr<T> owned = std::move(*it);
    list.erase(it);
    return owned;
}

// For an element's destructor: its owner lets go of it without deleting it a second time.
template <class T> void LeaveOwningList(std::vector<std::unique_ptr<T>>& list, const T* element)
{
    (void)TakeFromList(list, element).release();
}

} // namespace qbx
