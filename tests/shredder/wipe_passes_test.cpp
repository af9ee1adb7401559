#include <gtest/gtest.h>

#include "shredder/file_shredder.h"
#include "shredder/pass_capture.h"
#include "shredder/wipe_algorithms.h"
#include "support/scripted_progress.h"

namespace tw {
namespace {

// A pass as the tables give it: "R" for random, else the pattern's bytes in hex.
using PassTable = std::vector<std::string>;

PassTable Repeat(const std::string& pass, int times) { return PassTable(static_cast<std::size_t>(times), pass); }
PassTable Join(std::initializer_list<PassTable> parts) {
    PassTable all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct AlgorithmCase {
    int number;
    std::string caption;
    PassTable passes;
};

std::vector<AlgorithmCase> AllAlgorithms() {
    const PassTable triples = {"924924", "492492", "249249"};
    return {
        {1, "Quick Wipe (1 pass. fastest algorithm)", {"00"}},
        {2, "Simple (3 passes, fast and more secure)", {"00", "FF", "00"}},
        {3, "Advanced Wiping (5 passes, quite secure)", {"00", "FF", "00", "FF", "00"}},
        {4, "DoD 5220.22-M (7 passes, military standard)", {"00", "00", "00", "FF", "FF", "FF", "FF"}},
        {5, "Bruce Schneier (7 passes, very secure)", Join({{"FF", "00"}, Repeat("R", 5)})},
        {6, "Peter Gutmann Method (35 passes, highest security)",
         Join({Repeat("R", 4),
               {"55", "AA"},
               triples,
               {"00", "11", "22", "33", "44", "55", "66", "77", "88", "99", "AA", "BB", "CC", "DD", "EE", "FF"},
               triples,
               {"6DB6DB", "B6DB6D", "DB6DB6"},
               Repeat("R", 4)})},
    };
}

std::vector<std::uint8_t> HexBytes(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// What a whole file of `length` bytes holds after a pass: a 1024-byte block,
// repeated from offset 0. Random blocks come from a twin of the generator
// the shredder used, one block per random pass.
std::vector<std::uint8_t> ExpectedPass(const std::string& pass, std::size_t length, SeededRandom& twin) {
    std::vector<std::uint8_t> block(1024);
    if (pass == "R") {
        twin.Fill(block);
    } else {
        const auto pattern = HexBytes(pass);
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = pattern[i % pattern.size()];
    }
    std::vector<std::uint8_t> file(length);
    for (std::size_t i = 0; i < length; ++i) file[i] = block[i % 1024];
    return file;
}

class WipePassesTest : public ::testing::Test {
protected:
    void Shred(const std::string& path, int algorithm, bool rename) {
        ShredFile(capture, random, {path, *p.files.Identity(path)}, {WipeAlgorithmNumber(algorithm), rename},
                  progress);
    }
    MemoryPlatform p;
    test::PassCapture capture{p.files};
    SeededRandom random{2024};
    test::ScriptedProgress progress;
};

TEST_F(WipePassesTest, EveryAlgorithmWritesEachOfItsPassesOverTheWholeFileAndFlushesIt) {
    // 3000 bytes cross two 1024-byte boundaries, where three-byte patterns restart.
    constexpr std::size_t kLength = 3000;
    for (const auto& algorithm : AllAlgorithms()) {
        SCOPED_TRACE(algorithm.caption);
        capture.flushed.clear();
        const std::size_t flushesBefore = p.files.FlushCount();
        p.files.AddFile("C:\\secret\\plan.txt", std::vector<std::uint8_t>(kLength, 0x3C));
        SeededRandom twin{2024};
        random = SeededRandom{2024};

        EXPECT_EQ(WipeAlgorithmNumber(algorithm.number).caption, algorithm.caption);
        Shred("C:\\secret\\plan.txt", algorithm.number, false);

        ASSERT_EQ(capture.flushed.size(), algorithm.passes.size());
        EXPECT_EQ(p.files.FlushCount() - flushesBefore, algorithm.passes.size());
        for (std::size_t i = 0; i < algorithm.passes.size(); ++i)
            EXPECT_EQ(capture.flushed[i], ExpectedPass(algorithm.passes[i], kLength, twin)) << "pass " << i + 1;
        EXPECT_FALSE(p.files.FileExists("C:\\secret\\plan.txt"));
    }
}

TEST_F(WipePassesTest, ThreeBytePatternsRestartAtEach1024ByteBoundary) {
    p.files.AddFile("C:\\d\\f.bin", std::vector<std::uint8_t>(2100, 0));
    Shred("C:\\d\\f.bin", 6, false);
    const auto& pass7 = capture.flushed.at(6);  // 92 49 24
    EXPECT_EQ(pass7[1023], 0x92);               // 1023 = 3 * 341: the pattern's first byte
    EXPECT_EQ(pass7[1024], 0x92);               // restarted, not 0x49
    EXPECT_EQ(pass7[1025], 0x49);
    EXPECT_EQ(pass7[2048], 0x92);
}

TEST_F(WipePassesTest, RandomPassesDrawAFreshBlockEachPass) {
    p.files.AddFile("C:\\d\\f.bin", std::vector<std::uint8_t>(1024, 0));
    Shred("C:\\d\\f.bin", 5, false);
    ASSERT_EQ(capture.flushed.size(), 7u);
    for (std::size_t i = 3; i < 7; ++i) EXPECT_NE(capture.flushed[i], capture.flushed[i - 1]) << i;
}

// One handle serves every pass, so the file passes after its rename are the
// very file that was listed.
TEST_F(WipePassesTest, AnEmptyFileIsRenamedAndFlushedOncePerPassWithNothingWrittenThenDeleted) {
    p.files.AddFile("C:\\d\\empty.txt", std::vector<std::uint8_t>{});
    Shred("C:\\d\\empty.txt", 3, true);
    EXPECT_EQ(capture.openedPaths, std::vector<std::string>{"C:\\d\\empty.txt"});
    EXPECT_EQ(capture.bytesWritten, 0u);
    EXPECT_EQ(capture.flushed.size(), 5u);
    EXPECT_TRUE(p.files.Find("C:\\d\\*").empty());
}

TEST_F(WipePassesTest, A1025ByteFileIsCoveredExactlyEveryPassAndKeepsItsLength) {
    p.files.AddFile("C:\\d\\f.bin", std::vector<std::uint8_t>(1025, 0x77));
    Shred("C:\\d\\f.bin", 2, false);
    EXPECT_EQ(capture.bytesWritten, 3u * 1025);
    ASSERT_EQ(capture.flushed.size(), 3u);
    EXPECT_EQ(capture.flushed[0], std::vector<std::uint8_t>(1025, 0x00));
    EXPECT_EQ(capture.flushed[1], std::vector<std::uint8_t>(1025, 0xFF));
    EXPECT_EQ(capture.flushed[2], std::vector<std::uint8_t>(1025, 0x00));
}

TEST_F(WipePassesTest, LargeFilesAreWrittenInRunsThatLetMessagesThrough) {
    constexpr std::size_t kLength = 3 * 1048576 + 5;
    p.files.AddFile("C:\\d\\big.bin", std::vector<std::uint8_t>(kLength, 0x11));
    SeededRandom twin{2024};
    Shred("C:\\d\\big.bin", 5, false);
    ASSERT_EQ(capture.flushed.size(), 7u);
    EXPECT_EQ(capture.flushed[0], ExpectedPass("FF", kLength, twin));
    EXPECT_EQ(capture.flushed[2], ExpectedPass("R", kLength, twin));
    EXPECT_GE(progress.pumps, 7 * 4);
}

}  // namespace
}  // namespace tw
