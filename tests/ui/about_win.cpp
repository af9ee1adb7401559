#include "suite/about_win.h"

#include "support/ui_session_win.h"

namespace tw {
namespace {

class AboutTest : public UiTest {
protected:
    // Queues what the user does, then shows the box modally as the launcher
    // does; ShowModal returns only once the box has been closed.
    void ShowAndThen(UINT message, HWND target, WPARAM wParam = 0) {
        PostMessageW(target, message, wParam, 0);
        about.ShowModal(owner);
    }
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    TfrmAbout about{context};
};

TEST_F(AboutTest, EscClosesTheBoxAndGivesTheOwnerBack) {
    ShowAndThen(WM_KEYDOWN, about.Handle(), VK_ESCAPE);
    EXPECT_FALSE(about.IsShowing());
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(IsWindow(about.Handle()));  // kept for the next showing
}

TEST_F(AboutTest, OkClosesTheBoxAndItCanBeShownAgain) {
    ShowAndThen(BM_CLICK, about.OkButton().Handle());
    EXPECT_FALSE(about.IsShowing());
    ShowAndThen(WM_KEYDOWN, about.Handle(), VK_ESCAPE);
    EXPECT_FALSE(about.IsShowing());
}

TEST_F(AboutTest, LinksOpenTheirAddressesWithTheShell) {
    about.WebLink().Click();
    about.SupportLink().Click();
    ASSERT_EQ(machine.shell.Opened().size(), 2u);
    EXPECT_EQ(machine.shell.Opened()[0], kWebAddress);
    EXPECT_EQ(machine.shell.Opened()[1], kSupportAddress);
}

TEST_F(AboutTest, LinksUnderlineOnlyWhileTheMouseIsOverThem) {
    SendMessageW(about.WebLink().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(about.WebLink().IsHot());
    SendMessageW(about.WebLink().Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(about.WebLink().IsHot());
}

TEST_F(AboutTest, HasTheFixedClientSizeAndCaption) {
    RECT client;
    GetClientRect(about.Handle(), &client);
    EXPECT_EQ(client.right, 453);
    EXPECT_EQ(client.bottom, 372);
    wchar_t caption[64] = {};
    GetWindowTextW(about.Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Quorvex Tidewell");
    EXPECT_FALSE(GetWindowLongW(about.Handle(), GWL_STYLE) & WS_THICKFRAME);
}

// The notice promises backups only where they are made: the Privacy
// Protector and the Startup Manager change the registry without one.
TEST_F(AboutTest, TheNoticePromisesBackupsOnlyOfTheToolsThatMakeThem) {
    const std::string notice = about.Notice().Text();
    EXPECT_NE(notice.find("the Registry Cleaner and the Internet Tuner keep a backup of every registry change they make"),
              std::string::npos)
        << notice;
    EXPECT_EQ(notice.find("every registry change it makes"), std::string::npos) << notice;
}

}  // namespace
}  // namespace tw
