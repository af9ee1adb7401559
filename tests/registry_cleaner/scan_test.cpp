#include <gtest/gtest.h>

#include "orphan_fixture.h"
#include "platform/memory/memory_platform.h"
#include "registry_cleaner/registry_scan.h"
#include "registry_cleaner/scan_categories.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

class RegistryScan : public ::testing::Test {
protected:
    void SeedFixture() {
        fixture.Seed(machine.registry, false);
        for (const std::string& path : fixture.PresentFiles()) machine.files.AddFile(path, "x");
    }
    FindingLists Scan() {
        FindingLists lists;
        NoProgress quiet;
        RunScan(machine.Bundle(), lists, quiet);
        return lists;
    }

    MemoryPlatform machine;
    test::OrphanFixture fixture{machine.Bundle()};
};

TEST_F(RegistryScan, EveryCategoryReportsExactlyItsOrphansInRegistryOrder) {
    SeedFixture();
    const FindingLists found = Scan();
    const FindingLists expected = fixture.ExpectedFindings();
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
        EXPECT_EQ(found.List(category), expected.List(category)) << kCategoryTexts[category].caption;
    }
}

TEST_F(RegistryScan, Windows98ScansTheNineXFontKeyOnly) {
    machine.system.SetVersion(OsVersion{1, 4, 10, 0});
    test::OrphanFixture nineX(machine.Bundle());
    ASSERT_EQ(nineX.FontKey(), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts");
    nineX.Seed(machine.registry, false);
    for (const std::string& path : nineX.PresentFiles()) machine.files.AddFile(path, "x");
    // The family's other key is not looked at.
    machine.registry.WriteValue(kLocalMachine, kFontsNtKey, "Other Family", RegValue::String("gone.ttf"));
    const FindingLists found = Scan();
    EXPECT_EQ(found.lvFont, nineX.ExpectedFindings().lvFont);
}

TEST_F(RegistryScan, FontsAreNeverReportedWhenTheShellCannotNameTheirFolder) {
    machine.shell.SetSpecialFolder(Csidl::Fonts, "");
    SeedFixture();
    machine.registry.DeleteValue(kLocalMachine, fixture.FontKey(), "Tidewell Test Path");
    EXPECT_TRUE(Scan().lvFont.empty());
}

TEST_F(RegistryScan, KeysThatCannotBeOpenedYieldNothingAndTheScanGoesOn) {
    SeedFixture();
    for (std::string_view key : {std::string_view("CLSID"), std::string_view("TypeLib"), kAppPathsKey, kHelpKey}) {
        machine.registry.FailOpen(key == kAppPathsKey || key == kHelpKey ? kLocalMachine : kClassesRoot, key);
    }
    machine.registry.FailOpen(kCurrentUser, kSoundAppsKey);
    const FindingLists found = Scan();
    for (const auto* list : {&found.lvCOM, &found.lvAppPath, &found.lvHelpFile, &found.lvActivex, &found.lvSounds}) {
        EXPECT_TRUE(list->empty());
    }
    const FindingLists expected = fixture.ExpectedFindings();
    EXPECT_EQ(found.lvSharedDll, expected.lvSharedDll);
    EXPECT_EQ(found.lvIcon, expected.lvIcon);
}

TEST_F(RegistryScan, ShowsEachStatusAndLetsMessagesRunOnlyBetweenCategories) {
    SeedFixture();
    std::vector<std::string> events;
    FindingLists lists;
    lists.lvSounds.push_back({});  // a previous scan's finding
    test::ScriptedProgress progress;
    progress.atPump = 0;
    progress.script = [&] { events.push_back("pump"); };
    progress.onStatus = [&](const std::optional<std::string>& text) { events.push_back("status " + text.value()); };
    RunScan(machine.Bundle(), lists, progress);
    std::vector<std::string> expected{"pump"};
    for (const CategoryText& text : kCategoryTexts) {
        expected.push_back("status " + std::string(text.status));
        expected.push_back("pump");
    }
    expected.push_back("status ");
    EXPECT_EQ(events, expected);
    EXPECT_EQ(lists.lvSounds, fixture.ExpectedFindings().lvSounds);
}

TEST_F(RegistryScan, AFileThatAppearsIsNoLongerReportedOnTheNextScan) {
    SeedFixture();
    machine.files.AddFile("C:\\TidewellTest\\Gone\\twcom.dll", "x");
    machine.files.AddFolder("C:\\TidewellTest\\Gone\\twshared.dll");  // a folder is no file
    const FindingLists found = Scan();
    EXPECT_TRUE(found.lvCOM.empty());
    EXPECT_EQ(found.lvSharedDll.size(), 2u);
}

}  // namespace
}  // namespace tw
