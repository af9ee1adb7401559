#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "drive_cleaner/drive_search.h"
#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "platform/text.h"
#include "support/forwarding_file_system.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

// Reports chosen sizes for some names, as a disk with files of 4 GiB and
// more would, without holding their bytes.
class SizedFileSystem final : public test::ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;
    std::vector<FoundFile> ListFolder(std::string_view folder, std::optional<std::uint64_t> volume) const override {
        auto found = Inner().ListFolder(folder, volume);
        for (auto& f : found)
            if (const auto it = sizes.find(f.name); it != sizes.end()) f.size = it->second;
        return found;
    }
    std::map<std::string, std::uint64_t> sizes;
};

class DriveSearchTest : public ::testing::Test {
protected:
    void SetUp() override { p.files.SetWindowsFolder("C:\\Windows"); }

    std::vector<std::string> Paths(const std::vector<std::string>& roots, SearchRules rules) {
        DriveSearch search(sized, progress);
        search.Run(roots, rules);
        std::vector<std::string> paths;
        for (const auto& hit : search.Hits()) paths.push_back(hit.path);
        // Listing order is the file system's own; what is found is the point.
        std::sort(paths.begin(), paths.end());
        return paths;
    }
    void Add(std::string_view path, std::size_t size = 1, std::uint32_t attributes = FileAttr::Archive) {
        p.files.AddFile(path, std::vector<std::uint8_t>(size, 'x'), attributes);
    }

    MemoryPlatform p;
    SizedFileSystem sized{p.files};
    test::ScriptedProgress progress;
};

using Hits = std::vector<std::string>;
const SearchRules kTmp{{"*.tmp"}, true, true};

TEST_F(DriveSearchTest, SummaryCutsTheFigureAndNeverRoundsIt) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0.00 MB found in 0 junk files."},
        {119, "0.00 MB found in 0 junk files."},
        {3145728, "3 MB found in 0 junk files."},
        {2096103, "1.99 MB found in 0 junk files."},  // 1.999 MB
        {1572864, "1.5 MB found in 0 junk files."},
        {5ULL << 40, "5242880 MB found in 0 junk files."},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(SearchSummary(bytes, 0), text) << bytes;
    EXPECT_EQ(SearchSummary(3145728, 7), "3 MB found in 7 junk files.");
}

TEST_F(DriveSearchTest, StatusPathKeepsTheNameOfALongPath) {
    const std::string folder = "C:\\" + std::string(90, 'd') + "\\";
    EXPECT_EQ(StatusPath("C:\\a\\b.tmp", "b.tmp"), "C:\\a\\b.tmp");
    EXPECT_EQ(StatusPath(std::string(80, 'p'), "p"), std::string(80, 'p'));
    EXPECT_EQ(StatusPath(folder + "name.tmp", "name.tmp"), (folder + "name.tmp").substr(0, 72) + "..name.tmp");
}

TEST_F(DriveSearchTest, NoDriveOrNoMaskFindsNothingYetWalksTheDrives) {
    Add("C:\\a.tmp");
    Add("C:\\sub\\b.tmp");
    EXPECT_EQ(Paths({}, kTmp), Hits{});
    EXPECT_EQ(progress.pumps, 0);
    EXPECT_EQ(Paths({"C:\\"}, {{}, true, true}), Hits{});
    EXPECT_GE(progress.pumps, 3);  // both files and the folder were listed
}

TEST_F(DriveSearchTest, FindsFilesOnlyOncePerMatchingMaskAndSumsSizesIn64Bits) {
    Add("C:\\~x.tmp", 10);
    Add("C:\\cache.tmp\\inner.txt");
    Add("C:\\docs\\huge.bak");
    Add("C:\\docs\\huge2.bak");
    sized.sizes = {{"huge.bak", 5ULL << 30}, {"huge2.bak", 3ULL << 30}};
    DriveSearch search(sized, progress);
    search.Run({"C:\\"}, {{"*.tmp", "~*.tmp", "*.bak"}, true, true});
    Hits paths;
    for (const auto& hit : search.Hits()) paths.push_back(hit.path);
    EXPECT_EQ(paths, (Hits{"C:\\~x.tmp", "C:\\~x.tmp", "C:\\docs\\huge.bak", "C:\\docs\\huge2.bak"}));
    EXPECT_EQ(search.FoundCount(), 4u);
    EXPECT_EQ(search.FoundBytes(), 20 + (8ULL << 30));
}

TEST_F(DriveSearchTest, FoldersThatAreHiddenSystemLinksOrWindowsAreNeverEntered) {
    Add("C:\\root.tmp");
    Add("C:\\hidden.tmp", 1, FileAttr::Archive | FileAttr::Hidden);
    Add("C:\\system.tmp", 1, FileAttr::Archive | FileAttr::System);
    p.files.AddFolder("C:\\Secret", FileAttr::Directory | FileAttr::Hidden);
    Add("C:\\Secret\\a.tmp");
    p.files.AddFolder("C:\\Sys", FileAttr::Directory | FileAttr::System);
    Add("C:\\Sys\\a.tmp");
    Add("C:\\Target\\t.tmp");
    p.files.AddLink("C:\\Users\\link", "C:\\Target");
    Add("C:\\Windows\\w.tmp");
    Add("C:\\windows.old\\w.tmp");
    Add("C:\\Users\\Windows\\kept.tmp");
    Add("C:\\Users\\WINDOWSX\\kept.tmp");
    Add("D:\\Data\\WiNdOwS\\w.tmp");
    Add("D:\\Data\\d.tmp");
    const Hits plain = Paths({"C:\\", "D:\\"}, {{"*.tmp"}, false, true});
    EXPECT_EQ(plain, (Hits{"C:\\Target\\t.tmp", "C:\\Users\\WINDOWSX\\kept.tmp", "C:\\Users\\Windows\\kept.tmp",
                           "C:\\Windows\\w.tmp", "C:\\hidden.tmp", "C:\\root.tmp", "C:\\windows.old\\w.tmp",
                           "D:\\Data\\WiNdOwS\\w.tmp", "D:\\Data\\d.tmp"}));
    // The exclusion cuts the Windows folder itself and any folder a drive
    // root holds whose path matches *:\WINDOWS*, at any depth of the walk.
    const Hits excluded = Paths({"C:\\", "D:\\"}, kTmp);
    EXPECT_EQ(excluded, (Hits{"C:\\Target\\t.tmp", "C:\\Users\\WINDOWSX\\kept.tmp", "C:\\Users\\Windows\\kept.tmp",
                              "C:\\hidden.tmp", "C:\\root.tmp", "D:\\Data\\WiNdOwS\\w.tmp", "D:\\Data\\d.tmp"}));
    const Hits withSystem = Paths({"C:\\"}, {{"*.tmp"}, true, false});
    EXPECT_EQ(std::count(withSystem.begin(), withSystem.end(), "C:\\system.tmp"), 1);
}

TEST_F(DriveSearchTest, WindowsFolderDeeperThanARootIsCutToo) {
    p.files.SetWindowsFolder("D:\\Systems\\Win");
    Add("D:\\Systems\\Win\\w.tmp");
    Add("D:\\Systems\\Winter\\w.tmp");  // matches the Windows folder's path + "*"
    Add("D:\\Systems\\Other\\o.tmp");
    EXPECT_EQ(Paths({"D:\\"}, kTmp), Hits{"D:\\Systems\\Other\\o.tmp"});
}

TEST_F(DriveSearchTest, StopKeepsTheHitsSoFarAndUnwindsEveryFolder) {
    for (int i = 0; i < 5; ++i) Add("E:\\a\\b\\f" + std::to_string(i) + ".tmp");
    Add("E:\\z\\late.tmp");
    Add("D:\\d.tmp");
    DriveSearch search(sized, progress);
    // Messages run before each file is looked at; "&Stop" is pressed at the
    // first look after the second hit, and nothing is looked at after it.
    std::vector<std::size_t> foundAtEachLook;
    int looksAfterStop = 0;
    progress.atPump = 0;
    progress.script = [&] {
        foundAtEachLook.push_back(search.FoundCount());
        if (progress.stop) ++looksAfterStop;
        if (search.FoundCount() == 2) progress.stop = true;
    };
    search.Run({"E:\\", "D:\\"}, kTmp);
    ASSERT_EQ(search.FoundCount(), 2u);
    EXPECT_EQ(search.Hits()[1].path, "E:\\a\\b\\f1.tmp");
    EXPECT_EQ(looksAfterStop, 0);
    for (std::size_t i = 1; i < foundAtEachLook.size(); ++i)
        EXPECT_LE(foundAtEachLook[i], foundAtEachLook[i - 1] + 1) << "two files found without a look between";
}

TEST_F(DriveSearchTest, AnInvalidMaskOrUnreadableWindowsFolderStopsBeforeTheWalk) {
    Add("C:\\a.tmp");
    DriveSearch search(sized, progress);
    EXPECT_THROW(search.Run({"C:\\"}, {{"*.tmp", "[x"}, false, false}), Error);
    p.files.SetWindowsFolder("");
    EXPECT_THROW(search.Run({"C:\\"}, kTmp), Error);
    EXPECT_EQ(progress.pumps, 0);
    EXPECT_EQ(Paths({"C:\\"}, {{"*.tmp"}, false, false}), Hits{"C:\\a.tmp"});
}

}  // namespace
}  // namespace tw
