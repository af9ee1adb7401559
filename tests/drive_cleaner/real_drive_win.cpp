#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_clean.h"
#include "drive_cleaner/junk_file_types.h"
#include "platform/win32/win32_platform.h"
#include "support/host_links_win.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

// The drive letter ctest maps to a fresh folder before this binary runs
// (support/make_real_drive.sh), and the folder where the sandboxed Recycle
// Bin keeps the files sent to it; nothing when started by hand.
struct MappedDrive {
    std::string root;   // "R:\"
    std::string trash;  // with its trailing "\"
    std::string swap;   // the folders "found" (behind R:\Swapped) and "other", with a trailing "\"
};

std::optional<MappedDrive> FindMappedDrive() {
    const auto folder = test::FolderBesideBinary(L"real-drive-");
    if (!folder) return std::nullopt;
    std::ifstream file(std::filesystem::path(*folder + L"real-drive.txt"));
    MappedDrive drive;
    if (!std::getline(file, drive.root) || !std::getline(file, drive.trash) || !std::getline(file, drive.swap))
        return std::nullopt;
    drive.root += "\\";
    drive.trash += "\\";
    drive.swap += "\\";
    return drive;
}

// The search and the clean the window runs, from the root of a real drive
// (Wine) seeded with junk and with the decoys a search must leave alone.
class RealDriveTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto drive = FindMappedDrive();
        if (!drive) GTEST_SKIP() << "no mapped drive: run this binary through ctest, which maps one";
        root = drive->root;
        trash = drive->trash;
        swap = drive->swap;
    }
    void Put(const std::string& path, std::uint32_t attributes = 0) {
        platform.files.Open(path, OpenMode::Create, Share::Exclusive)->Write(std::vector<std::uint8_t>(7, 'j'));
        if (attributes) {
            EXPECT_TRUE(platform.files.SetAttributes(path, attributes)) << path;
        }
    }
    std::string Folder(const std::string& path, std::uint32_t attributes = 0) {
        EXPECT_TRUE(platform.files.CreateFolder(path)) << path;
        if (attributes) platform.files.SetAttributes(path, attributes | FileAttr::Directory);
        return path + "\\";
    }
    // The hits of a search with the eight default types, below the root, sorted.
    std::vector<std::string> Search() {
        DriveSearch search(platform.files, progress);
        search.Run({root}, {DefaultJunkMasks(), true, true});
        hits = search.TakeHits();
        std::vector<std::string> paths;
        for (const auto& hit : hits) paths.push_back(hit.path.substr(root.size()));
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    void TickOnly(const std::vector<std::string>& names) {
        for (auto& hit : hits) hit.ticked = std::find(names.begin(), names.end(), hit.name) != names.end();
    }
    // The Recycle Bin names a file after its own name, with "-" and eight hex
    // digits added when the name is taken.
    std::vector<std::string> TrashedNames() const {
        std::vector<std::string> names;
        for (const auto& entry : platform.files.Find(trash + "*")) {
            if (std::count(trashedBefore.begin(), trashedBefore.end(), entry.name)) continue;
            const auto dash = entry.name.rfind('-');
            names.push_back(dash != std::string::npos && entry.name.size() - dash == 9 ? entry.name.substr(0, dash)
                                                                                       : entry.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    Win32Platform platform;
    test::ScriptedProgress progress;
    std::string root, trash, swap;
    std::vector<JunkFileHit> hits;
    std::vector<std::string> trashedBefore;
};

TEST_F(RealDriveTest, FindsTheJunkOfAWholeDriveAndOnlyItThenRecyclesAndDeletesIt) {
    Put(root + "file0000.chk");
    Put(root + "Documents\\letter.doc");
    Put(root + "Documents\\letter.bak");
    Put(root + "Documents\\budget.old");
    const auto temp = Folder(root + "Temp");
    Put(temp + "a.tmp");
    Put(temp + "shown.tmp", FileAttr::Hidden);
    Put(temp + "sys.tmp", FileAttr::System);
    Put(Folder(Folder(Folder(Folder(root + "Users") + "Me") + "AppData") + "Temp") + "setup.$$$");
    Put(Folder(root + "Hidden", FileAttr::Hidden) + "never.tmp");
    Put(Folder(root + "cache.tmp") + "inner.txt");
    Put(Folder(Folder(root + "WINDOWS") + "Temp") + "win.tmp");
    std::string deep = root;
    while (deep.size() < 270) deep = Folder(deep + std::string(30, 'x'));
    Put(deep + "deep.tmp");
    const std::string link = root + "Documents\\tmp-link\\";
    ASSERT_TRUE(platform.files.Attributes(root + "Documents\\tmp-link").value_or(0) & FileAttr::ReparsePoint);

    std::vector<std::string> expected{"Documents\\budget.old", "Documents\\letter.bak", "Temp\\a.tmp",
                                      "Temp\\shown.tmp",       "Users\\Me\\AppData\\Temp\\setup.$$$",
                                      "file0000.chk",          deep.substr(root.size()) + "deep.tmp"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Search(), expected);

    // To the Recycle Bin; a file held open cannot go and stays listed.
    for (const auto& entry : platform.files.Find(trash + "*")) trashedBefore.push_back(entry.name);
    TickOnly({"budget.old", "letter.bak", "a.tmp", "shown.tmp", "setup.$$$"});
    {
        const auto held = platform.files.Open(temp + "a.tmp", OpenMode::Read, Share::Exclusive);
        EXPECT_EQ(CleanCheckedHits(hits, platform.files, platform.shell, true, progress), 1u);
    }
    EXPECT_EQ(TrashedNames(), (std::vector<std::string>{"budget.old", "letter.bak", "setup.$$$", "shown.tmp"}));
    EXPECT_TRUE(platform.files.FileExists(temp + "a.tmp"));

    // For good: the deep file and the root's, again one held open.
    TickOnly({"file0000.chk", "deep.tmp", "a.tmp"});
    {
        const auto held = platform.files.Open(root + "file0000.chk", OpenMode::Read, Share::Exclusive);
        EXPECT_EQ(CleanCheckedHits(hits, platform.files, platform.shell, false, progress), 1u);
    }
    EXPECT_EQ(Search(), std::vector<std::string>{"file0000.chk"});

    EXPECT_TRUE(platform.files.FileExists(temp + "sys.tmp"));
    EXPECT_TRUE(platform.files.FileExists(root + "Hidden\\never.tmp"));
    EXPECT_TRUE(platform.files.FileExists(root + "cache.tmp\\inner.txt"));
    EXPECT_TRUE(platform.files.FileExists(root + "WINDOWS\\Temp\\win.tmp"));
    EXPECT_TRUE(platform.files.FileExists(link + "behind-link.tmp"));
    EXPECT_TRUE(platform.files.FileExists(link + "also-behind.bak"));
    EXPECT_TRUE(platform.files.FileExists(root + "Documents\\letter.doc"));
}

// The folder the hits were found in is swapped, behind the host link on
// their path, for one holding files of the same names (Wine's MoveFileW
// cannot move a link itself, so the folders behind it are renamed). Neither
// the Recycle Bin nor a delete may reach those other files.
TEST_F(RealDriveTest, AFolderSwappedBehindALinkSinceTheSearchRedirectsNothing) {
    DriveSearch search(platform.files, progress);
    search.Run({root + "Swapped\\"}, {{"*.tmp"}, false, false});
    hits = search.TakeHits();
    ASSERT_EQ(hits.size(), 2u);
    ASSERT_TRUE(platform.files.MoveFile(swap + "found", swap + "found-aside"));
    ASSERT_TRUE(platform.files.MoveFile(swap + "other", swap + "found"));
    for (const auto* name : {"setup1.tmp", "setup2.tmp"}) {
        const bool recycle = name == std::string("setup1.tmp");
        SCOPED_TRACE(recycle ? "recycled" : "deleted");
        TickOnly({name});
        for (const auto& entry : platform.files.Find(trash + "*")) trashedBefore.push_back(entry.name);
        EXPECT_EQ(CleanCheckedHits(hits, platform.files, platform.shell, recycle, progress), 1u);
        EXPECT_EQ(hits.size(), 2u) << "both rows stay";
        EXPECT_TRUE(platform.files.FileExists(root + "Swapped\\" + name));
        EXPECT_TRUE(TrashedNames().empty());
    }
    for (const auto& hit : hits) EXPECT_FALSE(hit.ticked) << hit.path;
    for (const auto* name : {"setup1.tmp", "setup2.tmp"}) {
        const auto in = platform.files.Open(swap + "found\\" + name, OpenMode::Read, Share::Read);
        std::string text(16, '\0');
        text.resize(in->Read(std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size())));
        EXPECT_EQ(text, "precious") << name;
        EXPECT_TRUE(platform.files.FileExists(swap + "found-aside\\" + name)) << name;
    }
}

}  // namespace
}  // namespace tw
