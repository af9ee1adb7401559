#include "startup_fixture.h"
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

}  // namespace
}  // namespace tw
