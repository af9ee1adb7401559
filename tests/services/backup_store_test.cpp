#include <gtest/gtest.h>

#include <functional>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "services/backup_store.h"
#include "services/registry_export.h"
#include "services/scripted_prompter.h"

namespace tw {
namespace {

constexpr std::string_view kProgram = "C:\\Program Files\\Tidewell\\";
const std::string kRegClean = std::string(kProgram) + "Backups\\RegClean";
const std::string kToday = "07-December-2026 - 02.05.09 PM";

std::string NameAt(MemorySystem& system, int hour, int minute, int second) {
    system.SetNow({2026, 1, 9, hour, minute, second});
    return BackupFileName(system);
}

TEST(BackupFileName, DayMonthYearAndTwelveHourClock) {
    MemoryPlatform p;
    EXPECT_EQ(BackupFileName(p.system), kToday + ".reg");
    EXPECT_EQ(NameAt(p.system, 0, 0, 0), "09-January-2026 - 12.00.00 AM.reg");
    EXPECT_EQ(NameAt(p.system, 1, 2, 3), "09-January-2026 - 01.02.03 AM.reg");
    EXPECT_EQ(NameAt(p.system, 11, 59, 59), "09-January-2026 - 11.59.59 AM.reg");
    EXPECT_EQ(NameAt(p.system, 12, 0, 0), "09-January-2026 - 12.00.00 PM.reg");
    EXPECT_EQ(NameAt(p.system, 23, 59, 59), "09-January-2026 - 11.59.59 PM.reg");
}

TEST(BackupFileName, UsesTheLocaleNames) {
    MemoryPlatform p;
    p.system.SetMonthNames({"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
                            "Oktober", "November", "Dezember"});
    p.system.SetDesignators("vorm.", "nachm.");
    EXPECT_EQ(BackupFileName(p.system), "07-Dezember-2026 - 02.05.09 nachm..reg");
    p.system.SetNow({2026, 3, 1, 9, 0, 0});
    EXPECT_EQ(BackupFileName(p.system), "01-März-2026 - 09.00.00 vorm..reg");
}

class Backups : public ::testing::Test {
protected:
    Backups() {
        buffer.AddHeader();
        buffer.AddLine(KeyLine(kCurrentUser, "Software\\X"));
        buffer.AddValue("v", RegValue::Dword(26));
        buffer.AddLine("");
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const BackupFile& row : store.List()) names.push_back(row.displayText + "|" + row.fileName);
        return names;
    }
    MemoryPlatform p;
    BackupStore store{p.Bundle(), kRegCleanBackups};
    ExportBuffer buffer;
    ScriptedPrompter prompter;
};

TEST_F(Backups, SaveCreatesBothFoldersAndWritesTheFile) {
    EXPECT_EQ(store.Save(buffer), kToday + ".reg");
    EXPECT_EQ(p.files.Text(kRegClean + "\\" + kToday + ".reg"),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"v\"=dword:0000001a\r\n\r\n");
}

TEST_F(Backups, SavesInTheSameSecondNeverReplaceABackup) {
    const std::string first = p.files.Text(kRegClean + "\\" + store.Save(buffer));
    buffer.Clear();
    buffer.AddHeader();
    EXPECT_EQ(store.Save(buffer), kToday + " (2).reg");
    EXPECT_EQ(store.Save(buffer), kToday + " (3).reg");
    EXPECT_EQ(p.files.Text(kRegClean + "\\" + kToday + ".reg"), first);
    EXPECT_EQ(p.files.Text(kRegClean + "\\" + kToday + " (3).reg"), "REGEDIT4\r\n\r\n");
    EXPECT_EQ(store.List().size(), 3u);
}

TEST_F(Backups, NothingIsWrittenWhenAFolderCannotBeMade) {
    for (const std::string& refused : {std::string(kProgram) + "Backups", kRegClean}) {
        MemoryPlatform q;
        q.files.FailCreateFolder(refused);
        BackupStore failing(q.Bundle(), kRegCleanBackups);
        try {
            failing.Save(buffer);
            ADD_FAILURE() << "saved although " << refused << " cannot be made";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Cannot create Backup Directory");
        }
        EXPECT_FALSE(q.files.FolderExists(kRegClean));
        EXPECT_TRUE(failing.List().empty());
    }
}

TEST_F(Backups, AFailedWriteLeavesNoPartialFile) {
    p.files.AddFolder(kRegClean);
    p.files.SetFreeSpace(10);
    EXPECT_THROW(store.Save(buffer), Error);
    EXPECT_FALSE(p.files.FileExists(kRegClean + "\\" + kToday + ".reg"));
}

TEST_F(Backups, ListsRegFilesInAnyCaseInFileSystemOrder) {
    p.files.AddFile(kRegClean + "\\b.reg", "");
    p.files.AddFile(kRegClean + "\\notes.txt", "");
    p.files.AddFile(kRegClean + "\\x.REG", "");
    p.files.AddFile(kRegClean + "\\a.reg", "");
    p.files.AddFolder(kRegClean + "\\folder.reg");
    EXPECT_EQ(Names(), (std::vector<std::string>{"b|b.reg", "x|x.REG", "a|a.reg"}));
}

TEST_F(Backups, EachToolHasItsOwnFolder) {
    BackupStore internet(p.Bundle(), kInternetBackups);
    internet.Save(buffer);
    EXPECT_TRUE(p.files.FileExists(std::string(kProgram) + "Backups\\Internet\\" + kToday + ".reg"));
    EXPECT_TRUE(store.List().empty());
}

// Every user may write to the Windows folder's "Temp", where the copy once
// had the backup's own name: whatever they left there is never written,
// and the editor gets a copy nobody else could have made or changed.
TEST_F(Backups, RestoreNeverWritesWhatOthersLeftInTheTempFolder) {
    const std::string victim = "C:\\Windows\\System32\\config\\victim.dat";
    struct Planted {
        const char* what;
        std::function<void(MemoryFileSystem&, const std::string& at)> plant;
        std::vector<std::pair<std::string, std::string>> kept;  // path, bytes
    };
    const std::string oldCopy = "C:\\Windows\\Temp\\" + kToday + ".reg";
    const std::vector<Planted> cases{
        {"nothing", [](MemoryFileSystem&, const std::string&) {}, {}},
        {"a foreign file", [](MemoryFileSystem& files, const std::string& at) { files.AddFile(at, "planted"); },
         {{oldCopy, "planted"}}},
        {"a link to a victim",
         [&](MemoryFileSystem& files, const std::string& at) {
             files.AddFile(victim, "victim");
             files.AddLink(at, victim);
         },
         {{victim, "victim"}}},
    };
    for (const Planted& planted : cases) {
        SCOPED_TRACE(planted.what);
        MemoryPlatform q;
        BackupStore restoring{q.Bundle(), kRegCleanBackups};
        const std::string name = restoring.Save(buffer);
        planted.plant(q.files, oldCopy);
        SeededRandom random(1);
        restoring.Restore(name, random, kNoOwner);
        for (const auto& [path, bytes] : planted.kept) EXPECT_EQ(q.files.Text(path), bytes) << path;
        ASSERT_EQ(q.shell.Opened().size(), 1u);
        const std::string copy = q.shell.Opened()[0];
        const std::string folder = copy.substr(0, copy.size() - name.size() - 1);
        EXPECT_EQ(copy, folder + "\\" + name) << "the editor's question names the backup";
        EXPECT_EQ(FolderPart(folder), "C:\\Windows\\Temp\\");
        EXPECT_TRUE(q.files.IsPrivateFolder(folder)) << folder;
        EXPECT_EQ(q.files.Text(copy), q.files.Text(kRegClean + "\\" + name));
    }
}

// The plain path of a copy's folder, as the first draw of this seed names it.
std::string FirstFolderDrawn(std::uint64_t seed, const ExportBuffer& buffer) {
    MemoryPlatform q;
    BackupStore store{q.Bundle(), kRegCleanBackups};
    SeededRandom random(seed);
    store.Restore(store.Save(buffer), random, kNoOwner);
    return FolderPart(q.shell.Opened().at(0));
}

// A folder someone made first under the name drawn, even one leading
// elsewhere, is never taken for the program's own.
TEST_F(Backups, RestoreDrawsAnotherNameWhenOneIsTaken) {
    const std::string taken = FirstFolderDrawn(7, buffer);
    const std::string theirs = "C:\\Users\\Mallory\\Inbox";
    const std::vector<std::pair<const char*, std::function<void()>>> plants{
        {"a folder", [&] { p.files.AddFolder(taken); }},
        {"a file", [&] { p.files.AddFile(taken.substr(0, taken.size() - 1), "mine"); }},
        {"a link to a folder", [&] { p.files.AddLink(taken.substr(0, taken.size() - 1), theirs); }},
    };
    p.files.AddFolder(theirs);
    const std::string name = store.Save(buffer);
    for (const auto& [what, plant] : plants) {
        SCOPED_TRACE(what);
        p.files.DeleteFile(taken.substr(0, taken.size() - 1));
        p.files.RemoveFolder(taken);
        plant();
        SeededRandom random(7);
        store.Restore(name, random, kNoOwner);
        ASSERT_FALSE(p.shell.Opened().empty());
        EXPECT_NE(FolderPart(p.shell.Opened().back()), taken);
        EXPECT_TRUE(p.files.IsPrivateFolder(FolderPart(p.shell.Opened().back())));
        EXPECT_TRUE(p.files.Find(theirs + "\\*").empty());
        EXPECT_FALSE(p.files.FileExists(taken + name));
    }
}

// "Temp" missing and not to be made, or "Temp" refusing the copy's folder.
TEST_F(Backups, RestoreFailsWhenItsFolderCannotBeMade) {
    const std::string drawn = FirstFolderDrawn(9, buffer);
    for (const std::string& refused : {std::string("C:\\Windows\\Temp"), drawn.substr(0, drawn.size() - 1)}) {
        SCOPED_TRACE(refused);
        MemoryPlatform q;
        BackupStore failing{q.Bundle(), kRegCleanBackups};
        const std::string name = failing.Save(buffer);
        if (refused == "C:\\Windows\\Temp") q.files.RemoveFolder(refused);
        q.files.FailCreateFolder(refused);
        SeededRandom random(9);
        try {
            failing.Restore(name, random, kNoOwner);
            ADD_FAILURE() << "restored without a restore folder";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Cannot create Restore Directory");
        }
        EXPECT_TRUE(q.shell.Opened().empty());
    }
}

TEST_F(Backups, RestoreOfAVanishedFileOpensNothingAndLeavesNothing) {
    SeededRandom random(1);
    store.Restore("gone.reg", random, kNoOwner);
    EXPECT_TRUE(p.shell.Opened().empty());
    EXPECT_TRUE(p.files.Find("C:\\Windows\\Temp\\*").empty());
}

TEST_F(Backups, RestoreWithoutSelectionAsksForOne) {
    SeededRandom random(1);
    store.RestoreSelected(std::nullopt, prompter, random, kNoOwner);
    EXPECT_EQ(prompter.History(), (std::vector<ScriptedPrompter::Shown>{
                                      {ScriptedPrompter::Kind::Notify, "Please select a backup file from the list."}}));
    EXPECT_TRUE(p.shell.Opened().empty());
}

TEST_F(Backups, RemoveAsksWithTheFileNameAndDeletesOnOk) {
    const std::string name = store.Save(buffer);
    prompter.Answer(false).Answer(true);
    EXPECT_FALSE(store.Remove(name, prompter));
    EXPECT_EQ(store.List().size(), 1u);
    EXPECT_TRUE(store.Remove(name, prompter));
    EXPECT_TRUE(store.List().empty());
    const ScriptedPrompter::Shown question{ScriptedPrompter::Kind::Confirm,
                                           "Do you want to remove this backup file? (" + name + ")"};
    EXPECT_EQ(prompter.History(), (std::vector<ScriptedPrompter::Shown>{question, question}));
}

TEST_F(Backups, RemoveWithoutSelectionDoesNothing) {
    EXPECT_FALSE(store.Remove(std::nullopt, prompter));
    EXPECT_TRUE(prompter.History().empty());
}

TEST_F(Backups, RemoveAllAsksOnlyWhenThereAreFiles) {
    EXPECT_FALSE(store.RemoveAll(prompter));
    EXPECT_TRUE(prompter.History().empty());

    p.files.AddFile(kRegClean + "\\a.reg", "");
    p.files.AddFile(kRegClean + "\\b.REG", "");
    p.files.AddFile(kRegClean + "\\keep.txt", "");
    prompter.Answer(false).Answer(true);
    EXPECT_FALSE(store.RemoveAll(prompter));
    EXPECT_EQ(store.List().size(), 2u);
    EXPECT_TRUE(store.RemoveAll(prompter));
    EXPECT_TRUE(store.List().empty());
    EXPECT_TRUE(p.files.FileExists(kRegClean + "\\keep.txt"));
    EXPECT_EQ(prompter.History().back().text, "Do you want to remove all backup files?");
}

// Says OK, after swapping the backup folder for a link to another folder
// holding files of the same names, while the question waits.
class SwapWhileAsking final : public Prompter {
public:
    explicit SwapWhileAsking(MemoryFileSystem& files) : files_(files) {}
    bool Confirm(const std::string&) override {
        files_.MoveFile(kRegClean, kRegClean + "-aside");
        files_.AddLink(kRegClean, "C:\\Elsewhere");
        return true;
    }
    void Notify(const std::string&) override {}
    void Inform(const std::string&) override {}
    void ShowError(const std::string&) override {}

private:
    MemoryFileSystem& files_;
};

TEST_F(Backups, RemovingDeletesOnlyTheFilesThereWhenAsked) {
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all);
        MemoryPlatform machine;
        BackupStore backups(machine.Bundle(), kRegCleanBackups);
        machine.files.AddFile(kRegClean + "\\a.reg", "mine");
        machine.files.AddFile("C:\\Elsewhere\\a.reg", "precious");
        SwapWhileAsking swapping(machine.files);
        EXPECT_TRUE(all ? backups.RemoveAll(swapping) : backups.Remove("a.reg", swapping));
        EXPECT_EQ(machine.files.Text("C:\\Elsewhere\\a.reg"), "precious");
        EXPECT_EQ(machine.files.Text(kRegClean + "-aside\\a.reg"), "mine");
    }
}

}  // namespace
}  // namespace tw
