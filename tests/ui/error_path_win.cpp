#include <chrono>
#include <stdexcept>

#include "suite/launcher_win.h"
#include "support/ui_session_win.h"
#include "support/work_tool_win.h"

namespace tw {
namespace {

constexpr int kWorkPage = WorkTool::kWorkPage;

// A tool window whose actions fail, as a locked file or a registry without
// rights would make them.
class ErrorPathTest : public UiTest {
protected:
    ErrorPathTest() {
        ui::SetErrorHandler([this](const std::string& text) { errors.push_back(text); });
        launcher.Show();
        launcher.ToolButton(Tool::DriveCleaner).Click();
        tool = static_cast<WorkTool*>(launcher.OpenModuleWindow());
        tool->BringToFront(kWorkPage);
        tool->action->onClick = [] { throw std::runtime_error("Cannot open file \"C:\\x\""); };
        tool->onMenuItem = [] { throw std::runtime_error("Cannot remove the entry"); };
        tool->ticker.onTick = [] { throw std::runtime_error("Cannot read the status"); };
    }

    // The window and the launcher as the user left them: the tool open on
    // its page, usable, the launcher hidden.
    void ExpectToolStillOpen() {
        EXPECT_EQ(launcher.OpenModuleWindow(), tool);
        EXPECT_TRUE(IsWindowVisible(tool->Handle()));
        EXPECT_FALSE(IsWindowVisible(launcher.Handle()));
        EXPECT_EQ(VisiblePages(*tool), std::vector<int>{kWorkPage});
        EXPECT_TRUE(tool->action->Enabled());
    }

    std::vector<std::string> errors;
    TfrmMain launcher{context, [](Tool, SuiteContext& c) { return std::make_unique<WorkTool>(c); }, [] {}};
    WorkTool* tool = nullptr;
};

TEST_F(ErrorPathTest, EnterOnADefaultButtonThatThrowsShowsTheErrorAndKeepsTheWindow) {
    SetFocus(tool->field->Handle());
    MSG enter{tool->field->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    ui::ProcessMessage(enter);  // the message loop's path; nothing may escape it
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot open file \"C:\\x\""});
    ExpectToolStillOpen();
}

TEST_F(ErrorPathTest, AMenuCommandThatThrowsShowsTheErrorAndKeepsTheWindow) {
    // The keys wait in the queue; the menu's own loop reads them once shown.
    PostMessageW(tool->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(tool->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(tool->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tool->Handle()), MAKELPARAM(100, 100));
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot remove the entry"});
    ExpectToolStillOpen();
}

TEST_F(ErrorPathTest, ATimerTickThatThrowsShowsTheErrorOnceAndKeepsTheWindow) {
    tool->ticker.Start();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    while (std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Settle();
    }
    // One box, not one per interval stacked in the box's own loop.
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot read the status"});
    EXPECT_FALSE(tool->ticker.Running());
    ExpectToolStillOpen();
}

TEST_F(ErrorPathTest, ACloseWhoseHandlerThrowsStillBringsTheLauncherBack) {
    tool->failOnClose = true;
    tool->Close();
    Settle();
    EXPECT_EQ(prompter.History(), (std::vector<ScriptedPrompter::Shown>{{ScriptedPrompter::Kind::Error, "Unexpected error"}}));
    EXPECT_EQ(launcher.OpenModuleWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(launcher.Handle()));
}

}  // namespace
}  // namespace tw
