#include <memory>

#include "app/module_factory_win.h"
#include "suite/launcher_win.h"
#include "support/key_stroke_win.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

constexpr auto kShowScreens = "Software\\Quorvex Software\\Tidewell\\Show Screens";

class LauncherTest : public UiTest {
protected:
    LauncherTest() : launcher(context, CreateModuleWindow, [this] { ++aboutRequests; }) { launcher.Show(); }

    bool Visible(HWND hwnd) const { return IsWindowVisible(hwnd) != FALSE; }
    std::string StoredFlag(Tool tool) {
        const auto value = machine.registry.ReadValue(kLocalMachine, kShowScreens, ToolName(tool));
        return value ? value->Text() : "<missing>";
    }
    void StoreFlag(Tool tool, const char* text) {
        ASSERT_TRUE(machine.registry.WriteValue(kLocalMachine, kShowScreens, ToolName(tool), RegValue::String(text)));
    }
    ModuleWindow& Open(Tool tool) {
        launcher.ToolButton(tool).Click();
        EXPECT_NE(launcher.OpenModuleWindow(), nullptr);
        return *launcher.OpenModuleWindow();
    }

    int aboutRequests = 0;
    TfrmMain launcher;
};

TEST_F(LauncherTest, EveryButtonOpensItsOwnToolWindowAndHidesTheLauncher) {
    const std::pair<Tool, const wchar_t*> expected[] = {
        {Tool::RegistryCleaner, L"TfrmRegistry"}, {Tool::DriveCleaner, L"TfrmDrive"},
        {Tool::StartupManager, L"TfrmStartup"},   {Tool::InternetTuner, L"TfrmInternet"},
        {Tool::HistoryCleaner, L"TfrmHistory"},   {Tool::PrivacyProtector, L"TfrmPrivacy"},
        {Tool::FileShredder, L"TfrmShredder"},    {Tool::FileSplitter, L"TfrmTweak"}};
    for (const auto& [tool, className] : expected) {
        ModuleWindow& window = Open(tool);
        wchar_t actual[64] = {};
        GetClassNameW(window.Handle(), actual, 64);
        EXPECT_STREQ(actual, className);
        EXPECT_EQ(window.GetTool(), tool);
        EXPECT_TRUE(Visible(window.Handle()));
        EXPECT_FALSE(Visible(launcher.Handle()));
        wchar_t title[64] = {};
        GetWindowTextW(window.Handle(), title, 64);
        EXPECT_STREQ(title, L"Quorvex Tidewell");
        window.Close();
        Settle();
        EXPECT_EQ(launcher.OpenModuleWindow(), nullptr);
        EXPECT_TRUE(Visible(launcher.Handle()));
    }
}

TEST_F(LauncherTest, EscMainMenuAndCloseBoxEachStoreTheFlagAndBringTheLauncherBack) {
    // Esc, as the key reaches the window through the message loop.
    ModuleWindow& drive = Open(Tool::DriveCleaner);
    drive.SetIntroBoxTicked(true);
    MSG esc{};
    esc.hwnd = drive.Handle();
    esc.message = WM_KEYDOWN;
    esc.wParam = VK_ESCAPE;
    ui::ProcessMessage(esc);
    Settle();
    EXPECT_EQ(StoredFlag(Tool::DriveCleaner), "0");
    EXPECT_TRUE(Visible(launcher.Handle()));

    // "Main Menu", the last task-pane item.
    ModuleWindow& history = Open(Tool::HistoryCleaner);
    history.Tasks().Activate(1);
    EXPECT_EQ(history.FrontPage(), 2);
    history.Tasks().Activate(2);
    Settle();
    EXPECT_EQ(StoredFlag(Tool::HistoryCleaner), "1");
    EXPECT_TRUE(Visible(launcher.Handle()));

    // The close box.
    ModuleWindow& shredder = Open(Tool::FileShredder);
    shredder.SetIntroBoxTicked(true);
    SendMessageW(shredder.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Settle();
    EXPECT_EQ(StoredFlag(Tool::FileShredder), "0");
    EXPECT_EQ(launcher.OpenModuleWindow(), nullptr);
    EXPECT_TRUE(Visible(launcher.Handle()));
}

TEST_F(LauncherTest, OnlyTheExactStoredZeroOpensTheFirstWorkingPage) {
    StoreFlag(Tool::RegistryCleaner, "0");
    ModuleWindow& skipped = Open(Tool::RegistryCleaner);
    EXPECT_EQ(skipped.FrontPage(), 2);
    EXPECT_EQ(VisiblePages(skipped), std::vector<int>{2});
    EXPECT_TRUE(skipped.IntroBoxTicked());
    skipped.Close();
    Settle();
    EXPECT_EQ(StoredFlag(Tool::RegistryCleaner), "0");

    for (const char* text : {"1", "00", ""}) {
        StoreFlag(Tool::StartupManager, text);
        ModuleWindow& window = Open(Tool::StartupManager);
        EXPECT_EQ(window.FrontPage(), 1) << '"' << text << '"';
        EXPECT_EQ(VisiblePages(window), std::vector<int>{1});
        EXPECT_FALSE(window.IntroBoxTicked());
        window.Close();
        Settle();
    }
    ModuleWindow& fresh = Open(Tool::PrivacyProtector);  // no value at all
    EXPECT_EQ(fresh.FrontPage(), 1);
    fresh.Close();
    Settle();
}

TEST_F(LauncherTest, TickingTheIntroBoxMakesTheNextOpeningSkipTheIntro) {
    ModuleWindow& first = Open(Tool::FileSplitter);
    EXPECT_EQ(first.FrontPage(), 1);
    first.SetIntroBoxTicked(true);
    first.Close();
    Settle();
    ModuleWindow& second = Open(Tool::FileSplitter);
    EXPECT_EQ(second.FrontPage(), 2);
    second.SetIntroBoxTicked(false);
    second.Close();
    Settle();
    EXPECT_EQ(Open(Tool::FileSplitter).FrontPage(), 1);
}

TEST_F(LauncherTest, SettingsThatCannotBeStoredAreReportedOnceAndTheLauncherStillReturns) {
    machine.registry.MakeReadOnly(kLocalMachine, "Software\\Quorvex Software");
    ModuleWindow& window = Open(Tool::InternetTuner);
    window.Close();
    Settle();
    ASSERT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(prompter.History()[0].text, "Failed to set data for 'Internet Tuner'");
    EXPECT_EQ(launcher.OpenModuleWindow(), nullptr);
    EXPECT_TRUE(Visible(launcher.Handle()));
}

TEST_F(LauncherTest, OnlyOneToolWindowAtATime) {
    ModuleWindow& first = Open(Tool::DriveCleaner);
    launcher.ToolButton(Tool::RegistryCleaner).Click();
    EXPECT_EQ(launcher.OpenModuleWindow(), &first);
    first.Close();
    Settle();
}

TEST_F(LauncherTest, ButtonsNeverStartADragAndOtherVisiblePointsDo) {
    EXPECT_FALSE(launcher.IsDragPoint({48, 112}));     // registry button's corner
    EXPECT_FALSE(launcher.IsDragPoint({600, 440}));    // internet button
    EXPECT_FALSE(launcher.IsDragPoint({650, 30}));     // close
    EXPECT_TRUE(launcher.IsDragPoint({300, 60}));      // the title
    EXPECT_TRUE(launcher.IsDragPoint({330, 190}));     // between the columns
    launcher.AboutButton().Click();
    EXPECT_EQ(aboutRequests, 1);
}

TEST_F(LauncherTest, TheRegionLeavesOutTheCornersOfTheShape) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(launcher.Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 704, 496));
    EXPECT_FALSE(PtInRegion(region, 720, 100));  // beyond the picture
    EXPECT_TRUE(PtInRegion(region, 352, 248));
    EXPECT_TRUE(PtInRegion(region, 30, 2));      // the top edge past the corner
    DeleteObject(region);
}

// A picture with the key colour in a known pattern: every pixel of the key
// colour is outside the region and every other pixel inside.
TEST(LauncherRegion, IsPixelExactForAPicture) {
    const char* rows[] = {"KKAK", "AKKA", "AAAK"};
    const HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 4, 3);
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) SetPixel(dc, x, y, rows[y][x] == 'K' ? RGB(255, 0, 255) : RGB(10, 200, 30));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    HRGN region = LauncherRegion(picture);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PtInRegion(region, x, y) != FALSE, rows[y][x] == 'A') << x << "," << y;
    EXPECT_FALSE(PtInRegion(region, 4, 0));
    DeleteObject(region);
    DeleteObject(picture);
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

MSG KeyMessage(HWND target, UINT message, WPARAM key) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    return msg;
}

// The launcher works without a mouse: Tab moves between its buttons and
// Space or Enter presses the one with the focus.
TEST_F(LauncherTest, TabMovesBetweenButtonsAndEnterOpensTheTool) {
    ASSERT_EQ(GetFocus(), launcher.ToolButton(Tool::RegistryCleaner).Handle());
    MSG tab = KeyMessage(GetFocus(), WM_KEYDOWN, VK_TAB);
    ui::ProcessMessage(tab);
    const HWND second = GetFocus();
    EXPECT_NE(second, launcher.ToolButton(Tool::RegistryCleaner).Handle());
    auto* button = static_cast<ui::PictureButton*>(ui::Window::FromHandle(second));
    ASSERT_NE(button, nullptr);
    MSG down = KeyMessage(second, WM_KEYDOWN, VK_RETURN), up = KeyMessage(second, WM_KEYUP, VK_RETURN);
    ui::ProcessMessage(down);
    ui::ProcessMessage(up);
    ASSERT_NE(launcher.OpenModuleWindow(), nullptr);
    launcher.OpenModuleWindow()->Close();
    Settle();
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

// A key press, then time for what it starts to settle.
void PressKey(WORD key) {
    test::SendKeyStroke(key);
    for (int round = 0; round < 5; ++round) {
        Sleep(10);
        ui::PumpMessages();
    }
}

// A key that closes the tool window must not also press the launcher's
// button that gets the focus back.
TEST_F(LauncherTest, MainMenuByTheKeyboardReturnsToTheLauncherAndStaysThere) {
    for (const Tool tool : {Tool::RegistryCleaner, Tool::DriveCleaner}) {
        for (const WORD key : {WORD{VK_SPACE}, WORD{VK_RETURN}}) {
            const std::string where = std::string(ToolName(tool)) + (key == VK_SPACE ? " with Space" : " with Enter");
            StoreFlag(tool, "0");  // the working page, whose default button Enter must not press
            ModuleWindow& window = Open(tool);
            SetForegroundWindow(window.Handle());
            SetFocus(window.Tasks().Handle());
            ASSERT_EQ(GetFocus(), window.Tasks().Handle()) << where;
            while (window.Tasks().FocusItem() != 3) PressKey(VK_DOWN);  // "Main Menu"
            PressKey(key);
            Settle();
            EXPECT_EQ(launcher.OpenModuleWindow(), nullptr) << where;
            EXPECT_TRUE(Visible(launcher.Handle())) << where;
            EXPECT_EQ(GetFocus(), launcher.ToolButton(tool).Handle()) << where;
            if (ModuleWindow* reopened = launcher.OpenModuleWindow()) reopened->Close();
        }
    }
}

// Enter on a focused link follows it, as Space does, rather than pressing
// the page's default button.
TEST_F(LauncherTest, EnterOnAFocusedTaskLinkOpensItsPage) {
    StoreFlag(Tool::RegistryCleaner, "0");
    ModuleWindow& window = Open(Tool::RegistryCleaner);
    SetForegroundWindow(window.Handle());
    SetFocus(window.Tasks().Handle());
    while (window.Tasks().FocusItem() != 2) PressKey(VK_DOWN);  // "Backups"
    PressKey(VK_RETURN);
    EXPECT_EQ(window.FrontPage(), 3) << "the scan page's \"&Start\" took the key";
    window.Close();
    Settle();
}

}  // namespace
}  // namespace tw
