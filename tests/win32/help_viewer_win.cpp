#include "suite/help_viewer_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "suite/help_viewer.h"
#include "ui/wide_win.h"
#include "win32/child_process_win.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) { return ui::Narrow(path.wstring()); }

// build/<preset>/tests/win32_tests.exe -> build/<preset>/src/app/Help.chm
fs::path BuiltHelpFile() {
    return fs::path(test::ThisExecutable()).parent_path().parent_path() / "src" / "app" / "Help.chm";
}

// Watches the windows this thread creates while it lives. Dialog boxes are
// refused as well as counted, so that a message box shows up as a failed
// expectation instead of a test run that waits for a click forever.
class WindowWatch {
public:
    WindowWatch() : hook_(SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId())) {
        created_ = 0;
        dialogs_ = 0;
    }
    ~WindowWatch() { UnhookWindowsHookEx(hook_); }
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool Active() const { return hook_ != nullptr; }
    int Created() const { return created_; }
    int Dialogs() const { return dialogs_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            ++created_;
            wchar_t className[16] = {};
            GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
            if (std::wstring(className) == L"#32770") {
                ++dialogs_;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline int created_ = 0;
    static inline int dialogs_ = 0;
    HHOOK hook_;
};

// The "no message" expectations below mean something only if the watch does
// see a message box.
TEST(HelpViewerWin, WindowWatchSeesAndRefusesAMessageBox) {
    WindowWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_NE(MessageBoxW(nullptr, L"text", L"title", MB_OK), IDOK);
    EXPECT_EQ(watch.Dialogs(), 1);
}

TEST(HelpViewerWin, BuiltHelpFileLiesBesideTheProgram) {
    const fs::path file = BuiltHelpFile();
    ASSERT_TRUE(fs::is_regular_file(file)) << Utf8(file);
    std::ifstream in(file, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic, 4), "ITSF") << "not a compiled help file";
    EXPECT_GT(fs::file_size(file), 10000u);
}

TEST(HelpViewerWin, FindsTheEngineAndBuildsAddressesFromTheApplicationsFile) {
    const std::string file = Utf8(BuiltHelpFile());
    HelpViewer viewer(file);
    EXPECT_TRUE(viewer.HasEngine());
    EXPECT_EQ(viewer.TopicAddress("registry2"), file + "::/registry2.htm");
    EXPECT_EQ(viewer.TopicAddress("drive3", "D:\\Other.CHM"), "D:\\Other.CHM::/drive3.htm");

    const std::string programFolder = Utf8(fs::path(test::ThisExecutable()).parent_path()) + "\\";
    EXPECT_EQ(HelpViewer("Help.chm").TopicAddress("drive3"), programFolder + "Help.chm::/drive3.htm");
}

TEST(HelpViewerWin, NonCompiledHelpFileNeverReachesTheEngine) {
    HelpViewer viewer("C:\\Tidewell\\Help.txt");
    ASSERT_TRUE(viewer.HasEngine());
    WindowWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_EQ(viewer.ShowTopic(nullptr, "registry2"), nullptr);
    EXPECT_EQ(viewer.ShowContents(nullptr), nullptr);
    EXPECT_EQ(viewer.ShowKeyword(nullptr, "Tidewell HTML Help: Cookies"), nullptr);
    EXPECT_EQ(viewer.ShowContext(nullptr, 102), nullptr);
    EXPECT_EQ(watch.Created(), 0);
}

TEST(HelpViewerWin, MissingHelpFileShowsNoMessage) {
    HelpViewer viewer(Utf8(BuiltHelpFile().parent_path() / "Missing.chm"));
    WindowWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_EQ(viewer.ShowTopic(nullptr, "registry2"), nullptr);
    EXPECT_EQ(watch.Dialogs(), 0);
}

TEST(HelpViewerWin, OpensTheBuiltFileAndClosesItsWindowsOnShutdown) {
    HelpViewer viewer(Utf8(BuiltHelpFile()));
    WindowWatch watch;
    ASSERT_TRUE(watch.Active());
    const HWND topic = viewer.ShowTopic(nullptr, "registry2");
    ASSERT_NE(topic, nullptr);
    EXPECT_TRUE(IsWindow(topic));
    EXPECT_NE(viewer.ShowContents(nullptr), nullptr);
    EXPECT_NE(viewer.ShowKeyword(nullptr, std::string(kHelpViewerName) + ": Cookies"), nullptr);
    EXPECT_NE(viewer.ShowContext(nullptr, 102), nullptr);
    EXPECT_EQ(viewer.ShowContext(nullptr, 9999), nullptr);
    EXPECT_EQ(watch.Dialogs(), 0);

    viewer.Shutdown();
    EXPECT_FALSE(IsWindow(topic));
    EXPECT_FALSE(viewer.HasEngine());
    EXPECT_EQ(viewer.ShowTopic(nullptr, "registry2"), nullptr);
}

// A program folder whose name does not fit the ANSI code page must still get
// its help, through the engine's wide entry point.
TEST(HelpViewerWin, HelpOpensFromAFolderOutsideTheAnsiCodePage) {
    const fs::path folder = fs::path(test::ThisExecutable()).parent_path() / L"help-\u03A9\u03BC\u03AD\u03B3\u03B1";
    const fs::path copy = folder / "Help.chm";
    CreateDirectoryW(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        GTEST_SKIP() << "this system cannot hold non-ASCII file names (under Wine: no UTF-8 locale installed)";
    }
    ASSERT_TRUE(CopyFileW(BuiltHelpFile().c_str(), copy.c_str(), FALSE)) << GetLastError();
    {
        HelpViewer viewer(Utf8(copy));
        WindowWatch watch;
        EXPECT_NE(viewer.ShowTopic(nullptr, "drive3"), nullptr);
        EXPECT_EQ(watch.Dialogs(), 0);
    }
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace tw
