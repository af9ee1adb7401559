// The "\\?\" form the Windows file calls get for a deep path: under Wine
// every call takes a long path without it, so only this check can show a
// deep junk file would be missed or left on Windows.
#include <gtest/gtest.h>

#include "platform/file_system.h"

namespace tw {
namespace {

TEST(LongPathForm, OnlyADrivePathPastTheClassicLimitIsPrefixed) {
    const std::string atLimit = "C:\\" + std::string(244, 'x') + "\\a";  // 248 characters
    const std::string pastLimit = "C:\\" + std::string(300, 'x') + "\\deep.tmp";
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\Temp\\a.tmp", "C:\\Temp\\a.tmp"},
        {atLimit.substr(0, 247), atLimit.substr(0, 247)},
        {atLimit, "\\\\?\\" + atLimit},
        {pastLimit, "\\\\?\\" + pastLimit},
        {"\\\\?\\" + pastLimit, "\\\\?\\" + pastLimit},  // already in that form
        {std::string(300, 'x'), std::string(300, 'x')},  // relative: the form would change its meaning
    };
    for (const auto& [path, form] : cases) EXPECT_EQ(LongPathForm(path), form) << path.size();
}

}  // namespace
}  // namespace tw
