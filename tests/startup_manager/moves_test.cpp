#include <gtest/gtest.h>

#include "platform/error.h"
#include "startup_fixture.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

class StartupMoves : public ::testing::Test, protected StartupMachine {
protected:
    StartupEntry Only() {
        const auto rows = List();
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? StartupEntry{} : rows[0];
    }
    std::string ErrorOf(auto&& action) {
        try {
            action();
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(StartupMoves, AValueKeepsItsTypeAndBytesThroughDisableAndEnable) {
    struct Case {
        RootKey root;
        std::string_view on, off;
        RegValue value;
    };
    const Case cases[] = {
        {kCurrentUser, kRun, kRunOff, RegValue::String("%ProgramFiles%\\a.exe /x", RegType::ExpandSz)},
        {kLocalMachine, kRun32, kRun32Off, RegValue::String("C:\\x86\\b.exe")},
        // Data without its final zero unit is moved as it is, not rewritten.
        {kLocalMachine, kRun, kRunOff, RegValue::Binary({'c', 0, '.', 0}, RegType::Sz)},
    };
    for (const auto& c : cases) {
        p.registry.DeleteKeyTree(c.root, c.on);
        p.registry.WriteValue(c.root, c.on, "App", c.value);
        const StartupEntry entry = Only();
        EXPECT_EQ(DisableStartupEntry(store, entry), MoveResult::Moved);
        EXPECT_FALSE(p.registry.ReadValue(c.root, c.on, "App"));
        EXPECT_EQ(p.registry.ReadValue(c.root, c.off, "App"), c.value) << entry.location;
        EXPECT_FALSE(Only().enabled);
        EXPECT_EQ(EnableStartupEntry(store, entry), MoveResult::Moved);
        EXPECT_EQ(p.registry.ReadValue(c.root, c.on, "App"), c.value) << entry.location;
        EXPECT_FALSE(p.registry.ReadValue(c.root, c.off, "App"));
        EXPECT_TRUE(p.registry.KeyExists(c.root, c.off)) << "the disabled home stays";
        p.registry.DeleteKeyTree(c.root, c.on);
        EXPECT_TRUE(List().empty()) << "the other view holds nothing";
    }
}

TEST_F(StartupMoves, EnableOverwritesTheSameNameInTheEnabledHome) {
    Value(kCurrentUser, kRun, "App", "old.exe");
    Value(kCurrentUser, kRunOff, "App", "new.exe");
    EnableStartupEntry(store, List()[1]);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, "App")->Text(), "new.exe");
    EXPECT_EQ(List().size(), 1u);
}

TEST_F(StartupMoves, AFailedWriteKeepsTheValueAndSaysSo) {
    Value(kCurrentUser, kRun, "App", "app.exe");
    p.registry.MakeReadOnly(kCurrentUser, kRunOff);
    EXPECT_EQ(ErrorOf([&] { DisableStartupEntry(store, Only()); }), "Failed to set data for 'App'");
    EXPECT_TRUE(p.registry.ReadValue(kCurrentUser, kRun, "App"));
}

TEST_F(StartupMoves, AShortcutMovesByteForByteAndTheDisabledFolderIsMadeBesideIt) {
    for (const int csidl : {Csidl::CommonStartup, Csidl::Startup}) {
        const std::string folder = Folder(csidl);
        Link(folder + "\\Tool.lnk", "C:\\tool.exe", "/quiet", "my tool");
        const auto bytes = p.files.Content(folder + "\\Tool.lnk");
        const StartupEntry entry = Only();
        EXPECT_EQ(DisableStartupEntry(store, entry), MoveResult::Moved);
        EXPECT_TRUE(p.files.FolderExists(folder + "-"));
        EXPECT_FALSE(p.files.FileExists(folder + "\\Tool.lnk"));
        EXPECT_EQ(p.files.Content(folder + "-\\Tool.lnk"), bytes);
        EXPECT_FALSE(Only().enabled);
        EXPECT_EQ(EnableStartupEntry(store, entry), MoveResult::Moved);
        EXPECT_EQ(p.files.Content(folder + "\\Tool.lnk"), bytes);
        EXPECT_FALSE(p.files.FileExists(folder + "-\\Tool.lnk"));
        p.files.DeleteFile(folder + "\\Tool.lnk");
    }
}

TEST_F(StartupMoves, AShortcutIsFoundByItsFileWhereItsDisplayNameDiffers) {
    Link(UserFolder() + "\\Tool.lnk", "C:\\tool.exe");
    StartupEntry entry = Only();
    entry.name = "Shown otherwise";
    EXPECT_EQ(DisableStartupEntry(store, entry), MoveResult::Moved);
    EXPECT_TRUE(p.files.FileExists(UserFolder() + "-\\Tool.lnk"));
}

TEST_F(StartupMoves, FailuresLeaveTheShortcutWhereItWas) {
    Link(UserFolder() + "\\Tool.lnk", "C:\\tool.exe");
    const StartupEntry entry = Only();
    p.files.FailCreateFolder(UserFolder() + "-\\");
    p.files.FailCreateFolder(UserFolder() + "-");
    EXPECT_EQ(ErrorOf([&] { DisableStartupEntry(store, entry); }), "Cannot create Startup Directory");
    p.files.AddFolder(UserFolder() + "-");
    p.files.SetFreeSpace(0);
    EXPECT_NE(ErrorOf([&] { DisableStartupEntry(store, entry); }), "");
    p.files.SetFreeSpace(1 << 20);
    p.files.FailDelete(UserFolder() + "\\Tool.lnk");
    EXPECT_NE(ErrorOf([&] { DisableStartupEntry(store, entry); }), "");
    EXPECT_FALSE(p.files.FileExists(UserFolder() + "-\\Tool.lnk")) << "no second copy";
    EXPECT_TRUE(Only().enabled);
}

TEST_F(StartupMoves, AToggleWithNothingOnDiskSaysSo) {
    StartupEntry gone;
    gone.name = "Gone";
    gone.location = kCurrentUserFolder;
    EXPECT_EQ(DisableStartupEntry(store, gone), MoveResult::NothingFound);
    EXPECT_EQ(EnableStartupEntry(store, gone), MoveResult::NothingFound);
}

TEST_F(StartupMoves, TickingATaskManagerOffEntryMarksItOnAndLeavesItInPlace) {
    std::vector<std::uint8_t> off(12, 0x11);
    off[0] = 3;
    Value(kCurrentUser, kRun, "App", "app.exe", RegType::ExpandSz);
    p.registry.WriteValue(kCurrentUser, kApprovedRun, "App", RegValue::Binary(off));
    Link(CommonFolder() + "\\Tool.lnk", "C:\\tool.exe");
    p.registry.WriteValue(kLocalMachine, kApprovedFolder, "Tool.lnk", RegValue::Binary(off));
    std::vector<std::uint8_t> on(12, 0);
    on[0] = 2;
    for (const auto& entry : List()) {
        ASSERT_FALSE(entry.enabled);
        EXPECT_EQ(EnableStartupEntry(store, entry), MoveResult::Moved);
    }
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kApprovedRun, "App"), RegValue::Binary(on));
    EXPECT_EQ(p.registry.ReadValue(kLocalMachine, kApprovedFolder, "Tool.lnk"), RegValue::Binary(on));
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, "App"), RegValue::String("app.exe", RegType::ExpandSz));
    EXPECT_TRUE(p.files.FileExists(CommonFolder() + "\\Tool.lnk"));
    for (const auto& entry : List()) EXPECT_TRUE(entry.enabled) << entry.name;
}

TEST_F(StartupMoves, RemoveDeletesFromTheHomeTheBoxNames) {
    Value(kCurrentUser, kRun, "App", "on.exe");
    Value(kCurrentUser, kRunOff, "App", "off.exe");
    Value(kLocalMachine, kRun32, "Old", "old.exe");
    Value(kLocalMachine, kRun, "Old", "native.exe");
    auto rows = List();
    ASSERT_EQ(rows.size(), 4u);
    RemoveStartupEntry(store, rows[3], false);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, "App")->Text(), "on.exe");
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kRunOff, "App"));
    RemoveStartupEntry(store, rows[1], true);
    EXPECT_FALSE(p.registry.ReadValue(kLocalMachine, kRun32, "Old"));
    EXPECT_TRUE(p.registry.ReadValue(kLocalMachine, kRun, "Old")) << "the 64-bit view is untouched";
    Link(UserFolder() + "\\Tool.lnk", "C:\\tool.exe");
    RemoveStartupEntry(store, List().back(), true);
    EXPECT_FALSE(p.files.FileExists(UserFolder() + "\\Tool.lnk"));
    RemoveStartupEntry(store, List().back(), true);  // already gone: silent
}

TEST_F(StartupMoves, RemovingATaskManagerOffEntryDeletesItFromWhereItIs) {
    Value(kCurrentUser, kRun, "App", "app.exe");
    p.registry.WriteValue(kCurrentUser, kApprovedRun, "App", RegValue::Binary(std::vector<std::uint8_t>(12, 3)));
    RemoveStartupEntry(store, Only(), false);
    EXPECT_TRUE(List().empty());
}

}  // namespace
}  // namespace tw
