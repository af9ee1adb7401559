#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "services/windows_family.h"

namespace tw {
namespace {

std::string FamilyOf(std::optional<OsVersion> version) {
    MemoryPlatform p;
    p.system.SetVersion(version);
    return WindowsFamily(p.system);
}

TEST(WindowsFamily, PlatformIdentifierDecides) {
    EXPECT_EQ(FamilyOf(OsVersion{0, 3, 10, 0}), "Win16");
    EXPECT_EQ(FamilyOf(OsVersion{1, 4, 10, 2222}), "Win9x");
    EXPECT_EQ(FamilyOf(OsVersion{2, 10, 0, 19045}), "WinNT");
}

TEST(WindowsFamily, UnknownPlatformOrFailedQueryIsEmpty) {
    EXPECT_EQ(FamilyOf(OsVersion{3, 10, 0, 0}), "");
    EXPECT_EQ(FamilyOf(std::nullopt), "");
}

}  // namespace
}  // namespace tw
