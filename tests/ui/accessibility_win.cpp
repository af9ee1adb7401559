#include <memory>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "app/module_factory_win.h"
#include "suite/artwork_win.h"
#include "suite/launcher_win.h"
#include "suite/tool_catalog.h"
#include "support/accessible_probe_win.h"
#include "support/key_stroke_win.h"
#include "support/host_window_win.h"
#include "support/ui_session_win.h"
#include "ui/row_view_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

class AccessibilityTest : public UiTest {
protected:
    AccessibilityTest() : launcher(context, CreateModuleWindow, [] {}) { launcher.Show(); }
    TfrmMain launcher;
};

TEST_F(AccessibilityTest, ReaderNamesEveryLauncherToolButtonAndPressesIt) {
    std::set<std::wstring> names;
    for (HWND child = GetWindow(launcher.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const AccessibleNode button = AccessibleProbe(child).Read();
        EXPECT_EQ(button.role, ROLE_SYSTEM_PUSHBUTTON) << ui::Narrow(button.name);
        names.insert(button.name);
    }
    for (std::size_t i = 0; i < kToolCount; ++i) {
        const auto tool = static_cast<Tool>(i);
        const AccessibleNode button = AccessibleProbe(launcher.ToolButton(tool).Handle()).Read();
        EXPECT_TRUE(names.contains(ui::Wide(ToolName(tool)))) << ToolName(tool);
        EXPECT_EQ(button.description, ToolSubtitle(tool));
        EXPECT_EQ(button.action, L"Press");
    }
    EXPECT_EQ(names.size(), kToolCount + 3);  // and About, Minimize, Close

    ASSERT_EQ(AccessibleProbe(launcher.ToolButton(Tool::StartupManager).Handle()).DoDefaultAction({}), S_OK);
    ASSERT_NE(launcher.OpenModuleWindow(), nullptr);
    EXPECT_EQ(launcher.OpenModuleWindow()->GetTool(), Tool::StartupManager);
}

TEST_F(AccessibilityTest, TaskPaneItemsAreLinksWhoseActionBringsTheirPage) {
    launcher.ToolButton(Tool::DriveCleaner).Click();
    ModuleWindow& window = *launcher.OpenModuleWindow();
    ASSERT_TRUE(IsWindowVisible(window.Tasks().Handle()));
    const auto& items = FrameOf(Tool::DriveCleaner).items;
    const AccessibleNode pane = AccessibleProbe(window.Tasks().Handle()).Read();
    EXPECT_EQ(pane.name, L"Options");
    ASSERT_EQ(pane.children.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(pane.children[i].name, ui::Wide(items[i].caption));
        EXPECT_EQ(pane.children[i].role, ROLE_SYSTEM_LINK);
    }
    ASSERT_GE(items.size(), 3u);
    ASSERT_EQ(AccessibleProbe(window.Tasks().Handle()).DoDefaultAction({2}), S_OK);
    EXPECT_EQ(window.FrontPage(), items[1].page);
}

// Two groups of two rows, all ticked.
class TickedTree final : public ui::CheckedTreeModel {
public:
    TickedTree() { checks_.Reset({2, 2}, true); }
    std::string CellText(ui::RowRef ref, int) const override {
        return ref.child ? "Row " + std::to_string(*ref.child) : "Group " + std::to_string(ref.row);
    }
};

// What a reader says on each event: the element it names, read back at once.
std::vector<std::pair<DWORD, std::wstring>>* heard = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (!heard || object != OBJID_CLIENT || event == EVENT_OBJECT_SELECTION) return;
    AccessibleProbe probe(hwnd);
    if (!probe.Root()) {
        heard->emplace_back(event, L"<nothing>");
        return;
    }
    BSTR name = nullptr;
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = child;
    VARIANT state{};
    probe.Root()->get_accName(id, &name);
    probe.Root()->get_accState(id, &state);
    heard->emplace_back(event, std::wstring(name ? name : L"") + (state.lVal & STATE_SYSTEM_CHECKED ? L" ticked" : L""));
    SysFreeString(name);
}

void Press(WORD key) {
    test::SendKeyStroke(key);
    ui::PumpMessages();
}

TEST_F(AccessibilityTest, ArrowsAndSpaceInAListRaiseFocusAndStateEvents) {
    HostWindow host;
    TickedTree model;
    ui::RowView view(host.panel->At(0, 0, 400, 300, ui::kAnchorFill), model);
    view.AddColumn("Name", 200);
    SetForegroundWindow(host.Handle());
    SetFocus(view.Handle());
    ui::PumpMessages();

    std::vector<std::pair<DWORD, std::wstring>> events;
    heard = &events;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, &Hear,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    for (WORD key : {VK_DOWN, VK_RIGHT, VK_DOWN, VK_SPACE}) Press(key);
    UnhookWinEvent(hook);
    heard = nullptr;

    // The first group, opened; its first row, unticked, and the group with it.
    EXPECT_EQ(events, (std::vector<std::pair<DWORD, std::wstring>>{{EVENT_OBJECT_FOCUS, L"Group 0 ticked"},
                                                                  {EVENT_OBJECT_STATECHANGE, L"Group 0 ticked"},
                                                                  {EVENT_OBJECT_FOCUS, L"Row 0 ticked"},
                                                                  {EVENT_OBJECT_STATECHANGE, L"Row 0"},
                                                                  {EVENT_OBJECT_STATECHANGE, L"Group 0"}}));
    EXPECT_EQ(model.Check({0, 0}), ui::CheckState::Unchecked);
}

VARIANT Child(long id) {
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// Where a reader finds each row, what lies under a point, what follows a
// row, and selecting one as a reader does.
TEST_F(AccessibilityTest, ReaderLocatesHitsNavigatesAndSelectsRows) {
    HostWindow host;
    TickedTree model;
    ui::RowView view(host.panel->At(0, 0, 400, 300, ui::kAnchorFill), model);
    view.AddColumn("Name", 200);
    view.Expand(1, true);  // lines: group 0, group 1, row 1.0, row 1.1
    AccessibleProbe probe(view.Handle());
    IAccessible* root = probe.Root();
    ASSERT_NE(root, nullptr);
    const long row10 = 2 | 1 << 12;
    const std::pair<long, std::size_t> lines[] = {{1, 0}, {2, 1}, {row10, 2}};
    for (const auto& [id, line] : lines) {
        long left = 0, top = 0, width = 0, height = 0;
        ASSERT_EQ(root->accLocation(&left, &top, &width, &height, Child(id)), S_OK) << id;
        RECT expected = view.RowRect(line);
        MapWindowPoints(view.Handle(), nullptr, reinterpret_cast<POINT*>(&expected), 2);
        const RECT read{left, top, left + width, top + height};
        EXPECT_TRUE(EqualRect(&read, &expected)) << id;
        VARIANT hit{};
        ASSERT_EQ(root->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
        EXPECT_EQ(hit.lVal, id);
    }
    const std::tuple<long, long, long> moves[] = {
        {CHILDID_SELF, NAVDIR_FIRSTCHILD, 1}, {CHILDID_SELF, NAVDIR_LASTCHILD, 2}, {1, NAVDIR_NEXT, 2}, {2, NAVDIR_PREVIOUS, 1}};
    for (const auto& [from, direction, to] : moves) {
        VARIANT end{};
        ASSERT_EQ(root->accNavigate(direction, Child(from), &end), S_OK) << from << " " << direction;
        EXPECT_EQ(end.lVal, to);
    }
    VARIANT end{};
    EXPECT_EQ(root->accNavigate(NAVDIR_NEXT, Child(2), &end), S_FALSE);
    ASSERT_EQ(root->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Child(row10)), S_OK);
    EXPECT_EQ(view.Selected(), (ui::RowRef{1, 0}));
    EXPECT_EQ(GetFocus(), view.Handle());
}

TEST_F(AccessibilityTest, ANewStatusTextIsHeard) {
    HostWindow host;
    ui::Label status(host.panel->At(0, 0, 300, 20), {.text = ""});
    std::vector<std::pair<DWORD, std::wstring>> events;
    heard = &events;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &Hear,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    for (const char* text : {"Searching...", "Searching...", "Done."}) {
        status.SetText(text);
        ui::PumpMessages();
    }
    UnhookWinEvent(hook);
    heard = nullptr;
    EXPECT_EQ(events, (std::vector<std::pair<DWORD, std::wstring>>{{EVENT_OBJECT_NAMECHANGE, L"Searching..."},
                                                                  {EVENT_OBJECT_NAMECHANGE, L"Done."}}));
}

}  // namespace
}  // namespace tw
