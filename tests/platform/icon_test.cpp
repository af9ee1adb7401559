#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"

namespace tw {
namespace {

// Whoever holds an icon last gives it back, once.
TEST(Icon, IsReleasedOnceByItsLastOwner) {
    MemoryPlatform machine;
    {
        Icon first = machine.shell.FileIcon("C:\\Windows");
        ASSERT_TRUE(first);
        Icon moved(std::move(first));
        EXPECT_FALSE(first);
        Icon assigned;
        assigned = std::move(moved);
        EXPECT_EQ(machine.shell.LiveIcons(), 1);
        assigned = machine.shell.FileIcon("C:\\Windows\\Temp");
        EXPECT_EQ(machine.shell.LiveIcons(), 1) << "the icon written over went back";
        assigned = std::move(assigned);
        EXPECT_TRUE(assigned);
    }
    EXPECT_EQ(machine.shell.LiveIcons(), 0);
}

}  // namespace
}  // namespace tw
