#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "services/scripted_prompter.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"
#include "support/forwarding_file_system.h"

namespace tw {
namespace {

constexpr const char* kInUse = "The process cannot access the file because it is being used by another process.";

// A failure names its file and carries the system's text; what was written
// before it stays, and no success notice is returned.
class SplitFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.files.AddFile("C:\\in\\a.bin", std::vector<std::uint8_t>(3000000, 0x5A));
        p.files.AddFolder("C:\\out");
    }
    std::string ErrorOf(const std::function<std::optional<std::string>()>& run) {
        try {
            const auto notice = run();
            ADD_FAILURE() << "no error, the notice was: " << notice.value_or("(none)");
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
    std::string Split(const std::string& destination = "") {
        return SplitFile(p.files, {"C:\\in\\a.bin", destination, 0, "1"}, quiet);
    }
    std::optional<std::string> Join(const std::string& destination = "") {
        return JoinPieces(p.files, prompter, {"C:\\in\\a.bin.00000", destination}, quiet);
    }
    MemoryPlatform p;
    ScriptedPrompter prompter;
    NoProgress quiet;
};

TEST_F(SplitFailureTest, SourceInUseElsewhereCannotBeOpened) {
    p.files.LockFile("C:\\in\\a.bin");
    EXPECT_EQ(ErrorOf([&] { return Split(); }), std::string("Cannot open file \"C:\\in\\a.bin\". ") + kInUse);
    EXPECT_FALSE(p.files.FileExists("C:\\in\\a.bin.00000"));
}

TEST_F(SplitFailureTest, APieceThatCannotBeCreatedStopsTheSplitAfterTheEarlierPieces) {
    p.files.AddFile("C:\\in\\a.bin.00001", std::vector<std::uint8_t>{1}, FileAttr::ReadOnly);
    EXPECT_EQ(ErrorOf([&] { return Split(); }), "Cannot create file \"C:\\in\\a.bin.00001\". Access is denied.");
    EXPECT_EQ(p.files.Content("C:\\in\\a.bin.00000").size(), 1228800u);
    EXPECT_FALSE(p.files.FileExists("C:\\in\\a.bin.00002"));
}

TEST_F(SplitFailureTest, AFullDiskStopsTheSplitNamingThePieceBeingWritten) {
    p.files.SetFreeSpace(1500000);
    EXPECT_EQ(ErrorOf([&] { return Split(); }),
              "Cannot write file \"C:\\in\\a.bin.00001\". There is not enough space on the disk.");
}

// A join writes beside its output and renames only a complete, consistent
// result into place: whatever goes wrong, an earlier data.bin keeps every
// byte and no temporary file is left. Checks before writing are refusals
// naming the piece; failures while writing are errors naming the file.
TEST_F(SplitFailureTest, ADamagedSetIsRefusedOrReportedAndTheExistingOutputKept) {
    const auto piece = [](int index) { return "C:\\in\\a.bin.0000" + std::to_string(index); };
    const std::string cannot = " The pieces cannot be joined.";
    struct Case {
        const char* damage;
        std::function<void(MemoryFileSystem&)> apply;
        std::string notice;  // a refusal, or else
        std::string error;   // a failure while writing
    };
    const Case cases[] = {
        {"locked third piece", [&](MemoryFileSystem& f) { f.LockFile(piece(2)); }, "",
         "Cannot open file \"C:\\in\\a.bin.00002\". " + std::string(kInUse)},
        {"missing middle piece", [&](MemoryFileSystem& f) { f.DeleteFile(piece(1)); },
         "The piece \"C:\\in\\a.bin.00002\" follows the missing piece \"a.bin.00001\"." + cannot, ""},
        {"stale piece past a gap", [&](MemoryFileSystem& f) { f.AddFile(piece(5), std::vector<std::uint8_t>(9)); },
         "The piece \"C:\\in\\a.bin.00005\" follows the missing piece \"a.bin.00003\"." + cannot, ""},
        {"stale piece right after",
         [&](MemoryFileSystem& f) { f.AddFile(piece(3), std::vector<std::uint8_t>(1228800)); },
         "The piece \"C:\\in\\a.bin.00002\" is 542400 bytes, but every piece before the last must be 1228800 "
         "bytes, as \"a.bin.00000\" is." + cannot, ""},
        {"truncated middle piece", [&](MemoryFileSystem& f) { f.AddFile(piece(1), std::vector<std::uint8_t>(1000)); },
         "The piece \"C:\\in\\a.bin.00001\" is 1000 bytes, but every piece before the last must be 1228800 "
         "bytes, as \"a.bin.00000\" is." + cannot, ""},
        {"last piece too large",
         [&](MemoryFileSystem& f) { f.AddFile(piece(2), std::vector<std::uint8_t>(1228801)); },
         "The last piece \"C:\\in\\a.bin.00002\" is larger than the first, \"a.bin.00000\"." + cannot, ""},
        {"full disk", [&](MemoryFileSystem& f) { f.SetFreeSpace(2000000); }, "",
         "Cannot write file \"C:\\out\\a.bin\". There is not enough space on the disk."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        MemoryPlatform machine;
        machine.files.AddFile("C:\\in\\a.bin", std::vector<std::uint8_t>(3000000, 0x5A));
        ASSERT_EQ(SplitFile(machine.files, {"C:\\in\\a.bin", "", 0, "1"}, quiet), kSplitDone);
        machine.files.AddFile("C:\\out\\a.bin", "the only copy of last year's data");
        c.apply(machine.files);
        // Refused sets are refused before anyone is asked.
        ScriptedPrompter asked;
        if (c.notice.empty()) asked.Answer(true);
        std::string notice, error;
        try {
            notice = JoinPieces(machine.files, asked, {"C:\\in\\a.bin.00000", "C:\\out"}, quiet).value_or("");
        } catch (const Error& e) {
            error = e.what();
        }
        EXPECT_EQ(notice, c.notice);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(machine.files.Text("C:\\out\\a.bin"), "the only copy of last year's data");
        EXPECT_EQ(machine.files.Find("C:\\out\\*").size(), 1u) << "no temporary file is left";
    }
}

TEST_F(SplitFailureTest, AnOutputThatCannotBeCreatedStopsTheJoin) {
    ASSERT_EQ(Split(), kSplitDone);
    EXPECT_EQ(ErrorOf([&] { return Join("C:\\nowhere"); }),
              "Cannot create file \"C:\\nowhere\\a.bin\". The system cannot find the path specified.");
}

// Someone else acts just as the join opens a file.
class ActOnOpen final : public test::ForwardingFileSystem {
public:
    ActOnOpen(FileSystem& files, std::string path, std::function<void()> act)
        : ForwardingFileSystem(files), path_(std::move(path)), act_(std::move(act)) {}
    std::unique_ptr<Stream> Open(std::string_view path, OpenMode mode, Share share) override {
        if (path == path_) act_();
        return Inner().Open(path, mode, share);
    }

private:
    std::string path_;
    std::function<void()> act_;
};

TEST_F(SplitFailureTest, APieceCutShortDuringTheJoinFailsAndTheOutputIsKept) {
    ASSERT_EQ(Split(), kSplitDone);
    p.files.AddFile("C:\\out\\a.bin", "older");
    // After its size was checked.
    ActOnOpen files(p.files, "C:\\in\\a.bin.00001",
                    [&] { p.files.AddFile("C:\\in\\a.bin.00001", std::vector<std::uint8_t>(10)); });
    prompter.Answer(true);
    EXPECT_EQ(ErrorOf([&] { return JoinPieces(files, prompter, {"C:\\in\\a.bin.00000", "C:\\out"}, quiet); }),
              "Cannot read file \"C:\\in\\a.bin.00001\". The file ended before its expected size.");
    EXPECT_EQ(p.files.Text("C:\\out\\a.bin"), "older");
}

// Nobody was asked about a file that turns up while the join writes.
TEST_F(SplitFailureTest, AFileThatAppearsDuringTheJoinIsNeverReplaced) {
    ASSERT_EQ(Split(), kSplitDone);
    ActOnOpen files(p.files, "C:\\out\\a.bin.tmp", [&] { p.files.AddFile("C:\\out\\a.bin", "someone else's"); });
    EXPECT_EQ(ErrorOf([&] { return JoinPieces(files, prompter, {"C:\\in\\a.bin.00000", "C:\\out"}, quiet); }),
              "Cannot create file \"C:\\out\\a.bin\". Cannot create a file when that file already exists.");
    EXPECT_EQ(p.files.Text("C:\\out\\a.bin"), "someone else's");
    EXPECT_EQ(p.files.Find("C:\\out\\*").size(), 1u);
}

}  // namespace
}  // namespace tw
