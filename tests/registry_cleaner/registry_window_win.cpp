#include "registry_cleaner/registry_window_win.h"

#include <set>

#include "orphan_fixture.h"
#include "registry_cleaner/scan_categories.h"
#include "support/accessible_probe_win.h"
#include "support/header_captions_win.h"
#include "support/ui_session_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using ui::CheckState;
using Kind = ScriptedPrompter::Kind;
using Shown = ScriptedPrompter::Shown;

constexpr std::string_view kBackups = "C:\\Program Files\\Tidewell\\Backups\\RegClean\\";

std::string TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return ui::Narrow(text);
}

class RegistryWindowTest : public UiTest {
protected:
    RegistryWindowTest() {
        fixture.Seed(machine.registry, false);
        for (const std::string& path : fixture.PresentFiles()) machine.files.AddFile(path, "x");
    }
    TfrmRegistry& Open() {
        window = OpenTool<TfrmRegistry>(context, 1);
        return *window;
    }
    // A click as the mouse gives it: through the control's own procedure.
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    std::vector<CheckState> GroupStates() {
        auto& tree = window->Cleaner().Tree();
        std::vector<CheckState> states;
        for (std::size_t i = 0; i < tree.RowCount(); ++i) states.push_back(tree.Check({i, std::nullopt}));
        return states;
    }
    std::vector<std::string> BackupNames() const {
        std::vector<std::string> names;
        for (const FoundFile& f : machine.files.Find(std::string(kBackups) + "*")) names.push_back(f.name);
        return names;
    }

    test::OrphanFixture fixture{machine.Bundle()};
    std::unique_ptr<TfrmRegistry> window;
};

TEST_F(RegistryWindowTest, PagesCarryTheirTextsButtonsAndColumns) {
    auto& w = Open();
    auto& scan = w.ScanControls();
    auto& backups = w.BackupsControls();
    EXPECT_EQ(TextOf(w.Page(TfrmRegistry::kScanPage)->Handle()), "Clean Registry");
    EXPECT_EQ(TextOf(w.Page(TfrmRegistry::kBackupsPage)->Handle()), "Backups");
    EXPECT_EQ(w.PageDescription(TfrmRegistry::kScanPage)->Text(),
              "This module will search obsolete registry entries that are pointing invalid locations in your computer. "
              "Click on \"Clean\" button to clean selected invalid registry entries.");
    EXPECT_EQ(scan.status->Text(), "");
    EXPECT_EQ(scan.start->Text(), "&Start");
    EXPECT_EQ(scan.help->Text(), "&Help");
    EXPECT_EQ(scan.clean->Text(), "&Clean");
    EXPECT_EQ(HeaderCaptions(*scan.tree), (std::vector<std::string>{"Invalid Entries", "Registry Key"}));
    EXPECT_EQ(scan.tree->ColumnWidth(0), 320);
    EXPECT_EQ(scan.tree->ColumnWidth(1), 260);
    EXPECT_EQ(w.PageDescription(TfrmRegistry::kBackupsPage)->Text(),
              "Backup files are automatically created when you cleanup the registry. You can use these backups to "
              "restore cleaned entries.");
    EXPECT_EQ(HeaderCaptions(*backups.files), std::vector<std::string>{"Backup File"});
    EXPECT_EQ(backups.restore->Text(), "&Restore");
    std::vector<std::string> captions;
    for (const auto* menu : {scan.menu.get(), backups.menu.get()})
        for (const ui::MenuItem& item : menu->Items()) captions.push_back(item.caption + (item.icon ? "+icon" : ""));
    EXPECT_EQ(captions, (std::vector<std::string>{"Select All+icon", "Unselect All+icon", "Clean Checked+icon",
                                                  "Re&store+icon", "&Remove+icon", "R&emove All+icon"}));
    // Opening the window does not scan.
    EXPECT_EQ(scan.tree->VisibleCount(), 0u);
}

TEST_F(RegistryWindowTest, StartShowsNineCollapsedCheckedCategoriesAndDoubleClickOpensOne) {
    auto& w = Open();
    auto& tree = *w.ScanControls().tree;
    Press(*w.ScanControls().start);
    ASSERT_EQ(tree.VisibleCount(), kCategoryCount);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
    EXPECT_TRUE(w.ScanControls().start->Enabled());
    EXPECT_EQ(w.ScanControls().status->Text(), "");
    const RECT icons = tree.RowRect(kIcons);
    SendMessageW(tree.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(200, (icons.top + icons.bottom) / 2));
    EXPECT_TRUE(tree.IsExpanded(kIcons));
    EXPECT_EQ(tree.VisibleCount(), kCategoryCount + 3);
    EXPECT_EQ(tree.VisibleRow(kIcons + 1), (ui::RowRef{kIcons, 0}));
}

// What a screen reader reads of the findings, and a tick it takes away.
TEST_F(RegistryWindowTest, ReaderReadsCategoriesFindingsAndTheirBoxesAndUnticksOne) {
    auto& w = Open();
    ShowWindow(w.Handle(), SW_SHOW);
    Press(*w.ScanControls().start);
    auto& model = w.Cleaner().Tree();
    const HWND tree = w.ScanControls().tree->Handle();
    const AccessibleNode read = AccessibleProbe(tree).Read();
    EXPECT_EQ(read.role, ROLE_SYSTEM_OUTLINE);
    EXPECT_EQ(read.name, L"Invalid Entries");
    ASSERT_EQ(read.children.size(), kCategoryCount);
    std::size_t findings = 0;
    for (std::size_t group = 0; group < kCategoryCount; ++group) {
        const AccessibleNode& category = read.children[group];
        EXPECT_EQ(category.name, ui::Wide(kCategoryTexts[group].caption));
        EXPECT_TRUE(category.state & STATE_SYSTEM_COLLAPSED);
        EXPECT_EQ(category.value.substr(0, category.value.find(L' ')), std::to_wstring(model.ChildCount(group)));
        ASSERT_EQ(category.children.size(), model.ChildCount(group));
        for (std::size_t i = 0; i < category.children.size(); ++i) {
            const AccessibleNode& finding = category.children[i];
            EXPECT_EQ(finding.name, ui::Wide(model.CellText({group, i}, 0)));
            EXPECT_EQ(finding.description, L"Registry Key: " + ui::Wide(model.CellText({group, i}, 1)));
            EXPECT_TRUE(finding.Checked());
            EXPECT_EQ(finding.action, L"Uncheck");
        }
        findings += category.children.size();
    }
    EXPECT_GT(findings, kCategoryCount);

    ASSERT_GE(model.ChildCount(kIcons), 2u);
    ASSERT_EQ(AccessibleProbe(tree).DoDefaultAction({kIcons + 1, 2}), S_OK);
    EXPECT_EQ(model.Check({kIcons, 1}), CheckState::Unchecked);
    const AccessibleNode icons = AccessibleProbe(tree).Read().children[kIcons];
    EXPECT_TRUE(icons.state & STATE_SYSTEM_MIXED);
    EXPECT_FALSE(icons.children[1].Checked());
    EXPECT_TRUE(icons.children[0].Checked());
}

TEST_F(RegistryWindowTest, SelectAllAndUnselectAllActOnlyAfterAScan) {
    auto& w = Open();
    const ui::PopupMenu& menu = *w.ScanControls().menu;
    EXPECT_TRUE(menu.Choose("Unselect All"));
    EXPECT_EQ(w.ScanControls().tree->VisibleCount(), 0u);
    Press(*w.ScanControls().start);
    w.ScanControls().tree->Expand(kSounds, true);
    menu.Choose("Unselect All");
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Unchecked));
    EXPECT_FALSE(w.ScanControls().tree->IsExpanded(kSounds));
    menu.Choose("Select All");
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
}

TEST_F(RegistryWindowTest, CancelOnTheQuestionWritesNoFileAndChangesNothing) {
    auto& w = Open();
    Press(*w.ScanControls().clean);  // nothing scanned yet: nothing asked
    Press(*w.ScanControls().start);
    test::RegistrySnapshot before;
    fixture.AddAreas(before, machine.registry);
    prompter.Answer(false);
    Press(*w.ScanControls().clean);
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Confirm, std::string(kCleanQuestion)}}));
    EXPECT_TRUE(BackupNames().empty());
    test::RegistrySnapshot after;
    fixture.AddAreas(after, machine.registry);
    EXPECT_EQ(test::SnapshotDifferences(before, after), "");
}

TEST_F(RegistryWindowTest, CleanCheckedAsksNothingAndListsTheNewBackup) {
    auto& w = Open();
    Press(*w.ScanControls().start);
    EXPECT_TRUE(w.ScanControls().menu->Choose("Clean Checked"));
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Notify, std::string(kCleanDone)}}));
    EXPECT_EQ(BackupNames(), std::vector<std::string>{"07-December-2026 - 02.05.09 PM.reg"});
    EXPECT_EQ(w.BackupsControls().files->VisibleCount(), 1u);
    EXPECT_EQ(w.BackupList().at(0).displayText, "07-December-2026 - 02.05.09 PM");
    EXPECT_TRUE(w.Cleaner().Findings().lvCOM.empty());
}

TEST_F(RegistryWindowTest, TheBackupsPageListsRegFilesWithoutTheirExtension) {
    machine.files.AddFile(std::string(kBackups) + "x.REG", "REGEDIT4\r\n\r\n");
    machine.files.AddFile(std::string(kBackups) + "notes.txt", "not a backup");
    auto& w = Open();
    ASSERT_EQ(w.BackupsControls().files->VisibleCount(), 1u);
    EXPECT_EQ(w.BackupList().at(0).fileName, "x.REG");
    EXPECT_EQ(w.BackupList().at(0).displayText, "x");
}

TEST_F(RegistryWindowTest, RemoveAndRemoveAllAskFirstThenDelete) {
    for (const char* name : {"a.reg", "b.reg", "c.reg"}) machine.files.AddFile(std::string(kBackups) + name, "");
    auto& w = Open();
    auto& page = w.BackupsControls();
    page.menu->Choose("&Remove");  // without a selection nothing happens
    EXPECT_TRUE(prompter.History().empty());
    page.files->Select({1, std::nullopt});
    prompter.Answer(false).Answer(true);
    page.menu->Choose("&Remove");
    EXPECT_EQ(BackupNames().size(), 3u);
    page.menu->Choose("&Remove");
    EXPECT_EQ(BackupNames(), (std::vector<std::string>{"a.reg", "c.reg"}));
    EXPECT_EQ(page.files->VisibleCount(), 2u);
    prompter.Answer(true);
    page.menu->Choose("R&emove All");
    EXPECT_TRUE(BackupNames().empty());
    EXPECT_EQ(page.files->VisibleCount(), 0u);
    page.menu->Choose("R&emove All");  // an empty list asks nothing
    const std::string question = "Do you want to remove this backup file? (b.reg)";
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Confirm, question},
                                                      {Kind::Confirm, question},
                                                      {Kind::Confirm, "Do you want to remove all backup files?"}}));
}

TEST_F(RegistryWindowTest, RestoreHandsANewCopyBelowTheTempFolderToTheShell) {
    machine.files.AddFile(std::string(kBackups) + "x.REG", "REGEDIT4\r\n\r\n");
    auto& w = Open();
    auto& page = w.BackupsControls();
    Press(*page.restore);
    EXPECT_EQ(prompter.History(), (std::vector<Shown>{{Kind::Notify, "Please select a backup file from the list."}}));
    EXPECT_TRUE(machine.shell.Opened().empty());
    page.files->Select({0, std::nullopt});
    Press(*page.restore);
    page.menu->Choose("Re&store");
    const RECT row = page.files->RowRect(0);
    SendMessageW(page.files->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, (row.top + row.bottom) / 2));
    const std::vector<std::string>& opened = machine.shell.Opened();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(std::set<std::string>(opened.begin(), opened.end()).size(), 3u) << "each restore its own copy";
    for (const std::string& copy : opened) {
        EXPECT_TRUE(machine.files.IsPrivateFolder(FolderPart(copy))) << copy;
        EXPECT_EQ(copy.substr(copy.size() - 6), "\\x.REG");
        EXPECT_EQ(machine.files.Text(copy), "REGEDIT4\r\n\r\n");
    }
}

TEST_F(RegistryWindowTest, HelpButtonsOpenTheirTopicsForThisWindow) {
    auto& w = Open();
    Press(*w.ScanControls().help);
    Press(*w.BackupsControls().help);
    const auto owner = win32::OwnerOf(w.Handle());
    EXPECT_EQ(helpShown, (std::vector<std::pair<OwnerWindow, std::string>>{{owner, "registry2"}, {owner, "registry4"}}));
}

TEST_F(RegistryWindowTest, MnemonicsPressTheButtonsOfTheFrontPage) {
    auto& w = Open();
    const auto press = [](HWND focus, wchar_t key) {
        SetFocus(focus);
        MSG alt{focus, WM_SYSCHAR, key, 1 << 29, 0, {}};
        ui::ProcessMessage(alt);
    };
    w.BringToFront(TfrmRegistry::kBackupsPage);
    press(w.BackupsControls().files->Handle(), 'h');
    w.BringToFront(TfrmRegistry::kScanPage);
    press(w.ScanControls().tree->Handle(), 'h');
    press(w.ScanControls().tree->Handle(), 's');
    EXPECT_TRUE(w.Cleaner().ScanStarted());
    ASSERT_EQ(helpShown.size(), 2u);
    EXPECT_EQ(helpShown[0].second, "registry4");
    EXPECT_EQ(helpShown[1].second, "registry2");
}

TEST_F(RegistryWindowTest, ClosingDuringAScanWaitsForItsEnd) {
    auto& w = Open();
    bool closed = false;
    w.onClosed = [&] { closed = true; };
    PostMessageW(w.Handle(), WM_CLOSE, 0, 0);
    Press(*w.ScanControls().start);  // the scan lets the posted close run
    EXPECT_FALSE(closed);
    EXPECT_EQ(w.ScanControls().tree->VisibleCount(), kCategoryCount);
    Settle();
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace tw
