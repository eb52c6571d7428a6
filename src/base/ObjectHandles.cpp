// The process-wide table from 32-bit handles to live objects.
#include "base/ObjectHandles.h"

#include <mutex>
#include <unordered_map>

namespace qbx {
namespace {

struct HandleTable
{
    std::mutex Lock;
    std::unordered_map<std::int32_t, HandleTarget*> Objects;
    std::int32_t Next = 1;
};

HandleTable& Table()
{
    static HandleTable table;
    return table;
}

} // namespace

HandleTarget::~HandleTarget()
{
    if (handle_ == 0)
        return;
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    table.Objects.erase(handle_);
}

std::int32_t HandleTarget::Handle() const
{
    if (handle_ != 0)
        return handle_;
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    // Handles are not reused while the counter lasts, so a stale handle does not reach a newer object.
    do {
        handle_ = table.Next;
        table.Next = table.Next == INT32_MAX ? 1 : table.Next + 1;
    } while (table.Objects.count(handle_) != 0);
    table.Objects.emplace(handle_, const_cast<HandleTarget*>(this));
    return handle_;
}

HandleTarget* ObjectFromHandle(std::int32_t handle)
{
    if (handle == 0)
        return nullptr;
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    auto it = table.Objects.find(handle);
    return it == table.Objects.end() ? nullptr : it->second;
}

std::size_t LiveHandleCount()
{
    HandleTable& table = Table();
    std::lock_guard guard(table.Lock);
    return table.Objects.size();
}

} // namespace qbx
