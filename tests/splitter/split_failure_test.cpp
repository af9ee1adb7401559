#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"

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
    std::string ErrorOf(const std::function<std::string()>& run) {
        try {
            const std::string notice = run();
            ADD_FAILURE() << "no error, the notice was: " << notice;
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
    std::string Split(const std::string& destination = "") {
        return SplitFile(p.files, {"C:\\in\\a.bin", destination, 0, "1"}, {});
    }
    std::string Join(const std::string& destination = "") {
        return JoinPieces(p.files, {"C:\\in\\a.bin.00000", destination}, {});
    }
    MemoryPlatform p;
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

TEST_F(SplitFailureTest, APieceInUseStopsTheJoinAfterTheEarlierPieces) {
    ASSERT_EQ(Split(), kSplitDone);
    p.files.LockFile("C:\\in\\a.bin.00001");
    EXPECT_EQ(ErrorOf([&] { return Join("C:\\out"); }),
              std::string("Cannot open file \"C:\\in\\a.bin.00001\". ") + kInUse);
    EXPECT_EQ(p.files.Content("C:\\out\\a.bin").size(), 1228800u);
}

TEST_F(SplitFailureTest, AnOutputThatCannotBeCreatedStopsTheJoin) {
    ASSERT_EQ(Split(), kSplitDone);
    EXPECT_EQ(ErrorOf([&] { return Join("C:\\nowhere"); }),
              "Cannot create file \"C:\\nowhere\\a.bin\". The system cannot find the path specified.");
}

}  // namespace
}  // namespace tw
