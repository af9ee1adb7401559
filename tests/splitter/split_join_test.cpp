#include <gtest/gtest.h>

#include <algorithm>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "services/scripted_prompter.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"
#include "splitter/piece_names.h"
#include "splitter/recording_file_system.h"
#include "splitter/split_sizes.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

constexpr std::uint64_t kFloppy = 1228800;  // the first size, selected when the page opens

std::vector<std::uint8_t> Pattern(std::size_t length, unsigned seed = 7) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>((i * 31 + i / 251 + seed) & 0xFF);
    return bytes;
}

class SplitJoinTest : public ::testing::Test {
protected:
    void AddSource(const std::string& path, std::size_t length, std::uint32_t attributes = FileAttr::Archive) {
        source = Pattern(length);
        p.files.AddFile(path, source, attributes);
    }
    std::string Split(const std::string& path, const std::string& destination = "", std::size_t choice = 0,
                      const std::string& custom = "1") {
        return SplitFile(files, {path, destination, choice, custom}, progress);
    }
    std::optional<std::string> Join(const std::string& piece, const std::string& destination = "") {
        return JoinPieces(files, prompter, {piece, destination}, progress);
    }
    // The names in a folder, sorted.
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& f : p.files.Find(folder + "*")) names.push_back(f.name);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::size_t SizeOf(const std::string& path) const { return p.files.Content(path).size(); }

    void SetUp() override { p.files.AddFolder("C:\\out"); }

    MemoryPlatform p;
    test::RecordingFileSystem files{p.files};
    ScriptedPrompter prompter;
    std::vector<std::uint8_t> source;
    test::ScriptedProgress progress;
};

TEST_F(SplitJoinTest, SourcesSmallerThanOnePieceAreRefusedAndWriteNothing) {
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{kFloppy - 1}}) {
        SCOPED_TRACE(length);
        AddSource("C:\\in\\a.bin", length);
        EXPECT_EQ(Split("C:\\in\\a.bin"), kSourceSmallerThanPiece);
        EXPECT_EQ(Names("C:\\in\\"), std::vector<std::string>{"a.bin"});
    }
}

TEST_F(SplitJoinTest, ExactlyOnePieceGivesTheDataAndAnEmptyLastPiece) {
    AddSource("C:\\in\\a.bin", kFloppy);
    EXPECT_EQ(Split("C:\\in\\a.bin"), kSplitDone);
    EXPECT_EQ(Names("C:\\in\\"), (std::vector<std::string>{"a.bin", "a.bin.00000", "a.bin.00001"}));
    EXPECT_EQ(p.files.Content("C:\\in\\a.bin.00000"), source);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00001"), 0u);

    EXPECT_EQ(Join("C:\\in\\a.bin.00001", "C:\\out"), "The file: a.bin is successfully joined");
    EXPECT_EQ(p.files.Content("C:\\out\\a.bin"), source);
}

TEST_F(SplitJoinTest, OneByteMoreThanAPieceGivesAOneBytePiece) {
    AddSource("C:\\in\\a.bin", kFloppy + 1);
    EXPECT_EQ(Split("C:\\in\\a.bin"), kSplitDone);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00000"), kFloppy);
    EXPECT_EQ(p.files.Content("C:\\in\\a.bin.00001"), std::vector<std::uint8_t>{source.back()});
    EXPECT_FALSE(p.files.FileExists("C:\\in\\a.bin.00002"));
}

TEST_F(SplitJoinTest, ThreeMillionBytesAtTheFirstFloppySizeGiveThreePiecesThatJoinBack) {
    AddSource("C:\\in\\report.doc", 3000000);
    p.files.AddFolder("C:\\pieces");
    EXPECT_EQ(Split("C:\\in\\report.doc", "C:\\pieces"), kSplitDone);
    EXPECT_EQ(Names("C:\\pieces\\"),
              (std::vector<std::string>{"report.doc.00000", "report.doc.00001", "report.doc.00002"}));
    EXPECT_EQ(SizeOf("C:\\pieces\\report.doc.00000"), 1228800u);
    EXPECT_EQ(SizeOf("C:\\pieces\\report.doc.00001"), 1228800u);
    EXPECT_EQ(SizeOf("C:\\pieces\\report.doc.00002"), 542400u);

    // Any piece of the set joins the whole set, from 00000 on.
    EXPECT_EQ(Join("C:\\pieces\\report.doc.00002"), "The file: report.doc is successfully joined");
    EXPECT_EQ(p.files.Content("C:\\pieces\\report.doc"), source);
}

TEST_F(SplitJoinTest, DestinationWithOrWithoutBackslashOrEmptyNamesThePiecesAlike) {
    AddSource("C:\\in\\a.bin", 3000000);
    ASSERT_EQ(Split("C:\\in\\a.bin", "C:\\out"), kSplitDone);
    const auto without = Names("C:\\out\\");
    p.files.AddFolder("C:\\out2");
    ASSERT_EQ(Split("C:\\in\\a.bin", "C:\\out2\\"), kSplitDone);
    EXPECT_EQ(Names("C:\\out2\\"), without);
    ASSERT_EQ(Split("C:\\in\\a.bin", ""), kSplitDone);
    EXPECT_EQ(Names("C:\\in\\"), (std::vector<std::string>{"a.bin", "a.bin.00000", "a.bin.00001", "a.bin.00002"}));
    // A drive root as destination keeps its one backslash.
    ASSERT_EQ(Split("C:\\in\\a.bin", "C:\\"), kSplitDone);
    EXPECT_EQ(SizeOf("C:\\a.bin.00002"), 542400u);
}

TEST_F(SplitJoinTest, ChecksBeforeSplittingShowTheirMessageAndWriteNothing) {
    AddSource("C:\\in\\a.bin", 3000000);
    EXPECT_EQ(Split(""), kNoFileToSplit);
    EXPECT_EQ(Split("C:\\in\\missing.bin"), kSplitSourceMissing);
    EXPECT_EQ(Split("C:\\in"), kSplitSourceMissing) << "a folder is not a file";
    EXPECT_EQ(Split("C:\\in\\a.bin", "C:\\nowhere"), kDestinationMissing);
    for (const char* custom : {"0", "-1", "", "  ", "abc", "12x", "1.5", "99999999999999999999"}) {
        EXPECT_EQ(Split("C:\\in\\a.bin", "", kCustomSizeChoice, custom), kCustomSizeRefused) << custom;
    }
    EXPECT_EQ(Names("C:\\in\\"), std::vector<std::string>{"a.bin"});
    EXPECT_TRUE(files.opened.empty());
}

TEST_F(SplitJoinTest, CustomSizeCountsInMegabytes) {
    AddSource("C:\\in\\a.bin", 2 * 1048576 + 5);
    EXPECT_EQ(Split("C:\\in\\a.bin", "", kCustomSizeChoice, "1"), kSplitDone);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00000"), 1048576u);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00001"), 1048576u);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00002"), 5u);
}

TEST_F(SplitJoinTest, CopiesInChunksOfAtMost61440BytesAndReadsSourcesAndPiecesOnly) {
    AddSource("C:\\in\\a.bin", 3000000);
    ASSERT_EQ(Split("C:\\in\\a.bin", "C:\\in\\"), kSplitDone);
    ASSERT_EQ(Join("C:\\in\\a.bin.00000", "C:\\out"), "The file: a.bin is successfully joined");
    EXPECT_EQ(files.longestRead, 61440u);
    EXPECT_EQ(files.longestWrite, 61440u);
    // Split and join each let messages run between their chunks.
    EXPECT_GE(progress.pumps, 2 * (3000000 / 61440));
    int reads = 0, creates = 0;
    for (const auto& o : files.opened) {
        if (o.mode == OpenMode::Create || o.mode == OpenMode::CreateNew) {
            ++creates;
            EXPECT_TRUE(o.path == "C:\\out\\a.bin.tmp" || o.path.starts_with("C:\\in\\a.bin.0000")) << o.path;
            continue;
        }
        ++reads;
        EXPECT_EQ(o.mode, OpenMode::Read) << o.path;
        EXPECT_EQ(o.share, Share::Read) << o.path;
    }
    EXPECT_EQ(reads, 1 + 3);
    EXPECT_EQ(creates, 3 + 1);
}

TEST_F(SplitJoinTest, ReadOnlySourceAndReadOnlyPiecesSplitAndJoin) {
    AddSource("C:\\in\\a.bin", 3000000, FileAttr::ReadOnly);
    ASSERT_EQ(Split("C:\\in\\a.bin", "C:\\in"), kSplitDone);
    for (int i = 0; i < 3; ++i) p.files.SetAttributes(PieceName("C:\\in\\a.bin", i), FileAttr::ReadOnly);
    ASSERT_EQ(Join("C:\\in\\a.bin.00001", "C:\\out"), "The file: a.bin is successfully joined");
    EXPECT_EQ(p.files.Content("C:\\out\\a.bin"), source);
}

// A join's output of an existing name is often the original, edited since.
TEST_F(SplitJoinTest, ExistingPiecesAreOverwrittenAndAnExistingOutputOnlyOnOk) {
    AddSource("C:\\in\\a.bin", kFloppy + 10);
    p.files.AddFile("C:\\in\\a.bin.00001", Pattern(5000, 99));
    ASSERT_EQ(Split("C:\\in\\a.bin"), kSplitDone);
    EXPECT_EQ(SizeOf("C:\\in\\a.bin.00001"), 10u);
    p.files.AddFile("C:\\out\\a.bin", "older and longer content than nothing");
    // The join writes through a temporary name, never one that is taken.
    p.files.AddFile("C:\\out\\a.bin.tmp", "someone else's");
    prompter.Answer(false).Answer(true);
    EXPECT_EQ(Join("C:\\in\\a.bin.00000", "C:\\out"), std::nullopt);
    EXPECT_EQ(p.files.Text("C:\\out\\a.bin"), "older and longer content than nothing");
    ASSERT_EQ(Join("C:\\in\\a.bin.00000", "C:\\out"), "The file: a.bin is successfully joined");
    EXPECT_EQ(prompter.History(), std::vector<ScriptedPrompter::Shown>(
                                      2, {ScriptedPrompter::Kind::Confirm,
                                          "C:\\out\\a.bin already exists. Do you want to replace it?"}));
    EXPECT_EQ(p.files.Content("C:\\out\\a.bin"), source);
    EXPECT_EQ(p.files.Text("C:\\out\\a.bin.tmp"), "someone else's");
    EXPECT_EQ(Names("C:\\out\\"), (std::vector<std::string>{"a.bin", "a.bin.tmp"}));
}

TEST_F(SplitJoinTest, NamesOutsideTheAnsiCodePageSplitAndJoin) {
    AddSource("C:\\Données\\отчёт 報告.doc", 3000000);
    ASSERT_EQ(Split("C:\\Données\\отчёт 報告.doc"), kSplitDone);
    EXPECT_TRUE(p.files.FileExists("C:\\Données\\отчёт 報告.doc.00002"));
    p.files.AddFolder("C:\\Ωμέγα");
    ASSERT_EQ(Join("C:\\Données\\отчёт 報告.doc.00000", "C:\\Ωμέγα"),
              "The file: отчёт 報告.doc is successfully joined");
    EXPECT_EQ(p.files.Content("C:\\Ωμέγα\\отчёт 報告.doc"), source);
}

// Joining up to the gap would give a file that only looks complete.
TEST_F(SplitJoinTest, AChosenPiecePastAGapIsRefusedAndNothingIsWritten) {
    for (int i = 0; i < 4; ++i) p.files.AddFile(PieceName("C:\\in\\a.bin", i), Pattern(100, i));
    ASSERT_TRUE(p.files.DeleteFile("C:\\in\\a.bin.00001"));
    EXPECT_EQ(Join("C:\\in\\a.bin.00003"),
              "The piece \"C:\\in\\a.bin.00002\" follows the missing piece \"a.bin.00001\". The pieces cannot be "
              "joined.");
    EXPECT_EQ(Names("C:\\in\\"), (std::vector<std::string>{"a.bin.00000", "a.bin.00002", "a.bin.00003"}));
}

TEST_F(SplitJoinTest, AFileThatIsNotAPieceIsRefusedUnlessItsBaseNameHasPieces) {
    AddSource("C:\\in\\report.doc", 100);
    EXPECT_EQ(Join("C:\\in\\report.doc"), kNotAPiece);
    EXPECT_EQ(Join("C:\\in\\missing.doc.00000"), kNotAPiece);
    EXPECT_EQ(Join(""), kNoFileToJoin);
    EXPECT_EQ(Names("C:\\in\\"), std::vector<std::string>{"report.doc"});

    // report.doc stands for the set report.00000, report.00001, ...
    p.files.AddFile("C:\\in\\report.00000", "ab");
    p.files.AddFile("C:\\in\\report.00001", "cd");
    EXPECT_EQ(Join("C:\\in\\report.doc"), "The file: report is successfully joined");
    EXPECT_EQ(p.files.Text("C:\\in\\report"), "abcd");
}

TEST_F(SplitJoinTest, PieceSetInformationCountsAndSumsFromTheFirstPiece) {
    AddSource("C:\\in\\a.bin", 3000000);
    ASSERT_EQ(Split("C:\\in\\a.bin"), kSplitDone);
    const PieceSet set = FindPieceSet(p.files, "C:\\in\\a.bin.00002");
    EXPECT_EQ(set.joinedName, "a.bin");
    EXPECT_EQ(set.folder, "C:\\in\\");
    EXPECT_EQ(set.count, 3u);
    EXPECT_EQ(set.totalSize, 3000000u);

    const PieceSet none = FindPieceSet(p.files, "");
    EXPECT_EQ(none.joinedName, "");
    EXPECT_EQ(none.count, 0u);
    EXPECT_EQ(none.totalSize, 0u);
}

TEST(PieceNames, IndexHasAtLeastFiveDigits) {
    EXPECT_EQ(PieceName("report.doc", 0), "report.doc.00000");
    EXPECT_EQ(PieceName("report.doc", 42), "report.doc.00042");
    EXPECT_EQ(PieceName("x", 123456), "x.123456");
    EXPECT_EQ(JoinedName("C:\\x.dir\\report"), "report");
    EXPECT_EQ(JoinedName("C:\\x\\report.doc.00003"), "report.doc");
}

TEST(SplitSizes, CaptionsAndBytesAreTheEightChoices) {
    const std::vector<std::pair<std::string_view, std::uint64_t>> expected = {{"1.2 MB (5.25\" Floppy Disk)", 1228800},
                                                                              {"1.44 MB (3.5\" Floppy Disk)", 1474560},
                                                                              {"100 MB", 104857600},
                                                                              {"250 MB", 262144000},
                                                                              {"550 MB (63 Minutes CD-ROM)", 576716800},
                                                                              {"650 MB (74 Minutes CD-ROM)", 681574400},
                                                                              {"700 MB (80 Minutes CD-ROM)", 734003200},
                                                                              {"Custom Size", 0}};
    ASSERT_EQ(kSplitSizes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(kSplitSizes[i].caption, expected[i].first);
        if (i != kCustomSizeChoice) {
            EXPECT_EQ(PieceSizeFor(i, "junk"), expected[i].second);
        }
    }
    EXPECT_EQ(PieceSizeFor(kCustomSizeChoice, " 3 "), 3u * 1048576);
    // Past the old signed 32-bit limit the size is still exact.
    EXPECT_EQ(PieceSizeFor(kCustomSizeChoice, "4096"), 4096ull * 1048576);
    EXPECT_EQ(PieceSizeFor(kSplitSizes.size(), "1"), std::nullopt);
}

}  // namespace
}  // namespace tw
