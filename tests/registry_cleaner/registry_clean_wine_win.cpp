// The scan, the clean and the restore against the real registry and the
// system's registry editor (under Wine in the test prefix).
#include <gtest/gtest.h>

#include <cstdlib>

#include "orphan_fixture.h"
#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"
#include "registry_cleaner/finding_tree.h"
#include "registry_cleaner/registry_clean.h"
#include "registry_cleaner/registry_scan.h"
#include "registry_cleaner/scan_categories.h"
#include "services/windows_family.h"
#include "support/registry_editor_win.h"

namespace tw {
namespace {

// A child run under another Windows version says which family it expects.
constexpr char kExpectedFamily[] = "TW_EXPECTED_WINDOWS_FAMILY";
constexpr std::string_view kTestFolder = "C:\\TidewellTest";

std::vector<std::string> FileLines(FileSystem& files, const std::string& path) {
    auto stream = files.Open(path, OpenMode::Read, Share::Read);
    std::string text(stream->Size(), '\0');
    stream->Read({reinterpret_cast<std::uint8_t*>(text.data()), text.size()});
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

class RegistryCleanUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.Remove(p.registry, true);  // what an interrupted run left
        p.files.CreateFolder(kTestFolder);
        p.files.CreateFolder(std::string(kTestFolder) + "\\Here");
        for (const std::string& path : fixture.PresentFiles()) {
            p.files.Open(path, OpenMode::Create, Share::Exclusive)->Write(std::vector<std::uint8_t>{'x'});
        }
    }
    void TearDown() override {
        fixture.Remove(p.registry, true);
        for (const std::string& path : fixture.PresentFiles()) p.files.DeleteFile(path);
        p.files.RemoveFolder(std::string(kTestFolder) + "\\Here");
        p.files.RemoveFolder(kTestFolder);
        if (!backupPath.empty()) p.files.DeleteFile(backupPath);
        p.files.RemoveFolder(store.Folder());
        p.files.RemoveFolder(p.files.ExecutableFolder() + "Backups");
    }
    FindingLists Scan() {
        FindingLists lists;
        NoProgress quiet;
        RunScan(platform, lists, quiet);
        return lists;
    }

    Win32Platform p;
    Platform platform = p.Bundle();
    test::OrphanFixture fixture{platform};
    BackupStore store{platform, kRegCleanBackups};
    std::string backupPath;
};

TEST_F(RegistryCleanUnderWine, FindsCleansAndRestoresEveryCategoryByteForByte) {
    const char* family = std::getenv(kExpectedFamily);
    ASSERT_EQ(WindowsFamily(p.system), family ? family : "WinNT");
    // What the prefix itself holds stays out of the comparison, and unchecked.
    const FindingLists baseline = Scan();
    fixture.Seed(p.registry, true);
    FindingLists lists = Scan();
    const FindingLists expected = fixture.ExpectedFindings();
    FindingTree tree(lists);
    tree.Build(true);
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        std::vector<Finding> ours;
        const auto& before = baseline.List(category);
        const auto& found = lists.List(category);
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (std::find(before.begin(), before.end(), found[i]) == before.end())
                ours.push_back(found[i]);
            else
                tree.Checks().SetChild(category, i, false);
        }
        EXPECT_EQ(ours, expected.List(category)) << kCategoryTexts[category].caption;
    }
    // A mixed category: the second sound stays.
    const auto& sounds = lists.lvSounds;
    const auto system = std::find(sounds.begin(), sounds.end(), expected.lvSounds.at(1));
    ASSERT_NE(system, sounds.end());
    tree.Checks().SetChild(kSounds, static_cast<std::size_t>(system - sounds.begin()), false);

    test::RegistrySnapshot seeded;
    fixture.AddAreas(seeded, p.registry);
    test::RegistrySnapshot cleaned = seeded;
    fixture.ApplyExpectedRemovals(cleaned, false);
    ExportBuffer buffer;
    backupPath = store.Folder() + "\\" + BackUpAndRemove(platform, lists, tree.Checks(), buffer, store).backupFile;
    EXPECT_EQ(FileLines(p.files, backupPath), fixture.ExpectedBackup(false));
    test::RegistrySnapshot afterClean;
    fixture.AddAreas(afterClean, p.registry);
    EXPECT_EQ(test::SnapshotDifferences(cleaned, afterClean), "");

    const auto imported = test::ImportWithRegistryEditor(backupPath);
    ASSERT_TRUE(imported.has_value()) << "the registry editor did not run";
    test::RegistrySnapshot restored;
    fixture.AddAreas(restored, p.registry);
    EXPECT_EQ(test::SnapshotDifferences(seeded, restored), "");
}

// Wine tells a program the Windows version of its AppDefaults entry when
// it starts; the child runs the test above as Windows 98 would see it.
TEST(RegistryCleanUnderWine98, TheNineXFontKeyIsCleanedAndRestored) {
    Win32Platform p;
    EXPECT_TRUE(test::OneTestPassesAsWindows98(p, kExpectedFamily, L"RegistryCleanUnderWine.*"));
}

}  // namespace
}  // namespace tw
