#include <gtest/gtest.h>

#include <algorithm>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "shredder/file_shredder.h"
#include "shredder/shred_list.h"
#include "support/forwarding_file_system.h"

namespace tw {
namespace {

class ShredRunTest : public ::testing::Test {
protected:
    std::function<void(const ListedFile&)> Shredder(bool rename) {
        return [this, rename](const ListedFile& file) {
            ShredFile(p.files, random, file, {WipeAlgorithmNumber(1), rename}, quiet);
        };
    }
    // The file as the list takes it when it is added.
    ListedFile Listed(const std::string& path) { return {path, p.files.Identity(path).value()}; }
    void Add(const std::string& path) { list.Add(path, Listed(path).identity); }
    std::string ErrorOf(const std::function<void()>& run) {
        try {
            run();
        } catch (const Error& e) {
            return e.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
    std::vector<std::string> SortedNames(const std::string& pattern) const {
        std::vector<std::string> names;
        for (const auto& f : p.files.Find(pattern)) names.push_back(f.name);
        std::sort(names.begin(), names.end());
        return names;
    }
    MemoryPlatform p;
    SeededRandom random{1};
    NoProgress quiet;
    ShredList list;
};

TEST_F(ShredRunTest, TwoFilesInOneFolderAreEachRenamedAndGoneBeforeTheNext) {
    p.files.AddFile("C:\\d\\a.txt", "alpha");
    p.files.AddFile("C:\\d\\b.txt", "beta");
    Add("C:\\d\\a.txt");
    Add("C:\\d\\b.txt");
    int done = 0;
    ShredBottomUp(list, Shredder(true), [&] { ++done; });
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(done, 2);
    EXPECT_TRUE(p.files.Find("C:\\d\\*").empty());
}

TEST_F(ShredRunTest, AFailureOnTheMiddleRowKeepsItAndTheRowsAboveAndOnlyTheLastFileIsGone) {
    p.files.AddFile("C:\\d\\a.txt", "alpha");
    p.files.AddFile("C:\\d\\b.txt", std::vector<std::uint8_t>{'b'}, FileAttr::ReadOnly);
    p.files.AddFile("C:\\d\\c.txt", "gamma");
    for (const char* f : {"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"}) Add(f);
    EXPECT_EQ(ErrorOf([&] { ShredBottomUp(list, Shredder(true), {}); }),
              "Cannot shred file \"C:\\d\\b.txt\". Access is denied.");
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\b.txt"}));
    EXPECT_EQ(p.files.Text("C:\\d\\a.txt"), "alpha");
    // The read-only file keeps its name and content, and no temporary name is left behind.
    EXPECT_EQ(p.files.Text("C:\\d\\b.txt"), "b");
    EXPECT_FALSE(p.files.FileExists("C:\\d\\c.txt"));
    EXPECT_FALSE(p.files.FileExists("C:\\d\\$000000.tmp"));
}

TEST_F(ShredRunTest, AReadOnlyFileWithoutRenamingStopsWithTheSystemText) {
    p.files.AddFile("C:\\d\\r.txt", std::vector<std::uint8_t>{'r'}, FileAttr::ReadOnly);
    EXPECT_EQ(ErrorOf([&] { Shredder(false)(Listed("C:\\d\\r.txt")); }),
              "Cannot shred file \"C:\\d\\r.txt\". Access is denied.");
    EXPECT_EQ(p.files.Text("C:\\d\\r.txt"), "r");
}

// Only a file that is really gone "cannot be found"; one whose rename fails
// otherwise is named with the reason.
TEST_F(ShredRunTest, AFileThatCannotBeRenamedIsNamedWithTheReasonAndLeftAlone) {
    p.files.AddFile("C:\\d\\a.txt", "alpha");
    p.files.AddFile("C:\\d\\$000000.tmp", "someone else's");
    EXPECT_EQ(ErrorOf([&] { Shredder(true)(Listed("C:\\d\\a.txt")); }),
              "Cannot shred file \"C:\\d\\a.txt\". It cannot take the name \"$000000.tmp\".");
    EXPECT_EQ(p.files.Text("C:\\d\\a.txt"), "alpha");
    EXPECT_EQ(p.files.Text("C:\\d\\$000000.tmp"), "someone else's");
    EXPECT_EQ(ErrorOf([&] { Shredder(true)({"C:\\d\\gone.txt", {}}); }), "File: C:\\d\\gone.txt cannot be found.");
}

TEST_F(ShredRunTest, AFileInUseStopsTheRunWithTheSystemText) {
    p.files.AddFile("C:\\d\\a.txt", "alpha");
    p.files.LockFile("C:\\d\\a.txt");
    EXPECT_EQ(ErrorOf([&] { Shredder(false)(Listed("C:\\d\\a.txt")); }),
              "Cannot shred file \"C:\\d\\a.txt\". The process cannot access the file because it is being used by "
              "another process.");
}

// Shredding a link would wipe what it points at, which nobody listed: the
// link is refused, whatever it leads to keeps every byte, and the link stays.
TEST_F(ShredRunTest, LinksAreRefusedAndWhatTheyPointAtIsKept) {
    p.files.AddFile("C:\\elsewhere\\secret.txt", "keep me");
    p.files.AddFile("C:\\elsewhere\\folder\\inner.txt", "inner");
    p.files.AddLink("C:\\list\\link.txt", "C:\\elsewhere\\secret.txt");
    p.files.AddLink("C:\\list\\junction", "C:\\elsewhere\\folder");
    for (const std::string link : {"C:\\list\\link.txt", "C:\\list\\junction"}) {
        for (const bool rename : {true, false}) {
            SCOPED_TRACE(link + (rename ? " renamed" : ""));
            Add(link);
            EXPECT_EQ(ErrorOf([&] { ShredBottomUp(list, Shredder(rename), {}); }), FormatText(kLinkRefused, link));
            EXPECT_EQ(list.Paths(), std::vector<std::string>{link});
            EXPECT_TRUE(p.files.Attributes(link).value_or(0) & FileAttr::ReparsePoint);
            list.Remove(0);
        }
    }
    EXPECT_EQ(p.files.Text("C:\\elsewhere\\secret.txt"), "keep me");
    EXPECT_EQ(p.files.Text("C:\\elsewhere\\folder\\inner.txt"), "inner");
    EXPECT_FALSE(p.files.FileExists("C:\\list\\$000000.tmp"));
}

// A folder on a listed file's path swapped for a link to a folder holding a
// file of the same name: the shred is refused with the file named, and that
// other file keeps every byte.
TEST_F(ShredRunTest, AFolderSwappedForALinkSinceTheFileWasAddedIsRefused) {
    p.files.AddFile("C:\\Users\\ann\\Temp\\secret.txt", "mine");
    p.files.AddFile("C:\\Windows\\victim\\secret.txt", "precious");
    const std::string path = "C:\\Users\\ann\\Temp\\secret.txt";
    list.AddExistingFiles(p.files, {path});
    ASSERT_TRUE(p.files.MoveFile("C:\\Users\\ann\\Temp", "C:\\Users\\ann\\Temp-old"));
    p.files.AddLink("C:\\Users\\ann\\Temp", "C:\\Windows\\victim");
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        EXPECT_EQ(ErrorOf([&] { ShredBottomUp(list, Shredder(rename), {}); }), FormatText(kNotTheListedFile, path));
        EXPECT_EQ(list.Paths(), std::vector<std::string>{path});
        EXPECT_EQ(p.files.Text("C:\\Windows\\victim\\secret.txt"), "precious");
        EXPECT_EQ(SortedNames("C:\\Windows\\victim\\*"), std::vector<std::string>{"secret.txt"});
    }
    EXPECT_EQ(p.files.Text("C:\\Users\\ann\\Temp-old\\secret.txt"), "mine");
}

// Refuses to rename "$000000.tmp" back, as when its name is taken meanwhile.
class RefusingNameBack final : public test::ForwardingEntry {
public:
    using ForwardingEntry::ForwardingEntry;
    bool Rename(std::string_view newName) override {
        return newName == kShredTempName && ForwardingEntry::Rename(newName);
    }
};
using NoNameBack = test::WrappingEntries<RefusingNameBack>;

// A file that is overwritten but not gone is no success: the run stops there
// with the file named, and it keeps its own name, or says where it is.
TEST_F(ShredRunTest, AFailedFinalDeleteIsReportedAndTheFileKeepsItsName) {
    struct Case {
        bool rename;
        bool nameBackFails;
        const char* named;
    };
    for (const Case c : {Case{true, false, "C:\\d\\a.txt"}, Case{false, false, "C:\\d\\a.txt"},
                         Case{true, true, "C:\\d\\$000000.tmp"}}) {
        SCOPED_TRACE(c.named);
        MemoryPlatform machine;
        machine.files.AddFile("C:\\d\\a.txt", "alpha");
        machine.files.FailDelete(c.rename ? "C:\\d\\$000000.tmp" : "C:\\d\\a.txt");
        NoNameBack refusing(machine.files);
        FileSystem& files = c.nameBackFails ? static_cast<FileSystem&>(refusing) : machine.files;
        list.Add("C:\\d\\a.txt", machine.files.Identity("C:\\d\\a.txt").value());
        const auto shred = [&](const ListedFile& file) {
            ShredFile(files, random, file, {WipeAlgorithmNumber(1), c.rename}, quiet);
        };
        EXPECT_EQ(ErrorOf([&] { ShredBottomUp(list, shred, {}); }), FormatText(kDeleteFailed, c.named));
        EXPECT_EQ(machine.files.Content(c.named), std::vector<std::uint8_t>(5, 0)) << "overwritten, and there";
        EXPECT_EQ(list.Count(), 1u);
        list.Remove(0);
    }
}

TEST_F(ShredRunTest, NamesOutsideTheAnsiCodePageAreShredded) {
    p.files.AddFile("C:\\Документы\\秘密.txt", "secret");
    Add("C:\\Документы\\秘密.txt");
    ShredBottomUp(list, Shredder(true), {});
    EXPECT_TRUE(p.files.Find("C:\\Документы\\*").empty());
}

TEST(ShredListRows, APathIsListedOnceWhateverItsLetterCase) {
    ShredList list;
    EXPECT_TRUE(list.Add("C:\\Docs\\Plan.txt", {}));
    EXPECT_FALSE(list.Add("c:\\DOCS\\plan.TXT", {}));
    EXPECT_TRUE(list.Add("C:\\Docs\\Ünïcode.txt", {}));
    EXPECT_FALSE(list.Add("C:\\Docs\\üNÏCODE.txt", {}));
    EXPECT_EQ(list.Count(), 2u);
}

TEST(ShredListRows, OnlyExistingFilesAreAddedNotFoldersOrMissingPaths) {
    MemoryPlatform p;
    p.files.AddFile("C:\\in\\a.txt", "a");
    p.files.AddFile("C:\\in\\b.txt", "b");
    p.files.AddFolder("C:\\in\\sub");
    ShredList list;
    list.AddExistingFiles(p.files, {"C:\\in\\a.txt"});
    EXPECT_EQ(list.AddExistingFiles(p.files, {"C:\\in\\sub", "C:\\in\\b.txt", "C:\\in\\missing.txt", "C:\\IN\\A.TXT"}),
              1u);
    EXPECT_EQ(list.Paths(), (std::vector<std::string>{"C:\\in\\a.txt", "C:\\in\\b.txt"}));
    list.Remove(5);
    list.Remove(0);
    EXPECT_EQ(list.Paths(), std::vector<std::string>{"C:\\in\\b.txt"});
}

}  // namespace
}  // namespace tw
