#include <gtest/gtest.h>

#include "orphan_fixture.h"
#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "platform/text.h"
#include "registry_cleaner/finding_tree.h"
#include "registry_cleaner/registry_clean.h"
#include "registry_cleaner/registry_scan.h"
#include "registry_cleaner/scan_categories.h"

namespace tw {
namespace {

constexpr std::string_view kBackupFile =
    "C:\\Program Files\\Tidewell\\Backups\\RegClean\\07-December-2026 - 02.05.09 PM.reg";

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line ends without CR LF";
    return lines;
}

class RegistryClean : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.Seed(machine.registry, false);
        for (const std::string& path : fixture.PresentFiles()) machine.files.AddFile(path, "x");
        Rescan();
    }
    void Rescan() {
        NoProgress quiet;
        RunScan(machine.Bundle(), lists, quiet);
        tree.Build(true);
    }
    test::RegistrySnapshot Snapshot() const {
        test::RegistrySnapshot s;
        for (RootKey root : {kClassesRoot, kCurrentUser, kLocalMachine}) s.AddTree(machine.registry, root, "");
        return s;
    }
    CleanOutcome Clean() { return BackUpAndRemove(platform, lists, tree.Checks(), buffer, store); }
    std::vector<std::string> FileLines() const { return SplitLines(machine.files.Text(kBackupFile)); }

    MemoryPlatform machine;
    Platform platform = machine.Bundle();
    test::OrphanFixture fixture{platform};
    FindingLists lists;
    FindingTree tree{lists};
    ExportBuffer buffer;
    BackupStore store{platform, kRegCleanBackups};
};

TEST_F(RegistryClean, BacksUpEveryCheckedFindingAsPrescribedAndRemovesExactlyThose) {
    test::RegistrySnapshot expected = Snapshot();
    fixture.ApplyExpectedRemovals(expected, true);
    EXPECT_EQ(Clean().backupFile, "07-December-2026 - 02.05.09 PM.reg");
    EXPECT_EQ(FileLines(), fixture.ExpectedBackup(true));
    EXPECT_EQ(buffer.Regedit4Lines(machine.system), fixture.ExpectedBackup(true));
    EXPECT_EQ(test::SnapshotDifferences(expected, Snapshot()), "");
    // The icon keys stay, without their default values.
    EXPECT_TRUE(machine.registry.KeyExists(kClassesRoot, "TidewellTest.StaleIcon\\DefaultIcon"));
}

TEST_F(RegistryClean, OnlyTheCheckedFindingsOfAMixedCategoryAreTouched) {
    tree.Checks().SetChild(kSounds, 1, false);
    ASSERT_EQ(tree.Checks().Group(kSounds), ui::CheckState::Mixed);
    test::RegistrySnapshot expected = Snapshot();
    fixture.ApplyExpectedRemovals(expected, false);
    Clean();
    EXPECT_EQ(FileLines(), fixture.ExpectedBackup(false));
    EXPECT_EQ(test::SnapshotDifferences(expected, Snapshot()), "");
}

TEST_F(RegistryClean, WithEveryCategoryUncheckedTheFileHoldsTheHeaderAlone) {
    const test::RegistrySnapshot before = Snapshot();
    tree.Checks().SetAll(false);
    Clean();
    EXPECT_EQ(FileLines(), (std::vector<std::string>{"REGEDIT4", ""}));
    EXPECT_EQ(test::SnapshotDifferences(before, Snapshot()), "");
}

TEST_F(RegistryClean, ACollapsedUncheckedCategoryKeepsEveryFinding) {
    tree.Checks().SetGroup(kActivex, false);
    ASSERT_FALSE(tree.Checks().ChildrenCreated(kFileTypes));
    Clean();
    EXPECT_TRUE(machine.registry.KeyExists(kClassesRoot, "TypeLib\\{A5E0C0DE-0007-4D1E-9A11-7E57DA7A0001}"));
    EXPECT_FALSE(machine.registry.KeyExists(kClassesRoot, ".twtestgone"));
}

TEST_F(RegistryClean, Windows98CleansTheNineXFontKeyOnly) {
    machine.system.SetVersion(OsVersion{1, 4, 10, 0});
    test::OrphanFixture nineX(platform);
    nineX.Seed(machine.registry, false);
    Rescan();
    tree.Checks().SetAll(false);
    tree.Checks().SetGroup(kFonts, true);
    Clean();
    EXPECT_EQ(FileLines(), (std::vector<std::string>{
                               "REGEDIT4", "", "", "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Fonts]",
                               "\"Tidewell Test Gone (TrueType)\"=\"twtest_gone.ttf\"",
                               "\"Tidewell Test Path\"=\"C:\\\\TidewellTest\\\\Gone\\\\twtest_path.ttf\""}));
    EXPECT_FALSE(machine.registry.ReadValue(kLocalMachine, nineX.FontKey(), "Tidewell Test Gone (TrueType)"));
    // The same names under the NT key were not what this family scanned.
    EXPECT_TRUE(machine.registry.ReadValue(kLocalMachine, kFontsNtKey, "Tidewell Test Gone (TrueType)"));
}

TEST_F(RegistryClean, NothingIsRemovedWhenTheBackupFolderCannotBeMade) {
    const test::RegistrySnapshot before = Snapshot();
    machine.files.FailCreateFolder("C:\\Program Files\\Tidewell\\Backups");
    try {
        Clean();
        ADD_FAILURE() << "the clean went on without its backup";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Cannot create Backup Directory");
    }
    EXPECT_EQ(test::SnapshotDifferences(before, Snapshot()), "");
}

TEST_F(RegistryClean, NothingIsRemovedWhenTheBackupFileCannotBeWritten) {
    const test::RegistrySnapshot before = Snapshot();
    machine.files.SetFreeSpace(100);
    EXPECT_THROW(Clean(), Error);
    EXPECT_EQ(test::SnapshotDifferences(before, Snapshot()), "");
    EXPECT_FALSE(machine.files.FileExists(kBackupFile));
}

TEST_F(RegistryClean, AValueGoneBeforeTheCleanAddsNothingAndStopsNothing) {
    machine.registry.DeleteKeyTree(kClassesRoot, "TidewellTest.StaleIcon");
    machine.registry.DeleteValue(kCurrentUser, "AppEvents\\Schemes\\Apps\\TidewellTest\\TwGone\\.Current", "");
    Clean();
    const auto lines = FileLines();
    const auto stale = std::find(lines.begin(), lines.end(), "[HKEY_CLASSES_ROOT\\TidewellTest.StaleIcon\\DefaultIcon]");
    ASSERT_NE(stale, lines.end());
    EXPECT_EQ(*(stale + 1), "");  // no value line: the App Paths section follows
    EXPECT_FALSE(machine.registry.KeyExists(kClassesRoot, "TypeLib\\{A5E0C0DE-0007-4D1E-9A11-7E57DA7A0001}"));
}

// Only the App Paths and file type categories are checked, over entries
// added to the fixture's.
class RegistryCleanNames : public RegistryClean {
protected:
    void Add(RootKey root, const std::string& key, const std::string& name, const std::string& text) {
        machine.registry.WriteValue(root, key, name, RegValue::String(text));
    }
    CleanOutcome CleanOnly(std::initializer_list<std::size_t> categories) {
        Rescan();
        tree.Checks().SetAll(false);
        for (const std::size_t category : categories) tree.Checks().SetGroup(category, true);
        return Clean();
    }
    bool InBackup(const std::string& line) const {
        const auto lines = buffer.Version5Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
};

TEST_F(RegistryCleanNames, ANameWithALineBreakKeepsItsWholeFindingAndIsReported) {
    Add(kLocalMachine, appPaths + "twtest_break.exe", "", test::orphan::kGone + "twtest_break.exe");
    Add(kLocalMachine, appPaths + "twtest_break.exe\\Sub\nKey", "v", "x");
    Add(kLocalMachine, appPaths + "twtest_value.exe", "", test::orphan::kGone + "twtest_value.exe");
    Add(kLocalMachine, appPaths + "twtest_value.exe", "line\r\nbreak", "x");
    const CleanOutcome outcome = CleanOnly({kAppPaths});
    EXPECT_EQ(outcome.leftEntries, (std::vector<std::string>{test::orphan::kGone + "twtest_break.exe",
                                                             test::orphan::kGone + "twtest_value.exe"}));
    EXPECT_TRUE(machine.registry.KeyExists(kLocalMachine, appPaths + "twtest_break.exe\\Sub\nKey"));
    EXPECT_TRUE(machine.registry.ReadValue(kLocalMachine, appPaths + "twtest_value.exe", "line\r\nbreak"));
    EXPECT_FALSE(InBackup("[HKEY_LOCAL_MACHINE\\" + appPaths + "twtest_break.exe]"));
    // The rest of the category is cleaned as usual.
    EXPECT_FALSE(machine.registry.KeyExists(kLocalMachine, appPaths + "twtest_gone.exe"));
    EXPECT_TRUE(InBackup("[HKEY_LOCAL_MACHINE\\" + appPaths + "twtest_gone.exe]"));
    EXPECT_EQ(EntriesLeftNotice({"a\r\nb", "c"}), std::string(kEntriesLeft) + "\na  b\nc");
}

TEST_F(RegistryCleanNames, LettersThatAreNoCasePairAreTwoKeysBothBackedUp) {
    for (const char* name : {"twtestŽ.exe", "twtestż.exe", "twtestŁ.exe", "twtestł.exe"}) {
        Add(kLocalMachine, appPaths + name, "", test::orphan::kGone + name);
    }
    const CleanOutcome outcome = CleanOnly({kAppPaths});
    EXPECT_TRUE(outcome.leftEntries.empty());
    // Ł and ł are one key, written by the first; Ž and ż are two.
    for (const char* name : {"twtestŽ.exe", "twtestż.exe", "twtestŁ.exe"}) {
        EXPECT_TRUE(InBackup("[HKEY_LOCAL_MACHINE\\" + appPaths + name + "]")) << name;
        EXPECT_FALSE(machine.registry.KeyExists(kLocalMachine, appPaths + name)) << name;
    }
}

// The second extension's identifier is spelled with the pair of a letter of
// different UTF-8 length: the key is the one the first removes already.
TEST_F(RegistryCleanNames, AnIdentifierSharedInAnotherCaseIsBackedUpOnce) {
    Add(kClassesRoot, ".twtestpair1", "", "TidewellTestȺ");
    Add(kClassesRoot, ".twtestpair2", "", "TidewellTestⱥ");
    Add(kClassesRoot, "TidewellTestȺ\\shell\\open\\command", "", test::orphan::kGone + "pair.exe %1");
    CleanOnly({kFileTypes});
    const auto lines = buffer.Version5Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return EqualsIgnoreCase(line, "[HKEY_CLASSES_ROOT\\TidewellTestȺ\\shell\\open\\command]");
                            }),
              1);
    EXPECT_FALSE(machine.registry.KeyExists(kClassesRoot, "TidewellTestȺ"));
}

TEST_F(RegistryCleanNames, AProgramIdentifierWithALeadingBackslashNamesItsKey) {
    Add(kClassesRoot, ".twtestslash", "", "\\TidewellTest.SlashFile");
    Add(kClassesRoot, "TidewellTest.SlashFile\\shell\\open\\command", "", test::orphan::kGone + "slash.exe %1");
    Add(kClassesRoot, ".twtestroot", "", "\\\\");
    const CleanOutcome outcome = CleanOnly({kFileTypes});
    EXPECT_TRUE(outcome.leftEntries.empty());
    EXPECT_TRUE(InBackup("[HKEY_CLASSES_ROOT\\TidewellTest.SlashFile]"));
    EXPECT_FALSE(machine.registry.KeyExists(kClassesRoot, "TidewellTest.SlashFile"));
    EXPECT_FALSE(machine.registry.KeyExists(kClassesRoot, ".twtestslash"));
    EXPECT_TRUE(machine.registry.KeyExists(kClassesRoot, ".twtestroot"));
}

}  // namespace
}  // namespace tw
