#include <stdexcept>

#include "shell/launcher_win.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

constexpr int kWorkPage = 2;

// A tool window whose page action and whose close both fail, as a locked
// file or a registry without rights would make them.
class FailingTool final : public ModuleWindow {
public:
    explicit FailingTool(ShellContext& context) : ModuleWindow(Tool::DriveCleaner, context) {
        ui::Panel& page = AddPage(kWorkPage, "Work");
        field = std::make_unique<ui::Edit>(page.At(16, 46, 300, 68), "");
        action = std::make_unique<ui::Button>(page.At(488, 500, 574, 526), "&Go", true);
        action->onClick = [] { throw std::runtime_error("Cannot open file \"C:\\x\""); };
        SetDefaultButton(kWorkPage, *action);
    }
    std::unique_ptr<ui::Edit> field;
    std::unique_ptr<ui::Button> action;
    bool failOnClose = false;

protected:
    // Not even a std::exception: the close must survive anything.
    void SaveSettings() override {
        if (failOnClose) throw 42;
    }
};

class ErrorPathTest : public UiTest {
protected:
    ErrorPathTest() {
        ui::SetErrorHandler([this](const std::string& text) { errors.push_back(text); });
        launcher.Show();
        launcher.ToolButton(Tool::DriveCleaner).Click();
        tool = static_cast<FailingTool*>(launcher.OpenModuleWindow());
        tool->BringToFront(kWorkPage);
    }

    std::vector<std::string> errors;
    TfrmMain launcher{context, [](Tool, ShellContext& c) { return std::make_unique<FailingTool>(c); }, [] {}};
    FailingTool* tool = nullptr;
};

TEST_F(ErrorPathTest, EnterOnADefaultButtonThatThrowsShowsTheErrorAndKeepsTheWindow) {
    SetFocus(tool->field->Handle());
    MSG enter{tool->field->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    ui::ProcessMessage(enter);  // the message loop's path; nothing may escape it
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot open file \"C:\\x\""});
    EXPECT_EQ(launcher.OpenModuleWindow(), tool);
    EXPECT_TRUE(IsWindowVisible(tool->Handle()));
    EXPECT_FALSE(IsWindowVisible(launcher.Handle()));
    EXPECT_EQ(VisiblePages(*tool), std::vector<int>{kWorkPage});
    EXPECT_TRUE(tool->action->Enabled());
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
