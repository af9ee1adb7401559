#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/error.h"
#include "startup_fixture.h"
#include "startup_manager/startup_edits.h"
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

TEST_F(StartupMoves, AMoveNeverWritesOverTheSameNameInTheOtherHome) {
    Value(kCurrentUser, kRun, "App", "on.exe");
    Value(kCurrentUser, kRunOff, "App", "off.exe");
    const auto rows = List();
    EXPECT_EQ(DisableStartupEntry(store, rows[0]), MoveResult::NameTaken);
    EXPECT_EQ(EnableStartupEntry(store, rows[1]), MoveResult::NameTaken);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, "App")->Text(), "on.exe");
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRunOff, "App")->Text(), "off.exe");
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

// Task Manager's mark: the first byte says off (odd) or on, a time follows.
RegValue Mark(std::uint8_t first) {
    std::vector<std::uint8_t> bytes(12, 0x5a);
    bytes[0] = first;
    return RegValue::Binary(std::move(bytes));
}

// Run "App" switched off by Task Manager beside another "App" in Run-, a
// ticked "Tool" with Task Manager's "on" mark, and the same pair of
// shortcuts in the user's folder.
class StartupOwnHomes : public StartupMoves {
protected:
    void Seed() {
        for (const auto key : {kRun, kRunOff, kApprovedRun, kApprovedFolder}) p.registry.DeleteKeyTree(kCurrentUser, key);
        for (const auto& folder : {UserFolder() + "\\", UserFolder() + "-\\"})
            for (const auto& found : p.files.Find(folder + "*.lnk")) p.files.DeleteFile(folder + found.name);
        Value(kCurrentUser, kRun, "App", "a.exe");
        p.registry.WriteValue(kCurrentUser, kApprovedRun, "App", Mark(3));
        Value(kCurrentUser, kRun, "Tool", "t.exe");
        p.registry.WriteValue(kCurrentUser, kApprovedRun, "Tool", Mark(2));
        Value(kCurrentUser, kRunOff, "App", "b.exe");
        p.files.AddFolder(UserFolder() + "-");
        Link(UserFolder() + "\\Link.lnk", "C:\\a.exe");
        p.registry.WriteValue(kCurrentUser, kApprovedFolder, "Link.lnk", Mark(3));
        Link(UserFolder() + "-\\Link.lnk", "C:\\b.exe");
    }
    // Every entry and mark of the user, as "home:name=command" and
    // "mark:name=first byte", so a case sees whatever it touched.
    std::vector<std::string> State() {
        std::vector<std::string> state;
        const auto values = [&](std::string_view home, std::string_view key, bool marks) {
            for (const auto& name : p.registry.ValueNames(kCurrentUser, key).value_or(std::vector<std::string>{})) {
                const RegValue value = *p.registry.ReadValue(kCurrentUser, key, name);
                state.push_back(std::string(home) + ":" + name + "=" +
                                (marks ? std::to_string(value.data.at(0)) : value.Text()));
            }
        };
        values("Run", kRun, false);
        values("Run-", kRunOff, false);
        values("mark", kApprovedRun, true);
        values("mark", kApprovedFolder, true);
        for (const auto& [home, folder] : {std::pair{"F", UserFolder() + "\\"}, std::pair{"F-", UserFolder() + "-\\"}})
            for (const auto& found : p.files.Find(folder + "*.lnk"))
                state.push_back(std::string(home) + ":" + found.name + "=" +
                                p.shell.ReadShortcut(folder + found.name)->targetPath);
        std::sort(state.begin(), state.end());
        return state;
    }
};

TEST_F(StartupOwnHomes, EveryOperationActsOnTheRowsOwnEntryAndMarkOnly) {
    using Strings = std::vector<std::string>;
    const Strings before{"F-:Link.lnk=C:\\b.exe", "F:Link.lnk=C:\\a.exe", "Run-:App=b.exe", "Run:App=a.exe",
                         "Run:Tool=t.exe", "mark:App=3", "mark:Link.lnk=3", "mark:Tool=2"};
    const auto with = [&](const Strings& gone, const Strings& added) {
        Strings state;
        for (const auto& s : before)
            if (std::find(gone.begin(), gone.end(), s) == gone.end()) state.push_back(s);
        state.insert(state.end(), added.begin(), added.end());
        std::sort(state.begin(), state.end());
        return state;
    };
    using Act = std::function<MoveResult(const StartupEntry&)>;
    const Act tick = [&](const StartupEntry& e) { return EnableStartupEntry(store, e); };
    const Act untick = [&](const StartupEntry& e) { return DisableStartupEntry(store, e); };
    const Act remove = [&](const StartupEntry& e) {
        RemoveStartupEntry(store, e, e.enabled);
        return MoveResult::Moved;
    };
    const Act rename = [&](const StartupEntry& e) {
        EditStartupEntry(store, e, e.enabled, "New", "C:\\c.exe");
        return MoveResult::Moved;
    };
    const struct {
        std::string_view what;
        std::size_t row;  // Run App, Run Tool, Run- App, F Link, F- Link
        Act act;
        MoveResult result;
        Strings state;
    } cases[] = {
        {"tick Run App", 0, tick, MoveResult::Moved, with({"mark:App=3"}, {"mark:App=2"})},
        {"remove Run App", 0, remove, MoveResult::Moved, with({"Run:App=a.exe", "mark:App=3"}, {})},
        {"rename Run App", 0, rename, MoveResult::Moved,
         with({"Run:App=a.exe", "mark:App=3"}, {"Run:New=C:\\c.exe", "mark:New=3"})},
        {"untick Run Tool", 1, untick, MoveResult::Moved, with({"Run:Tool=t.exe", "mark:Tool=2"}, {"Run-:Tool=t.exe"})},
        {"remove Run Tool", 1, remove, MoveResult::Moved, with({"Run:Tool=t.exe", "mark:Tool=2"}, {})},
        {"tick Run- App", 2, tick, MoveResult::NameTaken, before},
        {"remove Run- App", 2, remove, MoveResult::Moved, with({"Run-:App=b.exe"}, {})},
        {"rename Run- App", 2, rename, MoveResult::Moved, with({"Run-:App=b.exe"}, {"Run-:New=C:\\c.exe"})},
        {"tick F Link", 3, tick, MoveResult::Moved, with({"mark:Link.lnk=3"}, {"mark:Link.lnk=2"})},
        {"remove F Link", 3, remove, MoveResult::Moved, with({"F:Link.lnk=C:\\a.exe", "mark:Link.lnk=3"}, {})},
        {"rename F Link", 3, rename, MoveResult::Moved,
         with({"F:Link.lnk=C:\\a.exe", "mark:Link.lnk=3"}, {"F:New.lnk=C:\\c.exe", "mark:New.lnk=3"})},
        {"tick F- Link", 4, tick, MoveResult::NameTaken, before},
        {"remove F- Link", 4, remove, MoveResult::Moved, with({"F-:Link.lnk=C:\\b.exe"}, {})},
    };
    for (const auto& c : cases) {
        Seed();
        ASSERT_EQ(State(), before);
        const auto rows = List();
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(c.act(rows[c.row]), c.result) << c.what;
        EXPECT_EQ(State(), c.state) << c.what;
    }
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
