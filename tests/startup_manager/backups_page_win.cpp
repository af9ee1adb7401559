#include <functional>

#include "startup_fixture.h"
#include "startup_manager/startup_dialogs_win.h"
#include "startup_manager/startup_window_win.h"
#include "support/ui_session_win.h"

namespace tw {
namespace {

class StartupBackupsPage : public UiTest {
protected:
    StartupBackupsPage() {
        const RegValue app = RegValue::String("%windir%\\app.exe", RegType::ExpandSz);
        machine.registry.WriteValue(kCurrentUser, kRun, "App", app);
        window = std::make_unique<TfrmStartup>(context);
        window->Open(TfrmStartup::kListPage);
    }
    static void Key(HWND target, WPARAM key) {
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        ui::ProcessMessage(msg);
    }
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    std::unique_ptr<TfrmStartup> window;
};

TEST_F(StartupBackupsPage, ARemovedEntryIsListedAndRestoredAndRemovedByKeyboard) {
    ui::RowView& list = *window->ListControls().list;
    list.Select({0, std::nullopt});
    prompter.Answer(true);
    Key(list.Handle(), VK_DELETE);
    EXPECT_TRUE(window->Entries().empty());
    window->Tasks().Activate(2);
    EXPECT_EQ(VisiblePages(*window), std::vector<int>{TfrmStartup::kBackupsPage});
    ui::RowView& files = *window->Backups().GetControls().files;
    ASSERT_EQ(window->Backups().Files().size(), 1u) << "the page lists the backup the remove saved";
    SetFocus(files.Handle());
    Key(files.Handle(), VK_HOME);
    Key(files.Handle(), VK_RETURN);
    ASSERT_EQ(machine.shell.Opened().size(), 1u) << "Enter restores through the registry editor";
    EXPECT_NE(machine.files.Text(machine.shell.Opened()[0]).find("\"App\"=hex(2):"), std::string::npos)
        << "the expandable string keeps its type";
    prompter.Answer(true);
    Key(files.Handle(), VK_DELETE);
    EXPECT_TRUE(window->Backups().Files().empty());
    SendMessageW(window->Backups().GetControls().help->Handle(), BM_CLICK, 0, 0);
    ASSERT_FALSE(helpShown.empty());
    EXPECT_EQ(helpShown.back().second, "startup3");
}

// The box applies its input itself: a backup that cannot be written must
// reach it as an error, before anything is written over.
TEST_F(StartupBackupsPage, AWriteOverThatCannotBeBackedUpReportsAndKeepsTheBoxAndItsInput) {
    struct Case {
        std::string_view what;
        std::function<ui::Button&()> button;
    };
    const Case cases[] = {{"edit", [&]() -> ui::Button& { return *window->ListControls().edit; }},
                          {"add of the same name", [&]() -> ui::Button& { return *window->ListControls().add; }}};
    machine.files.FailCreateFolder(machine.files.ExecutableFolder() + std::string(kStartupBackups));
    const auto before = machine.registry.ReadValue(kCurrentUser, kRun, "App");
    for (const Case& c : cases) {
        std::vector<std::string> reported;
        ui::SetErrorHandler([&](const std::string& text) { reported.push_back(text); });
        int opened = 0;
        ui::Dialog::SetShowHook([&](ui::Dialog& shown) {
            ++opened;
            auto& d = dynamic_cast<StartupEntryDialog&>(shown);
            d.NameBox().SetText("App");
            d.ProgramBox().SetText("C:\\other.exe");
            if (auto* add = dynamic_cast<TfrmAddStartup*>(&d))
                for (std::size_t i = 0; i < add->LocationList().Count(); ++i)
                    if (add->LocationList().Entry(i) == kCurrentUserRun) add->LocationList().Select(i);
            Press(d.ActionButton());
            EXPECT_EQ(reported, std::vector<std::string>{"Cannot create Backup Directory"}) << c.what;
            EXPECT_TRUE(d.IsShowing()) << c.what;
            EXPECT_EQ(d.ProgramBox().Text(), "C:\\other.exe") << c.what;
            d.Dismiss();
        });
        window->ListControls().list->Select({0, std::nullopt});
        Press(c.button());
        ui::Dialog::SetShowHook(nullptr);
        EXPECT_EQ(opened, 1) << c.what;
        EXPECT_EQ(machine.registry.ReadValue(kCurrentUser, kRun, "App"), before) << c.what;
    }
    ui::SetErrorHandler(nullptr);
}

}  // namespace
}  // namespace tw
