// What the Startup Manager removes or edits comes back from its Backups
// page exactly: the real registry (through the system's registry editor)
// and real shortcut files in the test prefix (under Wine).
#include <set>

#include "platform/win32/random_win.h"
#include "platform/win32/win32_platform.h"
#include "startup_fixture.h"
#include "startup_manager/startup_dialogs_win.h"
#include "startup_manager/startup_window_win.h"
#include "support/exact_snapshot.h"
#include "support/scripted_pickers.h"
#include "support/ui_session_win.h"
// After the window headers' windows.h: takes back the names FileSystem uses.
#include "platform/win32/windows_win.h"

namespace tw {
namespace {

constexpr std::string_view kExpand = "Tidewell Expand";
constexpr std::string_view kView32 = "Tidewell 32";
constexpr std::string_view kTool = "Tidewell Tool";
constexpr std::string_view kEdit = "Tidewell Edit";
constexpr std::string_view kEdited = "Tidewell Edited";

struct Area {
    RootKey root;
    std::string_view key;
};
// The 64-bit view's Run is among them: the 32-bit value must not land there.
constexpr Area kAreas[] = {{kCurrentUser, kRun},  {kCurrentUser, kRunOff},          {kLocalMachine, kRun},
                           {kLocalMachine, kRun32}, {kCurrentUser, kApprovedRun},     {kLocalMachine, kApprovedRun32}};

class StartupBackupUnderWine : public ::testing::Test {
protected:
    StartupBackupUnderWine() {
        ui::SetErrorHandler([this](const std::string& text) { errors.push_back(text); });
        Clean();
        for (const auto& found : p.files.Find(Temp() + "\\Tidewell-*")) copiesBefore.insert(found.name);
        auto& reg = p.registry;
        reg.WriteValue(kCurrentUser, kRun, kExpand, RegValue::String("%windir%\\expand.exe /a", RegType::ExpandSz));
        reg.WriteValue(kLocalMachine, kRun32, kView32, RegValue::String("C:\\x86\\tool32.exe"));
        reg.WriteValue(kLocalMachine, kApprovedRun32, kView32, RegValue::Binary({3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
        reg.WriteValue(kCurrentUser, kRun, kEdit, RegValue::String("C:\\old.exe"));
        NewShortcut link;
        link.targetPath = "C:\\windows\\notepad.exe";
        link.setItemIdListFromTarget = true;
        link.arguments = "/A readme.txt";
        link.description = "test tool";
        EXPECT_TRUE(p.shell.CreateShortcut(LinkPath(), link));
        window = std::make_unique<TfrmStartup>(context);
        window->Open(TfrmStartup::kListPage);
    }
    ~StartupBackupUnderWine() override {
        window.reset();
        Clean();
        // The copies this test handed to the registry editor, which is done.
        for (const auto& found : p.files.Find(Temp() + "\\Tidewell-*")) {
            if (copiesBefore.contains(found.name)) continue;
            const std::string folder = Temp() + "\\" + found.name;
            for (const auto& copy : p.files.Find(folder + "\\*")) p.files.DeleteFile(folder + "\\" + copy.name);
            p.files.RemoveFolder(folder);
        }
        ui::Dialog::SetShowHook(nullptr);
        ui::SetErrorHandler(nullptr);
    }
    void Clean() {
        for (const Area& area : kAreas)
            for (const auto name : {kExpand, kView32, kEdit, kEdited})
                p.registry.DeleteValue(area.root, area.key, name);
        p.files.DeleteFile(LinkPath());
        const std::string folder = p.files.ExecutableFolder() + "Backups\\Startup";
        for (const auto& found : p.files.Find(folder + "\\*")) p.files.DeleteFile(folder + "\\" + found.name);
        p.files.DeleteFile(folder);
        p.files.RemoveFolder(folder);
    }
    std::string Temp() const { return p.files.WindowsFolder() + "\\Temp"; }
    std::string LinkPath() { return p.shell.SpecialFolderPath(Csidl::Startup) + "\\" + std::string(kTool) + ".lnk"; }
    std::vector<test::ExactSnapshot> Snapshot() {
        std::vector<test::ExactSnapshot> all;
        for (const Area& area : kAreas) all.push_back(test::TakeExact(p.registry, area.root, std::string(area.key)));
        return all;
    }
    std::string Differences(const std::vector<test::ExactSnapshot>& before) {
        std::string report;
        const auto after = Snapshot();
        for (std::size_t i = 0; i < before.size(); ++i) report += test::ExactDifferences(before[i], after[i]);
        return report;
    }
    std::vector<std::uint8_t> Bytes(const std::string& path) { return FileBytes(p.files, path); }
    bool Select(std::string_view name) {
        const auto& rows = window->Entries();
        for (std::size_t row = 0; row < rows.size(); ++row)
            if (rows[row].name == name) {
                window->ListControls().list->Select({row, std::nullopt});
                return true;
            }
        return false;
    }
    void Remove(std::string_view name) {
        ASSERT_TRUE(Select(name)) << name;
        prompter.Answer(true);
        SendMessageW(window->ListControls().remove->Handle(), BM_CLICK, 0, 0);
    }
    // The registry editor imports on its own time.
    bool WaitForValue(RootKey root, std::string_view key, std::string_view name) {
        for (int tries = 0; tries < 600 && !p.registry.ReadValue(root, key, name); ++tries) {
            ui::PumpMessages();
            Sleep(50);
        }
        return p.registry.ReadValue(root, key, name).has_value();
    }

    Win32Platform p;
    SettingsStore settings{p.registry};
    ScriptedPrompter prompter;
    ScriptedPickers pickers;
    Win32Random random;
    SuiteContext context{p.Bundle(), settings, prompter, pickers, random, [](OwnerWindow, std::string_view) {}};
    std::unique_ptr<TfrmStartup> window;
    std::vector<std::string> errors;
    std::set<std::string> copiesBefore;
};

TEST_F(StartupBackupUnderWine, ABackupThatCannotBeWrittenLeavesTheEntryAndShowsWhy) {
    // A file where the folder would go: the folder cannot be made.
    p.files.CreateFolder(p.files.ExecutableFolder() + "Backups");
    p.files.Open(p.files.ExecutableFolder() + "Backups\\Startup", OpenMode::CreateNew, Share::Read).reset();
    const auto before = Snapshot();
    Remove(kExpand);
    ASSERT_TRUE(Select(kTool));
    prompter.Answer(true);
    SendMessageW(window->ListControls().remove->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(errors, (std::vector<std::string>{"Cannot create Backup Directory", "Cannot create Backup Directory"}));
    EXPECT_EQ(Differences(before), "");
    EXPECT_TRUE(p.files.FileExists(LinkPath()));
    EXPECT_TRUE(Select(kExpand)) << "still listed";
}

TEST_F(StartupBackupUnderWine, RemovedAndEditedEntriesComeBackExactlyFromTheBackupsPage) {
#ifndef _WIN64
    // Wine starts its 32-bit registry editor for a 32-bit caller, even when
    // the association names the 64-bit one, and that editor imports the
    // Task Manager mark's key into the 32-bit view. On Windows the .reg
    // association starts the 64-bit editor, as it does here for x64.
    GTEST_SKIP() << "x86 build under Wine: its 32-bit registry editor imports into the 32-bit view";
#endif
    const auto before = Snapshot();
    const auto linkBytes = Bytes(LinkPath());
    Remove(kExpand);
    Remove(kView32);
    Remove(kTool);
    ASSERT_TRUE(Select(kEdit));
    ui::Dialog::SetShowHook([](ui::Dialog& shown) {
        auto& dialog = dynamic_cast<TfrmEditStartup&>(shown);
        dialog.NameBox().SetText(std::string(kEdited));
        dialog.ProgramBox().SetText("C:\\new.exe /b");
        SendMessageW(dialog.ActionButton().Handle(), BM_CLICK, 0, 0);
    });
    SendMessageW(window->ListControls().edit->Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(Select(kEdited));
    EXPECT_FALSE(p.files.FileExists(LinkPath()));
    ASSERT_EQ(errors, std::vector<std::string>{});

    window->Tasks().Activate(2);
    const auto files = window->Backups().Files();
    ASSERT_EQ(files.size(), 4u);
    for (std::size_t row = 0; row < files.size(); ++row) {
        window->Backups().GetControls().files->Select({row, std::nullopt});
        SendMessageW(window->Backups().GetControls().restore->Handle(), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(errors, std::vector<std::string>{});
    for (const auto& [root, key, name] : {std::tuple{kCurrentUser, kRun, kExpand}, {kLocalMachine, kRun32, kView32},
                                          {kLocalMachine, kApprovedRun32, kView32}, {kCurrentUser, kRun, kEdit}})
        EXPECT_TRUE(WaitForValue(root, key, name)) << name;
    ASSERT_TRUE(p.files.FileExists(LinkPath()));
    EXPECT_EQ(Bytes(LinkPath()), linkBytes);
    window->Tasks().Activate(1);
    EXPECT_TRUE(Select(kTool) && Select(kExpand)) << "the list is read again";
    // The edited entry is another entry now; removing it (saved too) leaves
    // exactly what was there before the changes.
    Remove(kEdited);
    EXPECT_EQ(Differences(before), "");
}

}  // namespace
}  // namespace tw
