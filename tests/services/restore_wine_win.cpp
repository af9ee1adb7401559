// A real restore under Wine, through the shell's "open" and the system's
// registry editor, with what any user could have left in the Windows folder's
// Temp under the names the copy once had: a link to a victim file (planted on
// the host side by support/plant_restore_trap.sh) and a file of their own.
#include <gtest/gtest.h>

#include <set>

#include "platform/text.h"
#include "platform/win32/random_win.h"
#include "platform/win32/win32_platform.h"
#include "services/backup_store.h"
#include "support/host_links_win.h"

namespace tw {
namespace {

constexpr std::string_view kBackups = "Backups\\RestoreTrap";
constexpr std::string_view kKey = "Software\\TidewellTests\\RestoreTrap";

std::string ReadText(FileSystem& files, const std::string& path) {
    if (!files.FileExists(path)) return "(missing)";
    auto stream = files.Open(path, OpenMode::Read, Share::ReadWrite);
    std::string text(static_cast<std::size_t>(stream->Size()), '\0');
    text.resize(stream->Read({reinterpret_cast<std::uint8_t*>(text.data()), text.size()}));
    return text;
}

void WriteText(FileSystem& files, const std::string& path, std::string_view text) {
    files.Open(path, OpenMode::Create, Share::Exclusive)
        ->Write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

class RestoreUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        p.registry.DeleteKeyTree(kCurrentUser, kKey);
        temp = WithTrailingBackslash(p.files.WindowsFolder()) + "Temp\\";
        before = CopyFolders();
    }
    void TearDown() override {
        p.registry.DeleteKeyTree(kCurrentUser, kKey);
        for (const std::string& name : backups) p.files.DeleteFile(store.Folder() + "\\" + name);
        p.files.RemoveFolder(store.Folder());
        p.files.RemoveFolder(p.files.ExecutableFolder() + "Backups");
        p.files.DeleteFile(foreign);
        // The editor may still hold a copy for a moment after its import.
        for (int attempt = 0; attempt < 50; ++attempt) {
            const std::set<std::string> made = NewCopyFolders();
            if (made.empty()) break;
            for (const std::string& folder : made) {
                for (const FoundFile& file : p.files.Find(temp + folder + "\\*"))
                    p.files.DeleteFile(temp + folder + "\\" + file.name);
                p.files.RemoveFolder(temp + folder);
            }
            Sleep(100);
        }
    }

    std::set<std::string> CopyFolders() const {
        std::set<std::string> names;
        for (const FoundFile& found : p.files.Find(temp + "Tidewell-*"))
            if (found.IsFolder()) names.insert(found.name);
        return names;
    }
    std::set<std::string> NewCopyFolders() const {
        std::set<std::string> made;
        for (const std::string& name : CopyFolders())
            if (!before.count(name)) made.insert(name);
        return made;
    }
    void AddBackup(const std::string& name, std::string_view valueName) {
        p.files.CreateFolder(p.files.ExecutableFolder() + "Backups");
        p.files.CreateFolder(store.Folder());
        WriteText(p.files, store.Folder() + "\\" + name,
                  "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) + "]\r\n\"" + std::string(valueName) +
                      "\"=\"restored\"\r\n\r\n");
        backups.push_back(name);
    }
    // The editor imports on its own time: the program does not wait for it.
    bool Imported(std::string_view valueName) const {
        for (int waited = 0; waited < 600; ++waited) {
            if (p.registry.ReadValue(kCurrentUser, kKey, valueName).has_value()) return true;
            Sleep(100);
        }
        return false;
    }

    Win32Platform p;
    BackupStore store{p.Bundle(), kBackups};
    Win32Random random;
    std::string temp, foreign;
    std::set<std::string> before;
    std::vector<std::string> backups;
};

TEST_F(RestoreUnderWine, TheEditorImportsEachBackupAndNothingLeftInTempIsWritten) {
    const auto trapFolder = test::FolderBesideBinary(L"restore-trap-");
    ASSERT_TRUE(trapFolder.has_value());
    const std::string folder = win32::Narrow(*trapFolder);
    if (!p.files.FileExists(folder + "link-name.txt")) GTEST_SKIP() << "no planted link: run the binary through ctest";
    const std::string linkName = ReadText(p.files, folder + "link-name.txt");
    const std::string victim = folder + "victim.txt";
    ASSERT_EQ(ReadText(p.files, temp + linkName), "victim") << "the planted link leads to the victim";
    const std::string foreignName = "planted-file-" + std::to_string(GetCurrentProcessId()) + ".reg";
    foreign = temp + foreignName;
    WriteText(p.files, foreign, "foreign");

    AddBackup(linkName, "through a link");
    AddBackup(foreignName, "over a foreign file");
    for (const std::string& name : backups) store.Restore(name, random, kNoOwner);
    EXPECT_TRUE(Imported("through a link"));
    EXPECT_TRUE(Imported("over a foreign file"));

    EXPECT_EQ(ReadText(p.files, victim), "victim");
    EXPECT_EQ(ReadText(p.files, foreign), "foreign");
    std::set<std::string> copies;
    for (const std::string& made : NewCopyFolders())
        for (const FoundFile& file : p.files.Find(temp + made + "\\*")) copies.insert(file.name);
    EXPECT_EQ(copies, (std::set<std::string>{linkName, foreignName})) << "one new folder for each copy";
    EXPECT_EQ(NewCopyFolders().size(), 2u);
}

}  // namespace
}  // namespace tw
