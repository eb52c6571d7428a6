// 32-bit handles for objects that travel inside values: a pointer never fits a 32-bit integer on 64-bit Linux.
#pragma once

#include <cstdint>

namespace qbx {

// Base of every object a Variant may refer to. The handle is given out on first request and taken
// back by the destructor, after which the handle answers "no object". Copies get handles of their own.
class HandleTarget
{
public:
    HandleTarget() = default;
    HandleTarget(const HandleTarget&) { }
    HandleTarget& operator=(const HandleTarget&) { return *this; }
    virtual ~HandleTarget();

    // The object's handle (never 0), registering the object in the process-wide table when needed.
    std::int32_t Handle() const;

private:
    mutable std::int32_t handle_ = 0;
};

// The live object of a handle, or nullptr when the handle is 0, unknown, or its object is destroyed.
// The table does not own the object.
HandleTarget* ObjectFromHandle(std::int32_t handle);

// Number of live registered objects; for tests and leak checks.
std::size_t LiveHandleCount();

} // namespace qbx
