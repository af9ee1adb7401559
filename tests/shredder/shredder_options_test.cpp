#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "shredder/shredder_options.h"

namespace tw {
namespace {

class ShredderOptionsTest : public ::testing::Test {
protected:
    std::string Stored(std::string_view name) { return settings.ReadString(SettingsStore::kStates, name, false); }
    MemoryPlatform p;
    SettingsStore settings{p.registry};
};

TEST_F(ShredderOptionsTest, NothingStoredGivesAdvancedWipingAndRenaming) {
    EXPECT_EQ(LoadShredderOptions(settings), (ShredderOptions{3, true}));
    EXPECT_EQ(WipeAlgorithmNumber(ShredderOptions{}.algorithm).caption, "Advanced Wiping (5 passes, quite secure)");
}

TEST_F(ShredderOptionsTest, StoredValuesOutsideTheirRangeFallToTheDefaults) {
    for (const char* junk : {"9", "0", "", "3x", "True"}) {
        settings.WriteString(SettingsStore::kStates, "fsAlgorithm", junk);
        settings.WriteString(SettingsStore::kStates, "fsRename", junk);
        EXPECT_EQ(LoadShredderOptions(settings), (ShredderOptions{3, std::string_view(junk) != "0"})) << junk;
    }
}

TEST_F(ShredderOptionsTest, SavedOptionsComeBackAndAreStoredAsTheirNumbers) {
    for (int algorithm = 1; algorithm <= kWipeAlgorithmCount; ++algorithm) {
        for (const bool rename : {false, true}) {
            SaveShredderOptions(settings, {algorithm, rename});
            EXPECT_EQ(LoadShredderOptions(settings), (ShredderOptions{algorithm, rename}));
            EXPECT_EQ(Stored("fsAlgorithm"), std::to_string(algorithm));
            EXPECT_EQ(Stored("fsRename"), rename ? "1" : "0");
        }
    }
}

}  // namespace
}  // namespace tw
