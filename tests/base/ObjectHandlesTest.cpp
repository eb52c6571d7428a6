// The handle table answers "no object" once an object is gone and never hands out a live handle twice.
#include "base/ObjectHandles.h"

#include <memory>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ObjectHandles, HandlesFollowObjectLifetimes)
{
    std::size_t before = LiveHandleCount();
    auto a = std::make_unique<HandleTarget>();
    auto b = std::make_unique<HandleTarget>();
    std::int32_t ha = a->Handle();
    EXPECT_NE(ha, 0);
    EXPECT_EQ(a->Handle(), ha);
    EXPECT_NE(b->Handle(), ha);
    EXPECT_EQ(ObjectFromHandle(ha), a.get());
    HandleTarget copy = *a; // a copy is another object with a handle of its own
    EXPECT_NE(copy.Handle(), ha);
    a.reset();
    EXPECT_EQ(ObjectFromHandle(ha), nullptr);
    EXPECT_EQ(ObjectFromHandle(0), nullptr);
    EXPECT_EQ(LiveHandleCount(), before + 2);
}

} // namespace
} // namespace qbx
