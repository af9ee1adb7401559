#include <gtest/gtest.h>

#include "orphan_fixture.h"
#include "platform/memory/memory_platform.h"
#include "registry_cleaner/registry_clean.h"
#include "registry_cleaner/registry_cleaner.h"
#include "registry_cleaner/scan_categories.h"
#include "services/scripted_prompter.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

using ui::CheckState;
using ui::RowRef;
using Kind = ScriptedPrompter::Kind;

class CleanerSession : public ::testing::Test {
protected:
    CleanerSession() {
        fixture.Seed(machine.registry, false);
        for (const std::string& path : fixture.PresentFiles()) machine.files.AddFile(path, "x");
    }
    CleanerHooks Hooks() {
        CleanerHooks hooks;
        hooks.scanning = [this](bool scanning) { events.push_back(scanning ? "scanning" : "scanned"); };
        hooks.treeChanged = [this] { events.push_back(tree.Empty() ? "emptied" : "built"); };
        hooks.backupsChanged = [this] { events.push_back("backups"); };
        return hooks;
    }
    std::size_t BackupCount() { return cleaner.Backups().List().size(); }
    std::vector<CheckState> GroupStates() {
        std::vector<CheckState> states;
        for (std::size_t i = 0; i < tree.RowCount(); ++i) states.push_back(tree.Check({i, std::nullopt}));
        return states;
    }

    MemoryPlatform machine;
    test::OrphanFixture fixture{machine.Bundle()};
    ScriptedPrompter prompter;
    std::vector<std::string> events;
    test::ScriptedProgress progress;
    RegistryCleaner cleaner{machine.Bundle(), prompter, progress, Hooks()};
    FindingTree& tree = cleaner.Tree();
};

TEST_F(CleanerSession, StartBuildsNineCheckedCategoriesOverTheFindings) {
    EXPECT_TRUE(tree.Empty());
    EXPECT_FALSE(cleaner.ScanStarted());
    cleaner.Start();
    EXPECT_TRUE(cleaner.ScanStarted());
    EXPECT_EQ(events, (std::vector<std::string>{"scanning", "emptied", "built", "scanned"}));
    ASSERT_EQ(tree.RowCount(), kCategoryCount);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
    EXPECT_EQ(tree.CellText({1, std::nullopt}, 0), "Orphaned Fonts ");
    EXPECT_EQ(tree.CellText({1, std::nullopt}, 1), "");
    EXPECT_EQ(tree.ImageIndex({8, std::nullopt}), 8);
    EXPECT_EQ(tree.ChildCount(kIcons), 3u);
    EXPECT_EQ(tree.CellText({kIcons, 2}, 0), "C:\\TidewellTest\\Gone\\twlib.dll,3");
    EXPECT_EQ(tree.CellText({kIcons, 2}, 1), "HKEY_CLASSES_ROOT - TidewellTest.StaleIcon\\DefaultIcon");
    EXPECT_EQ(tree.ImageIndex({kIcons, 2}), -1);
}

TEST_F(CleanerSession, SelectAllAndUnselectAllWaitForTheFirstStart) {
    cleaner.SelectAll(false);
    EXPECT_TRUE(tree.Empty());
    EXPECT_TRUE(cleaner.DefaultChecked());
    cleaner.Start();
    tree.Checks().SetChild(kSounds, 0, false);
    cleaner.SelectAll(false);
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Unchecked));
    EXPECT_FALSE(tree.Checks().ChildrenCreated(kSounds));
    EXPECT_EQ(tree.Check({kSounds, 0}), CheckState::Unchecked);
    cleaner.SelectAll(true);
    EXPECT_EQ(tree.Check({kSounds, 0}), CheckState::Checked);
    cleaner.SelectAll(false);
    cleaner.Start();  // Start checks everything again
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
}

TEST_F(CleanerSession, ACleanBacksUpScansAgainCheckedAndReportsSuccess) {
    cleaner.Start();
    cleaner.SelectAll(false);
    tree.Checks().SetGroup(kSharedDlls, true);
    events.clear();
    cleaner.CleanChecked();  // the menu's "Clean Checked" asks nothing
    EXPECT_EQ(prompter.History(), (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, std::string(kCleanDone)}}));
    EXPECT_EQ(events, (std::vector<std::string>{"backups", "scanning", "emptied", "built", "scanned"}));
    EXPECT_EQ(BackupCount(), 1u);
    EXPECT_TRUE(cleaner.Findings().lvSharedDll.empty());
    EXPECT_EQ(cleaner.Findings().lvSounds.size(), 2u);
    EXPECT_TRUE(cleaner.DefaultChecked());
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
    EXPECT_EQ(cleaner.LastBackup().LineCount(), 6u);
}

TEST_F(CleanerSession, EntriesABackupCannotRecordAreNamedAfterTheSuccessMessage) {
    const std::string entry = test::orphan::kGone + "twshared\nbroken.dll";
    machine.registry.WriteValue(kLocalMachine, test::orphan::kSharedDlls, entry, RegValue::Dword(1));
    cleaner.Start();
    cleaner.CleanChecked();
    EXPECT_EQ(prompter.History(), (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, std::string(kCleanDone)},
                                                                        {Kind::Notify, EntriesLeftNotice({entry})}}));
    EXPECT_TRUE(machine.registry.ReadValue(kLocalMachine, test::orphan::kSharedDlls, entry));
    EXPECT_FALSE(machine.registry.ReadValue(kLocalMachine, test::orphan::kSharedDlls, test::orphan::kGone + "twshared.dll"));
}

// The memory clock stands still: both cleans happen in the same second.
TEST_F(CleanerSession, TwoCleansInTheSameSecondKeepTwoBackups) {
    cleaner.Start();
    cleaner.CleanChecked();
    const std::string first = cleaner.Backups().List().at(0).fileName;
    const std::string firstText = machine.files.Text(cleaner.Backups().Folder() + "\\" + first);
    cleaner.CleanChecked();
    ASSERT_EQ(BackupCount(), 2u);
    EXPECT_EQ(machine.files.Text(cleaner.Backups().Folder() + "\\" + first), firstText);
}

TEST_F(CleanerSession, AnEmptyTreeCleansNothingAndAsksNothing) {
    cleaner.CleanAfterConfirmation();
    cleaner.CleanChecked();
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_EQ(BackupCount(), 0u);
    // During a scan the tree is empty too: a clean chosen then does nothing.
    progress.atPump = 0;
    progress.script = [this] { cleaner.CleanChecked(); cleaner.SelectAll(false); };
    cleaner.Start();
    EXPECT_EQ(BackupCount(), 0u);
    EXPECT_TRUE(prompter.History().empty());
    EXPECT_EQ(GroupStates(), std::vector<CheckState>(kCategoryCount, CheckState::Checked));
}

TEST_F(CleanerSession, ASystemWithoutOrphansShowsNineCategoriesWithoutFindings) {
    MemoryPlatform clean;
    RegistryCleaner other(clean.Bundle(), prompter, progress, {});
    other.Start();
    ASSERT_EQ(other.Tree().RowCount(), kCategoryCount);
    for (std::size_t i = 0; i < kCategoryCount; ++i) EXPECT_EQ(other.Tree().ChildCount(i), 0u);
}

}  // namespace
}  // namespace tw
