#include <gtest/gtest.h>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_clean.h"
#include "platform/memory/memory_platform.h"
#include "support/forwarding_file_system.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

// Records the order of deletes, to show the clean works bottom-up.
class DeleteLog final : public test::ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;
    bool DeleteFile(std::string_view path) override {
        deleted.emplace_back(path);
        return Inner().DeleteFile(path);
    }
    std::unique_ptr<FileEntry> OpenEntry(std::string_view path, const std::optional<FileIdentity>& expected,
                                         EntryAccess access) override {
        if (access == EntryAccess::Delete) deleted.emplace_back(path);
        return Inner().OpenEntry(path, expected, access);
    }
    std::vector<std::string> deleted;
};

class JunkCleanTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* path : {"C:\\a.tmp", "C:\\d\\b.tmp", "C:\\d\\c.bak"}) {
            p.files.AddFile(path, "x");
            hits.push_back({FileNamePart(path), path, 1, true, p.files.Identity(path)});
        }
    }
    std::size_t Clean(bool recycle) { return CleanCheckedHits(hits, log, p.shell, recycle, progress); }
    std::vector<std::string> Left() const {
        std::vector<std::string> left;
        for (const auto& h : hits) left.push_back(h.path + (h.ticked ? " 1" : " 0"));
        return left;
    }
    static std::string FileNamePart(std::string_view path) { return std::string(path.substr(path.rfind('\\') + 1)); }

    MemoryPlatform p;
    DeleteLog log{p.files};
    test::ScriptedProgress progress;
    std::vector<JunkFileHit> hits;
};

TEST_F(JunkCleanTest, UntickedRowsAreNeverTouched) {
    for (auto& h : hits) h.ticked = false;
    EXPECT_EQ(Clean(false), 0u);
    EXPECT_EQ(hits.size(), 3u);
    EXPECT_TRUE(log.deleted.empty());
    EXPECT_TRUE(p.files.FileExists("C:\\a.tmp"));
    EXPECT_EQ(CleanSummary(0), "Junk files are successfully cleaned.");
}

TEST_F(JunkCleanTest, DeletesFromTheLastRowUpOrRecyclesAsTheOptionSays) {
    EXPECT_EQ(Clean(false), 0u);
    EXPECT_EQ(log.deleted, (std::vector<std::string>{"C:\\d\\c.bak", "C:\\d\\b.tmp", "C:\\a.tmp"}));
    EXPECT_TRUE(hits.empty());
    EXPECT_TRUE(p.shell.Recycled().empty());

    SetUp();  // the same three files and rows again
    log.deleted.clear();
    EXPECT_EQ(Clean(true), 0u);
    EXPECT_EQ(p.shell.Recycled(), (std::vector<std::string>{"C:\\d\\c.bak", "C:\\d\\b.tmp", "C:\\a.tmp"}));
    EXPECT_EQ(log.deleted.size(), 0u);  // the shell moved them, not a delete of ours
    EXPECT_TRUE(hits.empty());
}

TEST_F(JunkCleanTest, AFileThatCannotGoStaysListedUntickedAndIsCounted) {
    for (const bool recycle : {false, true}) {
        hits.clear();
        SetUp();
        p.files.LockFile("C:\\d\\b.tmp");
        EXPECT_EQ(Clean(recycle), 1u) << recycle;
        EXPECT_EQ(Left(), std::vector<std::string>{"C:\\d\\b.tmp 0"}) << recycle;
        EXPECT_TRUE(p.files.FileExists("C:\\d\\b.tmp"));
    }
    EXPECT_EQ(CleanSummary(1), "1 junk file could not be cleaned.");
    EXPECT_EQ(CleaningText(0), "Cleaning junk files");
    EXPECT_EQ(CleaningText(7), "Cleaning junk files...");
}

// A folder on a found file's path swapped for a link to a folder holding a
// file of the same name: that other file is no hit and keeps every byte.
TEST_F(JunkCleanTest, AFolderSwappedForALinkSinceTheSearchRedirectsNothing) {
    for (const bool recycle : {false, true}) {
        SCOPED_TRACE(recycle);
        MemoryPlatform machine;
        machine.files.AddFile("D:\\Users\\ann\\Temp\\setup1.tmp", "junk");
        machine.files.AddFile("C:\\Other\\setup1.tmp", "precious");
        DriveSearch search(machine.files, progress);
        search.Run({"D:\\"}, {{"*.tmp"}, false, false});
        auto found = search.TakeHits();
        ASSERT_EQ(found.size(), 1u);
        ASSERT_TRUE(machine.files.MoveFile("D:\\Users\\ann\\Temp", "D:\\Users\\ann\\Temp-old"));
        machine.files.AddLink("D:\\Users\\ann\\Temp", "C:\\Other");
        EXPECT_EQ(CleanCheckedHits(found, machine.files, machine.shell, recycle, progress), 1u);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_FALSE(found[0].ticked);
        EXPECT_EQ(machine.files.Text("C:\\Other\\setup1.tmp"), "precious");
        EXPECT_EQ(machine.files.Text("D:\\Users\\ann\\Temp-old\\setup1.tmp"), "junk");
        EXPECT_TRUE(machine.shell.Recycled().empty());
    }
}

}  // namespace
}  // namespace tw
