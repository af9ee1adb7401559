#include "suite/launcher_win.h"
#include "support/box_keys_win.h"
#include "support/ui_session_win.h"
#include "support/work_tool_win.h"
#include "ui/prompter_win.h"

namespace tw {
namespace {

constexpr int kWorkPage = WorkTool::kWorkPage;

// The keyboard focus stays where the user put it, through message boxes,
// the task pane and the way back to the launcher.
class FocusTest : public UiTest {
protected:
    FocusTest() {
        launcher.Show();
        launcher.ToolButton(Tool::DriveCleaner).Click();
        tool = static_cast<WorkTool*>(launcher.OpenModuleWindow());
        SetForegroundWindow(tool->Handle());
        Settle();
    }
    void ClickTaskItemFor(int page) {
        const auto& items = FrameOf(Tool::DriveCleaner).items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].page != page) continue;
            const RECT r = tool->Tasks().ItemRect(static_cast<int>(i));
            const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            SendMessageW(tool->Tasks().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(tool->Tasks().Handle(), WM_LBUTTONUP, 0, at);
        }
    }

    TfrmMain launcher{context, [](Tool, SuiteContext& c) { return std::make_unique<WorkTool>(c); }, [] {}};
    WorkTool* tool = nullptr;
};

TEST_F(FocusTest, AMessageBoxGivesTheFocusBackToTheControlThatHadIt) {
    tool->BringToFront(kWorkPage);
    SetFocus(tool->second->Handle());
    ui::MessageBoxPrompter boxes(tool->Handle());
    const BoxKeys enter(VK_RETURN);
    boxes.Notify("Done");
    ASSERT_EQ(enter.Answered(), 1);
    Settle();
    EXPECT_EQ(GetFocus(), tool->second->Handle());
}

TEST_F(FocusTest, ATaskPaneItemFocusesItsPagesFirstControl) {
    SetFocus(tool->Tasks().Handle());
    ClickTaskItemFor(kWorkPage);
    EXPECT_EQ(VisiblePages(*tool), std::vector<int>{kWorkPage});
    EXPECT_EQ(GetFocus(), tool->field->Handle());
}

TEST_F(FocusTest, BackAtTheLauncherTheOpenToolsButtonHasTheFocus) {
    tool->Close();
    Settle();
    ASSERT_EQ(launcher.OpenModuleWindow(), nullptr);
    EXPECT_EQ(GetFocus(), launcher.ToolButton(Tool::DriveCleaner).Handle());
}

}  // namespace
}  // namespace tw
