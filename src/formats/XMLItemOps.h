// Child lookups shared by the template and script XML items (both offer Count, Items, Add and Name).
#pragma once

#include "base/Unicode.h"

#include <string>
#include <string_view>

namespace qbx {

// The index of the first child named `name` (without regard to case), or -1.
template <class Item> int FindChild(const Item& item, std::string_view name)
{
    for (int i = 0; i < item.Count(); ++i)
        if (SameText(item.Items(i)->Name, name))
            return i;
    return -1;
}

// That child, or a new one of that name.
template <class Item> Item* FindOrAddChild(Item& item, std::string_view name)
{
    int i = FindChild(item, name);
    if (i >= 0)
        return item.Items(i);
    Item* child = item.Add();
    child->Name = std::string(name);
    return child;
}

template <class Item> int IndexOfChild(const Item& item, const Item* child)
{
    for (int i = 0; i < item.Count(); ++i)
        if (item.Items(i) == child)
            return i;
    return -1;
}

} // namespace qbx
