// A clean's backup under Wine, imported with the system's registry editor,
// gives back every byte the clean removed, whatever the names and data.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "platform/win32/win32_platform.h"
#include "registry_cleaner/finding_tree.h"
#include "registry_cleaner/registry_clean.h"
#include "registry_cleaner/registry_scan.h"
#include "support/exact_snapshot.h"
#include "support/registry_editor_win.h"

namespace tw {
namespace {

const std::string kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
// What HKEY_CLASSES_ROOT shows under Wine.
const std::string kClasses = "Software\\Classes\\";
const std::string kGone = "C:\\TidewellBackupTest\\Gone\\";
const std::string kLone = Utf16ToUtf8(u"lone \xDC01 half");
const std::string kPlanted = "Software\\TidewellPlanted";

RegValue Raw(std::uint32_t type, std::vector<std::uint8_t> bytes) { return RegValue{type, std::move(bytes)}; }

struct Area {
    RootKey root;
    std::string path;
};

class BackupUnderWine : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override {
        Remove();
        if (!backupPath.empty()) p.files.DeleteFile(backupPath);
        p.files.RemoveFolder(store.Folder());
        p.files.RemoveFolder(p.files.ExecutableFolder() + "Backups");
    }
    void Remove() {
        for (const Area& area : areas) p.registry.DeleteKeyTree(area.root, area.path);
        p.registry.DeleteKeyTree(kCurrentUser, kPlanted);
    }
    void Put(RootKey root, const std::string& key, const std::string& name, const RegValue& value) {
        ASSERT_TRUE(p.registry.WriteValue(root, key, name, value)) << key << " | " << name;
    }
    void Orphan(const std::string& program) {
        areas.push_back({kLocalMachine, kAppPaths + program});
        Put(kLocalMachine, kAppPaths + program, "", RegValue::String(kGone + program));
    }
    std::map<std::string, test::ExactSnapshot> Take() const {
        std::map<std::string, test::ExactSnapshot> all;
        for (const Area& area : areas) all[area.path] = test::TakeExact(p.registry, area.root, area.path);
        return all;
    }
    static std::string Differences(const std::map<std::string, test::ExactSnapshot>& before,
                                   const std::map<std::string, test::ExactSnapshot>& after) {
        std::string report;
        for (const auto& [path, snapshot] : before) {
            const std::string differences = test::ExactDifferences(snapshot, after.at(path));
            if (!differences.empty()) report += path + ":\n" + differences;
        }
        return report;
    }
    // Cleans the findings of this test only, through what the window calls.
    CleanOutcome Clean() {
        FindingLists lists;
        NoProgress quiet;
        RunScan(platform, lists, quiet);
        FindingTree tree(lists);
        tree.Build(true);
        for (std::size_t category = 0; category < kCategoryCount; ++category) {
            const auto& found = lists.List(category);
            for (std::size_t i = 0; i < found.size(); ++i) {
                tree.Checks().SetChild(category, i, found[i].Entry.find(kGone) != std::string::npos);
            }
        }
        ExportBuffer buffer;
        CleanOutcome outcome = BackUpAndRemove(platform, lists, tree.Checks(), buffer, store);
        backupPath = store.Folder() + "\\" + outcome.backupFile;
        return outcome;
    }

    Win32Platform p;
    Platform platform = p.Bundle();
    BackupStore store{platform, kRegCleanBackups};
    std::vector<Area> areas;
    std::string backupPath;
};

TEST_F(BackupUnderWine, EveryNameAndByteOfTheRemovedTreesComesBack) {
    const std::string every = kAppPaths + "twbk_every.exe";
    Orphan("twbk_every.exe");
    Put(kLocalMachine, every, "line breaks", RegValue::String("a\r\nb\rc\n"));
    Put(kLocalMachine, every, "text after NUL", Raw(RegType::Sz, {'a', 0, 0, 0, 'b', 0, 0, 0}));
    Put(kLocalMachine, every, "odd length", Raw(RegType::Sz, {'a', 0, 0, 0, 'z'}));
    Put(kLocalMachine, every, "no bytes", Raw(RegType::Sz, {}));
    Put(kLocalMachine, every, "double NUL", Raw(RegType::Sz, {'a', 0, 0, 0, 0, 0}));
    Put(kLocalMachine, every, "expand", Raw(RegType::ExpandSz, {'%', 0, '\n', 0, 0, 0, 'x', 0, 0, 0}));
    Put(kLocalMachine, every, "multi", RegValue::MultiString({"one\r\n", "", "ż"}));
    Put(kLocalMachine, every, "名前", RegValue::String("данные \"в\" \\кавычках\\"));
    Put(kLocalMachine, every, kLone, RegValue::String("data " + kLone));
    for (const char* key : {"Ž", "ż", "Ł"}) Put(kLocalMachine, every + "\\" + key, key, RegValue::String(key));
    Put(kLocalMachine, every + "\\" + kLone, "", RegValue::Dword(7));
    ASSERT_TRUE(p.registry.CreateKey(kLocalMachine, every + "\\Empty"));
    // Two findings whose names are no case pair: each is backed up.
    Orphan("twbkŽ.exe");
    Orphan("twbkż.exe");
    // The extension names its program identifier with a leading backslash.
    areas.push_back({kLocalMachine, kClasses + ".twbkslash"});
    areas.push_back({kLocalMachine, kClasses + "TidewellBackupTest.File"});
    Put(kLocalMachine, kClasses + ".twbkslash", "", RegValue::String("\\TidewellBackupTest.File"));
    Put(kLocalMachine, kClasses + "TidewellBackupTest.File\\shell\\open\\command", "",
        RegValue::String(kGone + "twbk.exe %1"));
    Put(kLocalMachine, kClasses + "TidewellBackupTest.File", "Ł", RegValue::String("ł\r\n"));

    const auto before = Take();
    const CleanOutcome outcome = Clean();
    EXPECT_TRUE(outcome.leftEntries.empty());
    for (const Area& area : areas) EXPECT_FALSE(p.registry.KeyExists(area.root, area.path)) << area.path;

    ASSERT_TRUE(test::ImportWithRegistryEditor(backupPath).has_value()) << "the registry editor did not run";
    EXPECT_EQ(Differences(before, Take()), "");
}

TEST_F(BackupUnderWine, ATreeWithALineBreakInAKeyNameIsKeptAndNamedAndNothingIsPlanted) {
    const std::string broken = kAppPaths + "twbk_break.exe";
    Orphan("twbk_break.exe");
    Put(kLocalMachine, broken + "\\Sub\r\n[HKEY_CURRENT_USER\\" + kPlanted + "]", "v", RegValue::String("x"));
    Orphan("twbk_plain.exe");
    Put(kLocalMachine, kAppPaths + "twbk_plain.exe", "Path", RegValue::String(kGone));

    const auto before = Take();
    const CleanOutcome outcome = Clean();
    EXPECT_EQ(outcome.leftEntries, std::vector<std::string>{kGone + "twbk_break.exe"});
    EXPECT_NE(EntriesLeftNotice(outcome.leftEntries).find(kGone + "twbk_break.exe"), std::string::npos);
    EXPECT_EQ(test::ExactDifferences(before.at(broken), test::TakeExact(p.registry, kLocalMachine, broken)), "");
    EXPECT_FALSE(p.registry.KeyExists(kLocalMachine, kAppPaths + "twbk_plain.exe"));

    ASSERT_TRUE(test::ImportWithRegistryEditor(backupPath).has_value()) << "the registry editor did not run";
    EXPECT_EQ(Differences(before, Take()), "");
    EXPECT_FALSE(p.registry.KeyExists(kCurrentUser, kPlanted));
}

}  // namespace
}  // namespace tw
