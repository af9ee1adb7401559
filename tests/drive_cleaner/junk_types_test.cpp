#include <gtest/gtest.h>

#include "drive_cleaner/junk_file_types.h"
#include "platform/memory/memory_platform.h"

namespace tw {
namespace {

class JunkTypesTest : public ::testing::Test {
protected:
    std::vector<std::string> Listed() {
        std::vector<std::string> rows;
        for (const auto& t : LoadJunkFileTypes(settings))
            rows.push_back((t.enabled ? "+" : "-") + t.mask + "=" + t.description);
        return rows;
    }
    MemoryPlatform p;
    SettingsStore settings{p.registry};
};

using Rows = std::vector<std::string>;

TEST_F(JunkTypesTest, FirstUseListsNothingWithEveryOptionTicked) {
    EXPECT_EQ(Listed(), Rows{});
    EXPECT_EQ(LoadDriveOptions(settings), (DriveOptions{true, true, true}));
}

TEST_F(JunkTypesTest, DefaultsReplaceEveryStoredTypeInTheirOrder) {
    AddJunkFileType(settings, "*.log", "Logs");
    StoreDrivePageSettings(settings, {}, {{"*.dmp", "Dumps", false}});
    RestoreDefaultJunkFileTypes(settings);
    EXPECT_EQ(Listed(), (Rows{"+*.tmp=Temporary Files", "+*.~mp=Temporary Files", "+*.old=Temporary Backup Files",
                            "+*.bak=Temporary Backup Files", "+*.$$$=Temporary Backup Files",
                            "+*.fts=Temporary Help Files", "+*.gid=Temporary Help Files",
                            "+file*.chk=Scandisk Backup Files"}));
}

TEST_F(JunkTypesTest, AddingAMaskStandingDisabledListsItTwiceAndTheLaterRowDecides) {
    StoreDrivePageSettings(settings, {}, {{"*.dmp", "Dumps", false}});
    AddJunkFileType(settings, "*.DMP", "");
    auto rows = LoadJunkFileTypes(settings);
    EXPECT_EQ(Listed(), (Rows{"+*.DMP=", "-*.dmp=Dumps"}));
    StoreDrivePageSettings(settings, {}, rows);
    EXPECT_EQ(Listed(), (Rows{"-*.dmp=Dumps"}));
}

TEST_F(JunkTypesTest, RemoveTakesTheMaskFromBothListsInAnyCase) {
    AddJunkFileType(settings, "*.a", "A");
    AddJunkFileType(settings, "*.b", "B");
    StoreDrivePageSettings(settings, {}, {{"*.A", "A", false}, {"*.b", "B", true}});
    RemoveJunkFileType(settings, "*.A");
    EXPECT_EQ(Listed(), (Rows{"+*.b=B"}));
}

TEST_F(JunkTypesTest, OptionsAndTicksAreStoredAndReadBack) {
    for (const DriveOptions options : {DriveOptions{false, true, false}, DriveOptions{true, false, true}}) {
        StoreDrivePageSettings(settings, options, {{"*.x", "X", options.recycle}, {"*.y", "Y", !options.recycle}});
        EXPECT_EQ(LoadDriveOptions(settings), options);
        EXPECT_EQ(settings.ReadString(SettingsStore::kStates, "dcWindows", false),
                  options.excludeWindows ? "True" : "False");
        EXPECT_EQ(Listed(), options.recycle ? (Rows{"+*.x=X", "-*.y=Y"}) : (Rows{"+*.y=Y", "-*.x=X"}));
    }
}

// Such a type would list programs and documents for deleting alike.
TEST(JunkTypes, MasksThatMatchEveryFileNameAreTold) {
    const std::pair<const char*, bool> cases[] = {
        {"*", true},      {"*.*", true},     {"**", true},        {"*.**", true},     {"?*", true},
        {"*?", true},     {"*.?*", true},    {"*.tmp", false},    {"file*.chk", false}, {"?.?", false},
        {"*.???", false}, {"[a-z]*.*", false}, {"*e*", false},    {"*.[", false},     {"", false},
    };
    for (const auto& [mask, every] : cases) EXPECT_EQ(MatchesEveryFileName(mask), every) << mask;
}

}  // namespace
}  // namespace tw
