#include "drive_cleaner/drive_window_win.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/win32/shell_win.h"
#include "support/client_snapshot_win.h"
#include "support/common_controls6_win.h"
#include "support/accessible_probe_win.h"
#include "support/message_probe_win.h"
#include "support/ui_session_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using Kind = ScriptedPrompter::Kind;
using Paths = std::vector<std::string>;

// Runs a look each time the window's messages are about to paint one list:
// a run that tells the list of each change makes it paint at each pump.
HWND watchedList = nullptr;
std::function<void()> onListPaint;
LRESULT CALLBACK WatchListPaint(int code, WPARAM removal, LPARAM message) {
    const auto& msg = *reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && msg.message == WM_PAINT && msg.hwnd == watchedList && onListPaint) onListPaint();
    return CallNextHookEx(nullptr, code, removal, message);
}

class DriveWindowTest : public UiTest {
protected:
    // Before the window is made, which reads them.
    bool Seed() {
        machine.files.SetWindowsFolder("C:\\Windows");
        machine.files.AddFile("C:\\junk\\a.tmp", "12345");
        machine.files.AddFile("C:\\junk\\deep\\b.tmp", "1");
        machine.files.AddFile("C:\\Windows\\w.tmp", "1");
        machine.files.AddFile("C:\\keep.txt", "1");
        AddJunkFileType(settings, "*.tmp", "Temporary Files");
        return true;
    }
    ~DriveWindowTest() override { ui::Dialog::SetShowHook(nullptr); }
    void Show(int page) {
        window->Open(page);
        Settle();
    }
    Paths HitPaths() const {
        Paths paths;
        for (const auto& hit : window->Hits()) paths.push_back(hit.path);
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    void Search() {
        Show(TfrmDrive::kSearchPage);
        window->SearchControls().start->Click();
    }
    static void Key(HWND target, WPARAM key) {
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        ui::ProcessMessage(msg);
    }
    std::vector<std::string> TypeRows() const {
        std::vector<std::string> rows;
        for (const auto& t : window->Types()) rows.push_back((t.enabled ? "+" : "-") + t.mask);
        return rows;
    }

    bool closed = false;
    bool seeded = Seed();
    std::unique_ptr<TfrmDrive> window = [this] {
        auto w = std::make_unique<TfrmDrive>(context);
        w->onClosed = [this] { closed = true; };
        return w;
    }();
};

TEST_F(DriveWindowTest, PagesShowTheirDrivesTypesAndFirstUseOptions) {
    Show(TfrmDrive::kDrivePage);
    ASSERT_FALSE(window->Drives().empty());
    EXPECT_EQ(window->Drives().front().displayName, "Local Disk (C:)");
    EXPECT_TRUE(window->Drives().front().selected);
    EXPECT_EQ(window->DriveControls().drives->ColumnWidth(0), ui::Scale(580, ui::WindowDpi(window->Handle())));
    auto& options = window->OptionsControls();
    EXPECT_TRUE(options.excludeWindows->Checked() && options.excludeSystem->Checked() && options.recycle->Checked());
    EXPECT_EQ(TypeRows(), std::vector<std::string>{"+*.tmp"});
    EXPECT_EQ(window->SearchControls().start->Text(), "&Start");
    EXPECT_FALSE(window->SearchControls().status->Visible());
}

// What the program shows and a memory shell cannot: the real shell's icon in
// a drive's row, and the run button's pictures, which only the program's
// Common Controls 6 draw beside a caption.
TEST_F(DriveWindowTest, TheDriveRowsAndTheRunButtonShowTheirPictures) {
    const CommonControls6Scope program;
    ASSERT_TRUE(program.Active());
    Win32Shell shell;
    SuiteContext real{{machine.registry, machine.files, shell, machine.urlCache, machine.clipboard, machine.system},
                      settings, prompter, pickers, random, nullptr};
    TfrmDrive drive(real);
    drive.Open(TfrmDrive::kDrivePage);
    Settle();
    ASSERT_FALSE(drive.Drives().empty());
    const HWND rows = drive.DriveControls().drives->Handle();
    const ClientSnapshot withIcon(rows);
    drive.Drives().front().imageIndex = -1;
    EXPECT_GT(withIcon.Differences(ClientSnapshot(rows)), 20) << "the drive's icon is painted in its row";

    drive.BringToFront(TfrmDrive::kSearchPage);
    const HWND start = drive.SearchControls().start->Handle();
    const COLORREF green = RGB(40, 160, 70), red = RGB(200, 50, 50);
    int greenWhileRunning = -1, redWhileRunning = -1;
    MessageProbe probe([&] {
        const ClientSnapshot face(start);
        greenWhileRunning = face.Count(green);
        redWhileRunning = face.Count(red);
    });
    EXPECT_GT(ClientSnapshot(start).Count(green), 10) << "the start picture";
    probe.Post();
    drive.SearchControls().start->Click();
    ASSERT_EQ(probe.Looks(), 1);
    EXPECT_EQ(greenWhileRunning, 0);
    EXPECT_GT(redWhileRunning, 10) << "the stop picture";
    const ClientSnapshot idle(start);
    EXPECT_GT(idle.Count(green), 10);
    EXPECT_EQ(idle.Count(red), 0);
}

TEST_F(DriveWindowTest, CleanDrivesGoesToTheSearchPageOnlyAfterNext) {
    Show(TfrmDrive::kDrivePage);
    window->Tasks().Activate(1);  // "Clean Drives"
    EXPECT_EQ(VisiblePages(*window), std::vector<int>{TfrmDrive::kDrivePage});
    window->DriveControls().next->Click();
    window->Tasks().Activate(2);  // "Options"
    window->Tasks().Activate(1);
    EXPECT_EQ(VisiblePages(*window), std::vector<int>{TfrmDrive::kSearchPage});
    window->SearchControls().back->Click();
    window->Tasks().Activate(1);
    EXPECT_EQ(VisiblePages(*window), std::vector<int>{TfrmDrive::kDrivePage});
    window->SearchControls().help->Click();
    window->OptionsControls().help->Click();
    EXPECT_EQ(helpShown.size(), 2u);
    EXPECT_EQ(helpShown[0].second, "drive2");
    EXPECT_EQ(helpShown[1].second, "drive3");
}

TEST_F(DriveWindowTest, ASearchListsTheHitsAndSumsThemUp) {
    Search();
    EXPECT_EQ(HitPaths(), (Paths{"C:\\junk\\a.tmp", "C:\\junk\\deep\\b.tmp"}));
    auto& c = window->SearchControls();
    EXPECT_EQ(c.status->Text(), "0.00 MB found in 2 junk files.");
    EXPECT_TRUE(c.status->Visible());
    EXPECT_EQ(c.start->Text(), "&Start");
    EXPECT_TRUE(c.back->Enabled());
    EXPECT_FALSE(window->Busy());
    EXPECT_EQ(c.hits->VisibleCount(), 2u);
    EXPECT_TRUE(window->HitMenuShown());

    window->OptionsControls().excludeWindows->SetChecked(false);
    window->Drives().front().selected = false;
    window->SearchControls().start->Click();
    EXPECT_EQ(HitPaths(), Paths{});
    EXPECT_EQ(c.status->Text(), "0.00 MB found in 0 junk files.");
    EXPECT_FALSE(window->HitMenuShown());
}

TEST_F(DriveWindowTest, ReaderReadsEachHitWithItsPathAndBoxAndUnticksOne) {
    Search();
    const HWND hits = window->SearchControls().hits->Handle();
    const AccessibleNode list = AccessibleProbe(hits).Read();
    ASSERT_EQ(list.children.size(), window->Hits().size());
    ASSERT_EQ(list.children.size(), 2u);
    for (std::size_t i = 0; i < list.children.size(); ++i) {
        const std::wstring path = ui::Wide(window->Hits()[i].path);
        EXPECT_EQ(list.children[i].name, path.substr(path.rfind(L'\\') + 1));
        EXPECT_NE(list.children[i].description.find(L"Path: " + path.substr(0, path.rfind(L'\\'))), std::wstring::npos)
            << ui::Narrow(list.children[i].description);
        EXPECT_TRUE(list.children[i].Checked());
    }
    ASSERT_EQ(AccessibleProbe(hits).DoDefaultAction({2}), S_OK);
    EXPECT_FALSE(window->Hits()[1].ticked);
    EXPECT_TRUE(window->Hits()[0].ticked);
}

TEST_F(DriveWindowTest, AnInvalidMaskShowsItsErrorAndLeavesTheSearchIdle) {
    window->Types().push_back({"[x", "", true});
    Search();
    ASSERT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(prompter.History()[0].kind, Kind::Error);
    EXPECT_EQ(prompter.History()[0].text, "'[x' is an invalid mask at (3)");
    EXPECT_EQ(window->SearchControls().start->Text(), "&Start");
    EXPECT_TRUE(window->SearchControls().back->Enabled());
    EXPECT_FALSE(window->Busy());
    window->Close();
    EXPECT_TRUE(closed);
}

// A close arrives while the walk lets messages run: Cancel lets the search
// go on to its end, OK stops it and the window closes once it has unwound.
TEST_F(DriveWindowTest, ACloseDuringTheSearchAsksFirst) {
    Show(TfrmDrive::kSearchPage);
    prompter.Answer(false);
    PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
    window->SearchControls().start->Click();
    EXPECT_EQ(prompter.History().size(), 1u);
    EXPECT_EQ(HitPaths().size(), 2u);
    EXPECT_FALSE(closed);

    prompter.Answer(true);
    PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
    window->SearchControls().start->Click();
    EXPECT_EQ(prompter.History().back().text,
              "Drive Cleaner module is searching for temporary files. Do you want to stop the process and exit Drive "
              "Cleaner?");
    EXPECT_EQ(HitPaths().size(), 0u) << "stopped at its first look at the messages";
    EXPECT_FALSE(closed);
    Settle();
    EXPECT_TRUE(closed);
    EXPECT_EQ(settings.ReadString(SettingsStore::kStates, "dcRecycle", false), "True");
}

TEST_F(DriveWindowTest, CleanRemovesTheTickedFilesAndKeepsWhatCouldNotGo) {
    Search();
    window->SearchControls().menu->Choose("Unselect All");
    prompter.Answer(true);
    window->SearchControls().clean->Click();
    EXPECT_TRUE(machine.files.FileExists("C:\\junk\\a.tmp"));
    EXPECT_EQ(window->SearchControls().status->Text(), "Junk files are successfully cleaned.");

    window->SearchControls().menu->Choose("Select All");
    machine.files.LockFile("C:\\junk\\a.tmp");
    prompter.Answer(false).Answer(true);
    window->SearchControls().clean->Click();
    EXPECT_EQ(HitPaths().size(), 2u) << "Cancel cleans nothing";
    window->SearchControls().clean->Click();
    EXPECT_EQ(HitPaths(), Paths{"C:\\junk\\a.tmp"});
    EXPECT_FALSE(window->Hits()[0].ticked);
    EXPECT_EQ(machine.shell.Recycled(), Paths{"C:\\junk\\deep\\b.tmp"});
    EXPECT_EQ(window->SearchControls().status->Text(), "1 junk file could not be cleaned.");
    EXPECT_EQ(window->SearchControls().hits->VisibleCount(), 1u);
}

TEST_F(DriveWindowTest, TheAddDialogAddsRemoveAndDefaultsReload) {
    Show(TfrmDrive::kOptionsPage);
    int shown = 0;
    ui::Dialog::SetShowHook([&](ui::Dialog& d) {
        auto& add = static_cast<TfrmAddNew&>(d);
        if (++shown == 1) {
            EXPECT_EQ(GetFocus(), add.Mask().Handle()) << "the box opens ready for typing";
            add.AddButton().Click();  // nothing typed: told, and the box stays
            EXPECT_TRUE(add.IsShowing());
            add.Mask().SetText("*.log");
        }
        add.AddButton().Click();
    });
    window->OptionsControls().add->Click();
    EXPECT_EQ(prompter.History().at(0).text, "To add a new file type, 'File Type' field must be filled.");
    EXPECT_EQ(prompter.History()[0].kind, Kind::Inform);
    EXPECT_EQ(TypeRows(), (std::vector<std::string>{"+*.tmp", "+*.log"}));
    EXPECT_EQ(window->Types()[1].description, "");

    auto& view = *window->OptionsControls().types;
    view.Select({0, std::nullopt});
    Key(view.Handle(), VK_DELETE);
    EXPECT_EQ(TypeRows(), std::vector<std::string>{"+*.log"});
    EXPECT_EQ(prompter.History().size(), 1u) << "no question";

    window->OptionsControls().recycle->SetChecked(false);
    prompter.Answer(false).Answer(true);
    window->Types()[0].enabled = false;
    window->OptionsControls().defaults->Click();
    EXPECT_EQ(TypeRows(), std::vector<std::string>{"+*.log"}) << "Cancel reloads, dropping the box change";
    window->OptionsControls().defaults->Click();
    EXPECT_EQ(TypeRows().size(), 8u);
    EXPECT_TRUE(window->OptionsControls().recycle->Checked());
}

// Rows leave the list while the clean lets messages run: the list learns of
// each as it goes, and nothing the mouse does there reaches a row that is gone
// or stops the rest of the clean.
TEST_F(DriveWindowTest, TheHitListFollowsTheCleanAndTakesNoClicksMeanwhile) {
    for (int i = 0; i < 8; ++i) machine.files.AddFile("C:\\junk\\many" + std::to_string(i) + ".tmp", "1");
    Search();
    auto& list = *window->SearchControls().hits;
    ASSERT_EQ(window->Hits().size(), 10u);
    int middleLooks = 0;
    std::size_t lastLook = 0;
    onListPaint = [&] {
        const std::size_t left = window->Hits().size();
        if (std::exchange(lastLook, left) == left) return;  // one look a file
        EXPECT_EQ(list.VisibleCount(), left);
        if (left < 10 && left > 1 && list.VisibleCount() == left) {
            ++middleLooks;
            EXPECT_FALSE(IsWindowEnabled(list.Handle()));
            RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            // The last row is the file in hand; the one above it is still to go.
            for (const std::size_t row : {left - 1, left - 2}) {
                const RECT box = list.CheckBoxRect(row);
                const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
                SendMessageW(list.Handle(), WM_MOUSEMOVE, 0, at);
                SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            }
        }
        Sleep(16);  // a frame, so the throttled pump lets messages run at the next file
    };
    watchedList = list.Handle();
    const HHOOK watch = SetWindowsHookExW(WH_GETMESSAGE, &WatchListPaint, nullptr, GetCurrentThreadId());
    prompter.Answer(true);
    window->SearchControls().clean->Click();
    UnhookWindowsHookEx(watch);
    onListPaint = nullptr;
    EXPECT_GT(middleLooks, 0) << "the list was looked at in the middle of the clean";
    EXPECT_TRUE(window->Hits().empty()) << "a click on the list stopped part of the clean";
    EXPECT_TRUE(IsWindowEnabled(list.Handle()));
}

// A type for every file asks first; leaving the box unsaved keeps the ticks.
TEST_F(DriveWindowTest, AMaskForEveryFileAsksAndCancellingTheBoxKeepsTheTicks) {
    Show(TfrmDrive::kOptionsPage);
    window->Types()[0].enabled = false;
    ui::Dialog::SetShowHook([&](ui::Dialog& d) {
        auto& add = static_cast<TfrmAddNew&>(d);
        add.Mask().SetText("*.*");
        add.AddButton().Click();
        EXPECT_TRUE(add.IsShowing()) << "Cancel on the question leaves the box open";
        add.CancelButton().Click();
    });
    prompter.Answer(false);
    window->OptionsControls().add->Click();
    EXPECT_EQ(prompter.History().at(0),
              (ScriptedPrompter::Shown{Kind::Confirm, "The file type '*.*' matches every file, programs and documents "
                                                      "included. Do you want to add it?"}));
    EXPECT_EQ(TypeRows(), std::vector<std::string>{"-*.tmp"});
    ui::Dialog::SetShowHook([&](ui::Dialog& d) {
        auto& add = static_cast<TfrmAddNew&>(d);
        add.Mask().SetText("*");
        add.AddButton().Click();
    });
    prompter.Answer(true);
    window->OptionsControls().add->Click();
    EXPECT_EQ(TypeRows(), (std::vector<std::string>{"+*.tmp", "+*"})) << "a real add reloads";
}

}  // namespace
}  // namespace tw
