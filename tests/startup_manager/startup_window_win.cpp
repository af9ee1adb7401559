#include "startup_manager/startup_window_win.h"

#include "startup_fixture.h"
#include "startup_manager/startup_dialogs_win.h"
#include "support/accessible_probe_win.h"
#include "support/menu_watch_win.h"
#include "support/ui_session_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using Kind = ScriptedPrompter::Kind;

class StartupWindowTest : public UiTest {
protected:
    StartupWindowTest() {
        machine.registry.WriteValue(kCurrentUser, kRun, "App", RegValue::String("%windir%\\app.exe", RegType::ExpandSz));
        machine.registry.WriteValue(kCurrentUser, kRunOff, "Old", RegValue::String("C:\\old.exe"));
        window = std::make_unique<TfrmStartup>(context);
        window->Open(TfrmStartup::kListPage);
    }
    ~StartupWindowTest() override { ui::Dialog::SetShowHook(nullptr); }
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    static void Key(HWND target, WPARAM key) {
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        ui::ProcessMessage(msg);
    }
    ui::RowView& List() { return *window->ListControls().list; }
    void ClickBox(std::size_t row) {
        const RECT box = List().CheckBoxRect(row);
        const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(List().Handle(), WM_LBUTTONUP, 0, at);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : window->Entries()) names.push_back(e.name);
        return names;
    }
    // Runs `act` on the dialog the next press opens; a box left open fails.
    // `opened` counts the boxes, so a case fails when none opened.
    template <typename D>
    void OnDialog(std::function<void(D&)> act) {
        ui::Dialog::SetShowHook([this, act](ui::Dialog& shown) {
            ++opened;
            auto* dialog = dynamic_cast<D*>(&shown);
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
            EXPECT_FALSE(dialog->IsShowing()) << "the box closed";
            if (dialog->IsShowing()) dialog->Dismiss();
        });
    }

    std::optional<std::string> SelectedName() const {
        const auto row = window->ListControls().list->Selected();
        return row ? std::optional(window->Entries().at(row->row).name) : std::nullopt;
    }

    std::unique_ptr<TfrmStartup> window;
    int opened = 0;
};

TEST_F(StartupWindowTest, ListsTheEntriesWithTheirBoxesAndColumns) {
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Old"}));
    EXPECT_TRUE(window->Ticked(0));
    EXPECT_FALSE(window->Ticked(1));
    EXPECT_EQ(List().ColumnWidth(0), ui::Scale(150, ui::WindowDpi(List().Handle())));
    EXPECT_EQ(window->Entries()[0].command, "%windir%\\app.exe");
    Press(*window->ListControls().help);
    ASSERT_EQ(helpShown.size(), 1u);
    EXPECT_EQ(helpShown[0].second, "startup2");
}

TEST_F(StartupWindowTest, MouseAndSpaceMoveTheEntryAndTheBoxFollows) {
    ClickBox(0);
    EXPECT_FALSE(window->Ticked(0));
    EXPECT_EQ(machine.registry.ReadValue(kCurrentUser, kRunOff, "App"),
              RegValue::String("%windir%\\app.exe", RegType::ExpandSz));
    List().Select({1, std::nullopt});
    Key(List().Handle(), VK_SPACE);
    EXPECT_TRUE(window->Ticked(1));
    EXPECT_TRUE(machine.registry.ReadValue(kCurrentUser, kRun, "Old"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Old"})) << "a toggle does not list again";
}

TEST_F(StartupWindowTest, ReaderReadsEachEntryWithItsBoxAndTicksOne) {
    const AccessibleNode list = AccessibleProbe(List().Handle()).Read();
    EXPECT_EQ(list.role, ROLE_SYSTEM_LIST);
    ASSERT_EQ(list.children.size(), 2u);
    const std::pair<const wchar_t*, bool> expected[] = {{L"App", true}, {L"Old", false}};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(list.children[i].name, expected[i].first);
        EXPECT_EQ(list.children[i].role, ROLE_SYSTEM_LISTITEM);
        EXPECT_EQ(list.children[i].Checked(), expected[i].second);
    }
    EXPECT_NE(list.children[0].description.find(L"%windir%\\app.exe"), std::wstring::npos) << ui::Narrow(list.children[0].description);
    ASSERT_EQ(AccessibleProbe(List().Handle()).DoDefaultAction({2}), S_OK);
    EXPECT_TRUE(window->Ticked(1));
    EXPECT_TRUE(machine.registry.ReadValue(kCurrentUser, kRun, "Old"));
}

TEST_F(StartupWindowTest, AFailedToggleReportsAndKeepsTheBox) {
    std::vector<std::string> reported;
    ui::SetErrorHandler([&](const std::string& text) { reported.push_back(text); });
    machine.registry.MakeReadOnly(kCurrentUser, kRunOff);
    ClickBox(0);
    EXPECT_EQ(reported, std::vector<std::string>{"Failed to set data for 'App'"});
    EXPECT_TRUE(window->Ticked(0));
    const std::string link = machine.shell.SpecialFolderPath(Csidl::Startup) + "\\Tool.lnk";
    NewShortcut tool;
    tool.targetPath = "C:\\tool.exe";
    machine.shell.CreateShortcut(link, tool);
    window->Rebuild();
    ASSERT_EQ(Names().back(), "Tool");
    context.platform.files.DeleteFile(link);  // the interface: windows.h renames the call
    ClickBox(2);
    EXPECT_TRUE(window->Ticked(2)) << "nothing on disk moved";
    EXPECT_EQ(prompter.History().back().kind, Kind::Notify);
}

TEST_F(StartupWindowTest, DeleteAsksAndRemovesFromTheHomeTheBoxNames) {
    Key(List().Handle(), VK_DELETE);
    EXPECT_TRUE(prompter.History().empty()) << "no selection, no question";
    List().Select({1, std::nullopt});
    prompter.Answer(false).Answer(true);
    Key(List().Handle(), VK_DELETE);
    EXPECT_EQ(Names().size(), 2u);
    Press(*window->ListControls().remove);
    EXPECT_EQ(prompter.History().back(), (ScriptedPrompter::Shown{Kind::Confirm, "Do you want to remove this startup item?"}));
    EXPECT_EQ(Names(), std::vector<std::string>{"App"});
    EXPECT_FALSE(machine.registry.ReadValue(kCurrentUser, kRunOff, "Old"));
}

TEST_F(StartupWindowTest, ARightClickSelectsTheRowUnderItAndOpensTheMenu) {
    List().Select({0, std::nullopt});
    const RECT box = List().CheckBoxRect(1);
    const LPARAM at = MAKELPARAM(box.right + 60, (box.top + box.bottom) / 2);
    const test::MenuWatch menus;
    SendMessageW(List().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(List().Handle(), WM_RBUTTONUP, 0, at);
    EXPECT_EQ(menus.Shown(), (std::vector<std::vector<std::string>>{{"&Edit", "&Add", "&Remove"}}));
    ASSERT_TRUE(List().Selected());
    EXPECT_EQ(List().Selected()->row, 1u);
    EXPECT_TRUE(prompter.History().empty()) << "closed without a choice: nothing ran";
}

TEST_F(StartupWindowTest, EditNeedsASelectionFromTheButtonAndTheMenu) {
    const ScriptedPrompter::Shown notice{Kind::Notify, "One startup item must be selected to edit."};
    Press(*window->ListControls().edit);
    EXPECT_EQ(prompter.History().back(), notice);
    ASSERT_TRUE(window->ListControls().menu->Choose("&Edit"));
    EXPECT_EQ(prompter.History().size(), 2u);
    EXPECT_EQ(prompter.History().back(), notice);
}

TEST_F(StartupWindowTest, TheAddBoxChecksItsFieldsThenAddsAndEscLeavesIt) {
    machine.registry.CreateKey(kLocalMachine, kRun);
    OnDialog<TfrmAddStartup>([&](TfrmAddStartup& d) {
        EXPECT_EQ(d.LocationList().Entry(*d.LocationList().Selected()), "Registry - All Users - Run");
        EXPECT_EQ(GetFocus(), d.NameBox().Handle()) << "the box opens ready for typing";
        d.NameBox().SetText("New");
        Press(d.ActionButton());
        EXPECT_EQ(prompter.History().back().text, "Please fill all the fields to add an startup entry");
        EXPECT_TRUE(d.IsShowing());
        d.ProgramBox().SetText("C:\\old.exe /with arguments");
        pickers.Files({"C:\\Tools\\new.exe"});
        Press(d.BrowseButton());
        EXPECT_EQ(d.ProgramBox().Text(), "C:\\Tools\\new.exe");
        Press(d.ActionButton());
    });
    Press(*window->ListControls().add);
    EXPECT_EQ(Names(), (std::vector<std::string>{"New", "App", "Old"}));
    EXPECT_EQ(SelectedName(), "New") << "the selection follows the new entry";
    OnDialog<TfrmAddStartup>([&](TfrmAddStartup& d) {
        d.NameBox().SetText("Never");
        Key(d.NameBox().Handle(), VK_ESCAPE);
    });
    Press(*window->ListControls().add);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Names().size(), 3u);
    prompter.Answer(true);
    Press(*window->ListControls().remove);
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Old"})) << "Remove took the highlighted entry";
    EXPECT_FALSE(machine.registry.ReadValue(kLocalMachine, kRun, "New"));
}

// A write that fails leaves the box open with what was typed, so nothing is
// lost; leaving the box then changes nothing.
TEST_F(StartupWindowTest, AFailedAddReportsAndKeepsTheBoxAndItsInput) {
    std::vector<std::string> reported;
    ui::SetErrorHandler([&](const std::string& text) { reported.push_back(text); });
    OnDialog<TfrmAddStartup>([&](TfrmAddStartup& d) {
        d.NameBox().SetText("New");
        d.ProgramBox().SetText("C:\\new.exe");
        Press(d.ActionButton());
        EXPECT_EQ(reported, std::vector<std::string>{"Failed to set data for 'New'"});
        EXPECT_TRUE(d.IsShowing());
        EXPECT_EQ(d.NameBox().Text(), "New");
        Press(d.CancelButton());
    });
    Press(*window->ListControls().add);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Old"}));
}

TEST_F(StartupWindowTest, TheEditBoxStartsFromTheRowAndKeepsItsHome) {
    List().Select({1, std::nullopt});
    OnDialog<TfrmEditStartup>([&](TfrmEditStartup& d) {
        EXPECT_EQ(d.NameBox().Text(), "Old");
        EXPECT_EQ(GetFocus(), d.NameBox().Handle());
        EXPECT_EQ(d.ProgramBox().Text(), "C:\\old.exe");
        d.NameBox().SetText("Renamed");
        Press(d.ActionButton());
    });
    Press(*window->ListControls().edit);
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Renamed"}));
    EXPECT_FALSE(window->Ticked(1));
    EXPECT_EQ(SelectedName(), "Renamed");
    List().Select({0, std::nullopt});
    OnDialog<TfrmEditStartup>([&](TfrmEditStartup& d) {
        d.NameBox().SetText("Cancelled");
        Press(d.CancelButton());
    });
    Press(*window->ListControls().edit);
    EXPECT_EQ(opened, 2) << "Cancel was pressed in an open box";
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Renamed"}));
}

// The row keeps track of its home: once ticked, a row Task Manager had off
// moves like any other, and Remove finds it where it went.
TEST_F(StartupWindowTest, ARowTaskManagerHadOffIsFollowedThroughTickUntickAndRemove) {
    machine.registry.WriteValue(kCurrentUser, kRun, "Marked", RegValue::String("m.exe"));
    machine.registry.WriteValue(kCurrentUser, kApprovedRun, "Marked", RegValue::Binary({3, 0, 0, 0}));
    window->Rebuild();
    ASSERT_EQ(Names(), (std::vector<std::string>{"App", "Marked", "Old"}));
    ASSERT_FALSE(window->Ticked(1));
    ClickBox(1);
    ClickBox(1);
    EXPECT_FALSE(window->Ticked(1));
    EXPECT_TRUE(machine.registry.ReadValue(kCurrentUser, kRunOff, "Marked"));
    List().Select({1, std::nullopt});
    prompter.Answer(true);
    Press(*window->ListControls().remove);
    EXPECT_EQ(Names(), (std::vector<std::string>{"App", "Old"}));
    EXPECT_FALSE(machine.registry.ReadValue(kCurrentUser, kApprovedRun, "Marked")) << "no mark is left behind";
}

}  // namespace
}  // namespace tw
