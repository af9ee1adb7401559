#include <gtest/gtest.h>

#include <algorithm>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_clean.h"
#include "drive_cleaner/scripted_progress.h"
#include "platform/win32/win32_platform.h"
#include "support/scratch_folder_win.h"

namespace tw {
namespace {

// The search and the clean the window runs, on the real file system and
// shell (Wine): a seeded tree with its decoys, then a real delete.
class RealDriveTest : public ::testing::Test {
protected:
    void Put(const std::string& path, std::uint32_t attributes = 0) {
        platform.files.Open(path, OpenMode::Create, Share::Exclusive)->Write(std::vector<std::uint8_t>(7, 'j'));
        if (attributes) platform.files.SetAttributes(path, attributes);
    }
    std::string Folder(const std::string& path, std::uint32_t attributes = 0) {
        EXPECT_TRUE(platform.files.CreateFolder(path)) << path;
        if (attributes) platform.files.SetAttributes(path, attributes | FileAttr::Directory);
        return path + "\\";
    }
    std::vector<std::string> Search(std::vector<JunkFileHit>& hits) {
        DriveSearch search(platform.files, progress);
        search.Run({root}, {{"*.tmp", "*.bak", "file*.chk"}, true, true});
        hits = search.TakeHits();
        std::vector<std::string> paths;
        for (const auto& h : hits) paths.push_back(h.path.substr(root.size()));
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    test::ScratchFolder folder{"drive-cleaner"};
    Win32Platform platform;
    test::ScriptedProgress progress;
    std::string root = folder.Path();
};

TEST_F(RealDriveTest, FindsTheJunkAndOnlyItThenRecyclesAndDeletesIt) {
    Put(root + "file0001.chk");
    Put(root + "old.bak");
    const auto temp = Folder(root + "Temp");
    Put(temp + "a.tmp");
    Put(temp + "sys.tmp", FileAttr::System);
    Put(temp + "shown.tmp", FileAttr::Hidden);
    Put(Folder(root + "Hidden", FileAttr::Hidden) + "never.tmp");
    Put(Folder(root + "cache.tmp") + "inner.txt");
    std::string deep = root;
    while (deep.size() < 280) deep = Folder(deep + std::string(30, 'x'));
    Put(deep + "deep.tmp");

    std::vector<JunkFileHit> hits;
    const std::string deepName = deep.substr(root.size()) + "deep.tmp";
    EXPECT_EQ(Search(hits), (std::vector<std::string>{"Temp\\a.tmp", "Temp\\shown.tmp", "file0001.chk", "old.bak",
                                                      deepName}));

    // A real delete; a file held open cannot go and stays listed.
    std::vector<JunkFileHit> deleted = hits;
    const auto held = platform.files.Open(root + "old.bak", OpenMode::Read, Share::Exclusive);
    EXPECT_EQ(CleanCheckedHits(deleted, platform.files, platform.shell, false, progress), 1u);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(deleted[0].name, "old.bak");
    EXPECT_FALSE(deleted[0].ticked);
    std::vector<JunkFileHit> after;
    EXPECT_EQ(Search(after), std::vector<std::string>{"old.bak"});
    EXPECT_TRUE(platform.files.FileExists(temp + "sys.tmp"));
    EXPECT_TRUE(platform.files.FileExists(root + "Hidden\\never.tmp"));
    EXPECT_TRUE(platform.files.FolderExists(root + "cache.tmp"));
}

}  // namespace
}  // namespace tw
