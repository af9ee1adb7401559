#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"
#include "services/windows_family.h"
#include "win32/child_process_win.h"

namespace tw {
namespace {

// A child run of this test writes the family it saw to the file named here.
constexpr wchar_t kReportVariable[] = L"TW_WINDOWS_FAMILY_REPORT";

std::string ExecutableName() {
    const std::string path = win32::Narrow(test::ThisExecutable());
    return path.substr(path.find_last_of("\\/") + 1);
}

// Wine reads the Windows version a program sees from this key when the
// program starts; the key goes again when the test ends.
class ScopedWineVersion {
public:
    ScopedWineVersion(Registry& registry, std::string version)
        : registry_(registry), key_("Software\\Wine\\AppDefaults\\" + ExecutableName()) {
        existed_ = registry_.KeyExists(kCurrentUser, key_);
        written_ = registry_.WriteValue(kCurrentUser, key_, "Version", RegValue::String(version));
    }
    ScopedWineVersion(const ScopedWineVersion&) = delete;
    ScopedWineVersion& operator=(const ScopedWineVersion&) = delete;
    ~ScopedWineVersion() {
        if (existed_) {
            registry_.DeleteValue(kCurrentUser, key_, "Version");
        } else {
            registry_.DeleteKeyTree(kCurrentUser, key_);
        }
    }
    bool Written() const { return written_; }

private:
    Registry& registry_;
    std::string key_;
    bool existed_ = false;
    bool written_ = false;
};

TEST(WindowsFamily, MatchesTheRunningSystem) {
    Win32Platform p;
    const std::string family = WindowsFamily(p.system);
    const char* report = std::getenv("TW_WINDOWS_FAMILY_REPORT");
    if (report == nullptr) {
        EXPECT_EQ(family, "WinNT");
        return;
    }
    std::ofstream(report) << family;
}

TEST(WindowsFamily, Windows98GivesWin9x) {
    Win32Platform p;
    const std::string report = p.files.ExecutableFolder() + "windows_family_report.txt";
    p.files.DeleteFile(report);
    {
        ScopedWineVersion version(p.registry, "win98");
        ASSERT_TRUE(version.Written());
        test::ScopedEnvironment variable(kReportVariable, win32::Widen(report));
        const auto exitCode = test::RunAndWait(
            test::ThisExecutable(), L"tests --gtest_brief=1 --gtest_filter=WindowsFamily.MatchesTheRunningSystem");
        ASSERT_TRUE(exitCode.has_value());
        EXPECT_EQ(*exitCode, 0u);
    }
    std::stringstream seen;
    seen << std::ifstream(report).rdbuf();
    EXPECT_EQ(seen.str(), "Win9x");
    p.files.DeleteFile(report);
}

}  // namespace
}  // namespace tw
