#include "suite/settings_store.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"

namespace tw {
namespace {

constexpr auto kRoot = "Software\\Quorvex Software\\Tidewell";

class SettingsStoreTest : public ::testing::Test {
protected:
    void Put(std::string_view subKey, std::string_view name, std::string_view text) {
        ASSERT_TRUE(p.registry.WriteValue(kLocalMachine, std::string(kRoot) + "\\" + std::string(subKey), name,
                                          RegValue::String(text)));
    }
    std::string Stored(std::string_view subKey, std::string_view name) {
        auto v = p.registry.ReadValue(kLocalMachine, std::string(kRoot) + "\\" + std::string(subKey), name);
        return v ? v->Text() : "<missing>";
    }
    MemoryPlatform p;
    SettingsStore store{p.registry};
};

TEST_F(SettingsStoreTest, FirstRunWithoutAnyKeyGivesTheDefaults) {
    for (std::size_t i = 0; i < kToolCount; ++i) EXPECT_FALSE(store.SkipIntro(static_cast<Tool>(i)));
    EXPECT_EQ(store.ShredderAlgorithm(), std::nullopt);
    EXPECT_TRUE(store.ShredderRename());
    EXPECT_TRUE(store.DriveExcludeWindows());
    EXPECT_TRUE(store.DriveExcludeSystem());
    EXPECT_TRUE(store.DriveRecycle());
    EXPECT_TRUE(store.JunkTypes().empty());
    for (std::size_t i = 0; i + 1 < kPrivacyItems.size(); ++i) EXPECT_TRUE(store.PrivacyItemSelected(i)) << i;
    EXPECT_FALSE(store.PrivacyItemSelected(kPrivacyItems.size() - 1));
}

TEST_F(SettingsStoreTest, ReadingIntroFlagCreatesShowScreensButOtherReadersDoNot) {
    (void)store.SkipIntro(Tool::FileSplitter);
    (void)store.DriveRecycle();
    (void)store.PrivacyItemSelected(0);
    EXPECT_TRUE(p.registry.KeyExists(kLocalMachine, std::string(kRoot) + "\\Show Screens"));
    EXPECT_FALSE(p.registry.KeyExists(kLocalMachine, std::string(kRoot) + "\\states"));
    EXPECT_FALSE(p.registry.KeyExists(kLocalMachine, std::string(kRoot) + "\\Privacy"));
    EXPECT_FALSE(p.registry.KeyExists(kCurrentUser, kRoot));
}

TEST_F(SettingsStoreTest, OnlyTheExactZeroSkipsTheIntroPage) {
    for (const auto* text : {"1", "00", "", " 0", "0 "}) {
        Put("Show Screens", "Drive Cleaner", text);
        EXPECT_FALSE(store.SkipIntro(Tool::DriveCleaner)) << '"' << text << '"';
    }
    Put("Show Screens", "Drive Cleaner", "0");
    EXPECT_TRUE(store.SkipIntro(Tool::DriveCleaner));
    EXPECT_FALSE(store.SkipIntro(Tool::RegistryCleaner));
}

TEST_F(SettingsStoreTest, IntroFlagIsWrittenUnderTheToolsOwnName) {
    store.SetSkipIntro(Tool::FileSplitter, true);
    store.SetSkipIntro(Tool::PrivacyProtector, false);
    EXPECT_EQ(Stored("Show Screens", "File Splitter"), "0");
    EXPECT_EQ(Stored("Show Screens", "Privacy Protector"), "1");
}

TEST_F(SettingsStoreTest, StatesFollowTheirExactReadingRules) {
    Put("states", "dcWindows", "false");  // only the exact "False" unticks
    Put("states", "dcSystem", "False");
    Put("states", "fsRename", "no");
    EXPECT_TRUE(store.DriveExcludeWindows());
    EXPECT_FALSE(store.DriveExcludeSystem());
    EXPECT_TRUE(store.ShredderRename());
    Put("states", "fsRename", "0");
    EXPECT_FALSE(store.ShredderRename());

    for (const auto* text : {"0", "7", "3x", "", "03"}) {
        Put("states", "fsAlgorithm", text);
        EXPECT_EQ(store.ShredderAlgorithm(), std::nullopt) << text;
    }
    Put("states", "fsAlgorithm", "6");
    EXPECT_EQ(store.ShredderAlgorithm(), 6);
}

TEST_F(SettingsStoreTest, OptionsRoundTripAsTheirStoredStrings) {
    store.SetDriveExcludeWindows(false);
    store.SetDriveRecycle(true);
    store.SetShredderAlgorithm(2);
    store.SetShredderRename(false);
    EXPECT_EQ(Stored("states", "dcWindows"), "False");
    EXPECT_EQ(Stored("states", "dcRecycle"), "True");
    EXPECT_EQ(Stored("states", "fsAlgorithm"), "2");
    EXPECT_EQ(Stored("states", "fsRename"), "0");
    EXPECT_FALSE(store.DriveExcludeWindows());
    EXPECT_EQ(store.ShredderAlgorithm(), 2);
    EXPECT_FALSE(store.ShredderRename());
}

TEST_F(SettingsStoreTest, PrivacyClipboardNeedsExactOneOthersNeedExactZeroToFlip) {
    Put("Privacy", "Windows Clipboard", "True");
    Put("Privacy", "Swap File", "");
    EXPECT_FALSE(store.PrivacyItemSelected(10));
    EXPECT_TRUE(store.PrivacyItemSelected(5));
    store.SetPrivacyItemSelected(10, true);
    store.SetPrivacyItemSelected(5, false);
    EXPECT_EQ(Stored("Privacy", "Windows Clipboard"), "1");
    EXPECT_EQ(Stored("Privacy", "Swap File"), "0");
    EXPECT_TRUE(store.PrivacyItemSelected(10));
    EXPECT_FALSE(store.PrivacyItemSelected(5));
}

TEST_F(SettingsStoreTest, JunkTypesListEnabledThenDisabledInRegistryOrder) {
    Put("Temporary Files", "*.tmp", "Temporary Files");
    Put("Temporary Files", "*.chk", "Scandisk Files");
    Put("Temporary Files-", "*.bak", "Backup Files");
    const auto types = store.JunkTypes();
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0].mask, "*.tmp");
    EXPECT_EQ(types[1].description, "Scandisk Files");
    EXPECT_TRUE(types[1].enabled);
    EXPECT_EQ(types[2].mask, "*.bak");
    EXPECT_FALSE(types[2].enabled);

    EXPECT_TRUE(store.DeleteSubKey("Temporary Files-"));
    EXPECT_TRUE(store.DeleteValue("Temporary Files", "*.tmp"));
    ASSERT_EQ(store.JunkTypes().size(), 1u);
}

TEST_F(SettingsStoreTest, NonStringValueReadsAsMissing) {
    ASSERT_TRUE(p.registry.WriteValue(kLocalMachine, std::string(kRoot) + "\\Show Screens", "Internet Tuner",
                                      RegValue::Dword(0)));
    EXPECT_FALSE(store.SkipIntro(Tool::InternetTuner));
}

TEST_F(SettingsStoreTest, WriteWithoutRightsRaisesTheFixedText) {
    p.registry.MakeReadOnly(kLocalMachine, kRoot);
    try {
        store.SetSkipIntro(Tool::HistoryCleaner, true);
        FAIL() << "a refused write must raise";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'History Cleaner'");
    }
    EXPECT_FALSE(store.SkipIntro(Tool::HistoryCleaner));
}

}  // namespace
}  // namespace tw
