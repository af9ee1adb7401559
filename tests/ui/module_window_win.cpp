#include "suite/module_window_win.h"

#include <commctrl.h>

#include "app/module_factory_win.h"
#include "suite/busy_scope_win.h"
#include "suite/launcher_win.h"
#include "support/ui_session_win.h"
#include "ui/row_view_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

class ModuleWindowTest : public UiTest {
protected:
    static SIZE OuterSize(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return {r.right - r.left, r.bottom - r.top};
    }
};

// The front page as it was when first painted: where it stood in the frame
// and where its own controls stood in it.
struct FirstPaint {
    int paints = 0;
    RECT page{};
    std::vector<std::pair<std::wstring, RECT>> controls;
};

LRESULT CALLBACK NoteFirstPaint(HWND page, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& seen = *reinterpret_cast<FirstPaint*>(data);
    if (message == WM_PAINT && seen.paints++ == 0) {
        GetWindowRect(page, &seen.page);
        MapWindowPoints(nullptr, GetParent(page), reinterpret_cast<POINT*>(&seen.page), 2);
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
            wchar_t text[64] = {};
            GetWindowTextW(child, text, 64);
            seen.controls.emplace_back(text, r);
        }
    }
    return DefSubclassProc(page, message, wParam, lParam);
}

// Every tool opened from the launcher on its first working page: by its
// first paint the page fills the frame right of the splitter, its controls
// have their size and stand inside it, and the focus is on it.
TEST_F(ModuleWindowTest, EveryToolIsLaidOutBeforeItsFirstPaint) {
    for (std::size_t t = 0; t < kToolCount; ++t) {
        const Tool tool = static_cast<Tool>(t);
        settings.SetSkipIntro(tool, true);
        FirstPaint seen;
        TfrmMain launcher(
            context,
            [&](Tool which, SuiteContext& c) {
                auto window = CreateModuleWindow(which, c);
                SetWindowSubclass(window->Page(2)->Handle(), NoteFirstPaint, 1, reinterpret_cast<DWORD_PTR>(&seen));
                return window;
            },
            {});
        launcher.Show();
        launcher.OpenModule(tool);
        Settle();
        ModuleWindow& window = *launcher.OpenModuleWindow();
        const HWND page = window.Page(2)->Handle();
        ASSERT_GT(seen.paints, 0) << ToolName(tool);
        RECT client, splitter;
        GetClientRect(window.Handle(), &client);
        GetWindowRect(GetWindow(window.Tasks().Handle(), GW_HWNDNEXT), &splitter);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&splitter), 2);
        EXPECT_EQ(seen.page.left, splitter.right) << ToolName(tool);
        EXPECT_EQ(seen.page.right, client.right) << ToolName(tool);
        EXPECT_EQ(seen.page.bottom, client.bottom) << ToolName(tool);
        EXPECT_FALSE(seen.controls.empty()) << ToolName(tool);
        const int width = seen.page.right - seen.page.left, height = seen.page.bottom - seen.page.top;
        for (const auto& [text, r] : seen.controls) {
            const std::string name = std::string(ToolName(tool)) + ": \"" + ui::Narrow(text) + "\"";
            EXPECT_TRUE(r.right > r.left && r.bottom > r.top) << name;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height) << name;
        }
        EXPECT_TRUE(IsChild(page, GetFocus())) << ToolName(tool);
        RemoveWindowSubclass(page, NoteFirstPaint, 1);
    }
}

TEST_F(ModuleWindowTest, SizesAndMinimumSizesFollowTheTool) {
    for (const auto& [tool, width, height] : {std::tuple{Tool::RegistryCleaner, 799, 579},
                                              std::tuple{Tool::InternetTuner, 751, 547},
                                              std::tuple{Tool::HistoryCleaner, 751, 547}}) {
        ModuleWindow window(tool, context);
        const SIZE size = OuterSize(window.Handle());
        EXPECT_EQ(size.cx, width);
        EXPECT_EQ(size.cy, height);
        MINMAXINFO info{};
        SendMessageW(window.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, width);
        EXPECT_EQ(info.ptMinTrackSize.y, height);
        const LONG style = GetWindowLongW(window.Handle(), GWL_STYLE);
        EXPECT_TRUE(style & WS_MAXIMIZEBOX);
        EXPECT_FALSE(style & WS_MINIMIZEBOX);
    }
}

// Every tool's own window, shown: each task-pane item leaves its page, and
// only its page, on screen.
TEST_F(ModuleWindowTest, EachTaskItemShowsItsPageAndNoOther) {
    for (std::size_t t = 0; t < kToolCount; ++t) {
        const Tool tool = static_cast<Tool>(t);
        const auto window = CreateModuleWindow(tool, context);
        window->Open(1);
        EXPECT_EQ(VisiblePages(*window), std::vector<int>{1}) << ToolName(tool);
        const auto& items = FrameOf(tool).items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].page == 0) continue;  // "Main Menu" closes
            window->Tasks().Activate(static_cast<int>(i));
            EXPECT_EQ(VisiblePages(*window), std::vector<int>{items[i].page}) << ToolName(tool) << ", item " << i;
            EXPECT_EQ(window->FrontPage(), items[i].page);
        }
        ShowWindow(window->Handle(), SW_HIDE);
    }
}

// Esc, "Main Menu" and the close box during a run: each is held, and the
// window closes once the run has ended.
TEST_F(ModuleWindowTest, EveryWayOfClosingWaitsForTheRunsEnd) {
    const std::pair<const char*, std::function<void(ModuleWindow&)>> ways[] = {
        {"Esc",
         [](ModuleWindow& w) {
             MSG esc{w.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
             ui::ProcessMessage(esc);
         }},
        {"Main Menu",
         [](ModuleWindow& w) {
             const auto& items = FrameOf(w.GetTool()).items;
             for (std::size_t i = 0; i < items.size(); ++i)
                 if (items[i].page == 0) w.Tasks().Activate(static_cast<int>(i));
         }},
        {"close box", [](ModuleWindow& w) { SendMessageW(w.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [way, close] : ways) {
        ModuleWindow window(Tool::DriveCleaner, context);
        window.Open(1);
        int closed = 0;
        window.onClosed = [&] { ++closed; };
        {
            const BusyScope run(window, {});
            close(window);
            Settle();
            EXPECT_EQ(closed, 0) << way;
            EXPECT_TRUE(IsWindowVisible(window.Handle())) << way;
        }
        Settle();
        EXPECT_EQ(closed, 1) << way;
    }
}

// A row view is a window, not a control: a run must still shut it, on every
// page, with its context menu, and give it back as it was, focus included.
TEST_F(ModuleWindowTest, ARunShutsEveryRowViewOfItsWindowAndGivesThemBack) {
    class NoRows final : public ui::RowModel {
        std::size_t RowCount() const override { return 0; }
        std::string CellText(ui::RowRef, int) const override { return {}; }
    } rows;
    ModuleWindow window(Tool::DriveCleaner, context);
    window.AddPage(2, "Front");
    window.AddPage(3, "Behind");
    window.Open(2);
    ui::RowView front(window.Page(2)->At(16, 60, 300, 200), rows), behind(window.Page(3)->At(16, 60, 300, 200), rows),
        shutBefore(window.Page(2)->At(16, 210, 300, 300), rows);
    EnableWindow(shutBefore.Handle(), FALSE);
    int menus = 0;
    front.onContextMenu = [&](std::optional<ui::RowRef>, POINT) { ++menus; };
    SetFocus(front.Handle());
    {
        const BusyScope run(window, {});
        EXPECT_FALSE(IsWindowEnabled(front.Handle()));
        EXPECT_FALSE(IsWindowEnabled(behind.Handle()));
        SendMessageW(front.Handle(), WM_CONTEXTMENU, 0, -1);
        EXPECT_EQ(menus, 0);
    }
    EXPECT_TRUE(IsWindowEnabled(front.Handle()));
    EXPECT_TRUE(IsWindowEnabled(behind.Handle()));
    EXPECT_FALSE(IsWindowEnabled(shutBefore.Handle())) << "what the run did not shut, it does not open";
    EXPECT_EQ(GetFocus(), front.Handle());
    SendMessageW(front.Handle(), WM_CONTEXTMENU, 0, -1);
    EXPECT_EQ(menus, 1);
}

TEST_F(ModuleWindowTest, ARunThatCanStopAsksAndStopsOnlyOnOk) {
    ModuleWindow window(Tool::DriveCleaner, context);
    int closed = 0;
    window.onClosed = [&] { ++closed; };
    prompter.Answer(false).Answer(true);
    {
        BusyScope run(window, {});
        run.AskBeforeStopping("Stop the search?");
        window.Close();
        EXPECT_FALSE(window.Progress().StopRequested()) << "Cancel goes on";
        window.Close();
        EXPECT_TRUE(window.Progress().StopRequested());
        window.Close();  // already on its way: not asked again
    }
    Settle();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(prompter.History().size(), 2u);
}

TEST_F(ModuleWindowTest, IntroPageIsTitledAndShowsTheIndentedText) {
    ModuleWindow drive(Tool::DriveCleaner, context);
    wchar_t title[64] = {};
    GetWindowTextW(drive.Page(1)->Handle(), title, 64);
    EXPECT_STREQ(title, L"Drive Cleaner - Information");
    // The label is the page's first child; its text is the intro text.
    HWND label = GetWindow(drive.Page(1)->Handle(), GW_CHILD);
    std::wstring text(4096, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(label, text.data(), 4096)));
    EXPECT_EQ(text.rfind(L"     While running", 0), 0u);
    EXPECT_NE(text.find(L"system crash.\r\n\r\n     If the junk"), std::wstring::npos);
}

TEST_F(ModuleWindowTest, TheSplitterKeepsTheColumnBetweenItsLimits) {
    ModuleWindow window(Tool::PrivacyProtector, context);
    window.Open(1);
    HWND pane = window.Tasks().Handle();
    HWND splitter = GetWindow(pane, GW_HWNDNEXT);
    ASSERT_NE(splitter, nullptr);
    auto drag = [&](int x) {
        SendMessageW(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
        SendMessageW(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 5));
        SendMessageW(splitter, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
        RECT r;
        GetWindowRect(pane, &r);
        return r.right - r.left;
    };
    EXPECT_EQ(drag(-400), 150);
    EXPECT_EQ(drag(400), 280);
    EXPECT_EQ(drag(-40), 240);
}

}  // namespace
}  // namespace tw
