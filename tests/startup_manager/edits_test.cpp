#include <gtest/gtest.h>

#include "platform/error.h"
#include "startup_fixture.h"
#include "startup_manager/startup_edits.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

class StartupEdits : public ::testing::Test, protected StartupMachine {};

TEST_F(StartupEdits, AddPutsANewEnabledEntryIntoEachHome) {
    p.registry.CreateKey(kLocalMachine, kRun);
    AddStartupEntry(store, "Reg", "C:\\reg.exe /x", kAllUsersRun);
    AddStartupEntry(store, "Tool", "C:\\Tools\\tool.exe", kCurrentUserFolder);
    const auto rows = List();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (StartupEntry{"Reg", "C:\\reg.exe /x", std::string(kAllUsersRun), rows[0].imageIndex, true, {}}));
    EXPECT_EQ(rows[1].name, "Tool");
    EXPECT_EQ(rows[1].command, "C:\\Tools\\tool.exe");
    EXPECT_TRUE(rows[1].enabled);
    const auto link = p.shell.ReadShortcut(UserFolder() + "\\Tool.lnk");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->workingDirectory, "C:\\Tools\\");
    EXPECT_EQ(link->iconPath, "C:\\Tools\\tool.exe");
}

TEST_F(StartupEdits, AddIntoAMissingKeyReportsTheWriteAndAddsNothing) {
    try {
        AddStartupEntry(store, "Svc", "svc.exe", kCurrentUserRunServices);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Svc'");
    }
    EXPECT_FALSE(p.registry.KeyExists(kCurrentUser, kServices));
}

TEST_F(StartupEdits, EditRenamesInTheHomeTheEntryIsIn) {
    struct Case {
        std::string_view oldName, newName;
        bool ticked;
    };
    for (const Case c : {Case{"App", "Renamed", true}, Case{"App", "APP", true}, Case{"App", "app", false},
                         Case{"App", "", false}}) {
        p.registry.DeleteKeyTree(kCurrentUser, kRun);
        p.registry.DeleteKeyTree(kCurrentUser, kRunOff);
        Value(kCurrentUser, c.ticked ? kRun : kRunOff, c.oldName, "%windir%\\old.exe", RegType::ExpandSz);
        EditStartupEntry(store, List()[0], c.ticked, c.newName, "%windir%\\new.exe");
        const auto rows = List();
        ASSERT_EQ(rows.size(), 1u) << c.newName;
        EXPECT_EQ(rows[0].name, c.newName);
        EXPECT_EQ(rows[0].enabled, c.ticked);
        EXPECT_EQ(p.registry.ReadValue(kCurrentUser, c.ticked ? kRun : kRunOff, c.newName),
                  RegValue::String("%windir%\\new.exe", RegType::ExpandSz));
    }
}

// Deletes still work where writes fail: an edit that deleted first would
// lose the entry here.
TEST_F(StartupEdits, AFailedEditKeepsTheOldEntry) {
    for (const std::string_view newName : {"Other", "APP"}) {
        MemoryPlatform fresh;
        StartupStore frozen{fresh.registry, fresh.files, fresh.shell, true};
        fresh.registry.WriteValue(kCurrentUser, kRun, "App", RegValue::String("app.exe"));
        fresh.registry.FailWrites(kCurrentUser, kRun);
        StartupEntry entry{"App", "app.exe", std::string(kCurrentUserRun), -1, true, {}};
        EXPECT_THROW(EditStartupEntry(frozen, entry, true, newName, "new.exe"), Error);
        EXPECT_EQ(fresh.registry.ReadValue(kCurrentUser, kRun, "App"), RegValue::String("app.exe")) << newName;
    }
}

TEST_F(StartupEdits, EditOfAShortcutKeepsArgumentsAndCommentAndItsHome) {
    p.files.AddFolder(UserFolder() + "-");
    for (const bool ticked : {true, false}) {
        const std::string home = ticked ? UserFolder() + "\\" : UserFolder() + "-\\";
        for (const std::string_view newName : {"Tool", "TOOL", "Other"}) {
            Link(home + "Tool.lnk", "C:\\Old\\tool.exe", "/quiet", "my tool");
            EditStartupEntry(store, List()[0], ticked, newName, "D:\\New\\tool.exe");
            const auto rows = List();
            ASSERT_EQ(rows.size(), 1u) << newName;
            EXPECT_EQ(rows[0].enabled, ticked);
            EXPECT_EQ(rows[0].command, "D:\\New\\tool.exe");
            const auto link = p.shell.ReadShortcut(home + std::string(newName) + ".lnk");
            ASSERT_TRUE(link) << newName;
            EXPECT_EQ(link->arguments, "/quiet");
            EXPECT_EQ(link->description, "my tool");
            EXPECT_EQ(link->workingDirectory, "D:\\New\\");
            p.files.DeleteFile(home + std::string(newName) + ".lnk");
        }
    }
}

}  // namespace
}  // namespace tw
