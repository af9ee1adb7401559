#include <gtest/gtest.h>

#include <functional>

#include "platform/error.h"
#include "platform/text.h"
#include "startup_fixture.h"
#include "startup_manager/shortcut_backup.h"
#include "startup_manager/startup_backup.h"
#include "startup_manager/startup_edits.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

constexpr std::string_view kBackupFolder = "C:\\Program Files\\Tidewell\\Backups\\Startup";

struct BackedUpMachine : StartupMachine {
    StartupBackups backups{p.Bundle()};
    SeededRandom random{7};
    BackedUpMachine() { store.backups = &backups; }
    std::string Restore(std::size_t row = 0) {
        const auto files = backups.List();
        if (row >= files.size()) return "no backup";
        try {
            backups.Restore(files[row].fileName, random, kNoOwner);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

// The state of every home a case touches: what must survive or come back.
std::string Homes(BackedUpMachine& m) {
    std::string state;
    for (const auto root : {kCurrentUser, kLocalMachine})
        for (const auto key : {kRun, kRunOff, kRun32, kApprovedFolder})
            for (const auto& name : m.p.registry.ValueNames(root, key).value_or(std::vector<std::string>{})) {
                const RegValue value = *m.p.registry.ReadValue(root, key, name);
                state += name + "=" + std::to_string(value.type) + ":";
                state += std::string(value.data.begin(), value.data.end()) + ";";
            }
    for (const auto& folder : {m.UserFolder(), m.UserFolder() + "-", m.CommonFolder()})
        for (const auto& found : m.p.files.Find(folder + "\\*"))
            state += found.name + ":" + m.p.files.Text(folder + "\\" + found.name) + ";";
    return state;
}

void DisabledLink(BackedUpMachine& m) {
    m.p.files.AddFolder(m.UserFolder() + "-");
    m.Link(m.UserFolder() + "-\\Off.lnk", "C:\\off.exe");
}

struct Change {
    std::string_view what;
    std::function<void(BackedUpMachine&)> seed, change;
};

const std::vector<Change>& Changes() {
    static const std::vector<Change> changes{
        {"remove an expandable value",
         [](auto& m) { m.Value(kCurrentUser, kRun, "App", "%windir%\\app.exe", RegType::ExpandSz); },
         [](auto& m) { RemoveStartupEntry(m.store, m.List()[0], true); }},
        {"edit a 32-bit-view value",
         [](auto& m) { m.Value(kLocalMachine, kRun32, "Old", "C:\\old32.exe"); },
         [](auto& m) { EditStartupEntry(m.store, m.List()[0], true, "New", "C:\\new32.exe"); }},
        {"remove a marked shortcut",
         [](auto& m) {
             m.Link(m.UserFolder() + "\\Tool.lnk", "C:\\tool.exe", "/min", "", {1, 2});
             m.p.registry.WriteValue(kCurrentUser, kApprovedFolder, "Tool.lnk", RegValue::Binary({3, 0, 0}));
         },
         [](auto& m) { RemoveStartupEntry(m.store, m.List()[0], false); }},
        {"edit a disabled shortcut", [](auto& m) { DisabledLink(m); },
         [](auto& m) { EditStartupEntry(m.store, m.List()[0], false, "Renamed", "C:\\other.exe"); }},
        {"add over a shortcut", [](auto& m) { m.Link(m.CommonFolder() + "\\Same.lnk", "C:\\first.exe"); },
         [](auto& m) { AddStartupEntry(m.store, "Same", "C:\\second.exe", kAllUsersFolder); }},
    };
    return changes;
}

TEST(StartupBackup, AChangeThatCannotBeBackedUpChangesNothingAndSaysWhy) {
    for (const Change& c : Changes()) {
        BackedUpMachine m;
        m.p.files.FailCreateFolder(kBackupFolder);
        c.seed(m);
        const std::string before = Homes(m);
        try {
            c.change(m);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Cannot create Backup Directory") << c.what;
        }
        EXPECT_EQ(Homes(m), before) << c.what;
    }
}

// Registry files go to the registry editor (proved under Wine); shortcuts
// come back here, byte for byte, with their marks.
TEST(StartupBackup, EveryChangeIsSavedOnceAndAShortcutComesBackAsItWas) {
    for (const Change& c : Changes()) {
        BackedUpMachine m;
        c.seed(m);
        const std::string before = Homes(m);
        c.change(m);
        ASSERT_EQ(m.backups.List().size(), 1u) << c.what;
        const bool shortcut = EndsWithIgnoreCase(m.backups.List()[0].fileName, ".lnkbackup");
        if (!shortcut) {
            EXPECT_EQ(m.Restore(), "") << c.what;
            ASSERT_EQ(m.p.shell.Opened().size(), 1u) << c.what;
            continue;
        }
        if (c.what.starts_with("add")) {
            EXPECT_NE(m.Restore(), "") << "written over a file that is there now";
            RemoveStartupEntry(m.store, m.List()[0], true);
        }
        if (c.what.starts_with("edit")) RemoveStartupEntry(m.store, m.List()[0], false);
        EXPECT_EQ(m.Restore(), "") << c.what;
        EXPECT_EQ(Homes(m), before) << c.what;
    }
}

TEST(StartupBackup, AShortcutGoesBackOnlyIntoTheVeryFolderItCameFrom) {
    struct Case {
        std::string_view what;
        std::function<void(BackedUpMachine&)> meddle;
        std::string_view error;
    };
    const Case cases[] = {
        {"a file of its name is there", [](auto& m) { m.p.files.AddFile(m.UserFolder() + "-\\Off.lnk", "new"); },
         "is there already"},
        {"a link in the folder's place",
         [](auto& m) {
             m.p.files.AddFolder("C:\\Elsewhere");
             m.p.files.RemoveFolder(m.UserFolder() + "-");
             m.p.files.AddLink(m.UserFolder() + "-", "C:\\Elsewhere");
         },
         "is not the one the shortcut came from"},
        {"its folder is no startup folder", [](auto& m) { m.p.shell.SetSpecialFolder(Csidl::Startup, "C:\\Other"); },
         "is not a startup folder here"},
        {"its name leads out of the folder",
         [](auto& m) {
             const std::string file = m.backups.Folder() + "\\" + m.backups.List()[0].fileName;
             auto backup = *DecodeShortcutBackup(m.p.files.Content(file));
             backup.fileName = "..\\..\\Evil.lnk";
             m.p.files.DeleteFile(file);
             m.p.files.AddFile(file, EncodeShortcutBackup(backup));
         },
         "is not a backup of a startup shortcut"},
    };
    for (const Case& c : cases) {
        BackedUpMachine m;
        DisabledLink(m);
        RemoveStartupEntry(m.store, m.List()[0], false);
        c.meddle(m);
        EXPECT_NE(m.Restore().find(c.error), std::string::npos) << c.what;
        EXPECT_FALSE(m.p.files.FileExists("C:\\Elsewhere\\Off.lnk")) << c.what;
    }
}

}  // namespace
}  // namespace tw
