#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "services/scripted_prompter.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"
#include "splitter/generated_file_system.h"
#include "splitter/piece_names.h"
#include "splitter/split_sizes.h"

namespace tw {
namespace {

TEST(GeneratedBytes, AnyOffsetAndLengthAgreesWithOneLongRun) {
    std::vector<std::uint8_t> whole(100);
    test::FillGenerated(0, whole);
    for (std::uint64_t offset = 0; offset < 20; ++offset) {
        for (std::size_t length : {0, 1, 3, 8, 13, 40}) {
            std::vector<std::uint8_t> part(length);
            test::FillGenerated(offset, part);
            EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + static_cast<std::ptrdiff_t>(offset)))
                << offset << "+" << length;
        }
    }
}

// Past 4 GiB every size and offset must be 64-bit; the content is generated
// and checked on the fly, never held in memory.
TEST(HugeSplit, FiveGibibytesSplitAt700MegabytesIntoEightPiecesAndJoinBackIdentical) {
    constexpr std::uint64_t kSize = (5ULL << 30) + 123;
    constexpr std::size_t k700 = 6;
    const std::uint64_t piece = kSplitSizes[k700].bytes;
    MemoryPlatform p;
    p.files.AddFolder("C:\\big");
    p.files.AddFolder("C:\\joined");
    test::GeneratedFileSystem files(p.files, "C:\\big\\movie.bin", kSize, piece);
    NoProgress quiet;

    ASSERT_EQ(SplitFile(files, {"C:\\big\\movie.bin", "", k700, "1"}, quiet), kSplitDone);
    ASSERT_EQ(files.CreatedCount(), 8u);
    for (std::uint64_t i = 0; i < 8; ++i) {
        const auto* written = files.Created(PieceName("C:\\big\\movie.bin", i));
        ASSERT_NE(written, nullptr) << i;
        EXPECT_EQ(written->size, i < 7 ? piece : kSize - 7 * piece) << i;
        EXPECT_EQ(written->firstWrongByte, std::nullopt) << i;
    }

    const PieceSet set = FindPieceSet(files, "C:\\big\\movie.bin.00004");
    EXPECT_EQ(set.count, 8u);
    EXPECT_EQ(set.totalSize, kSize);

    ScriptedPrompter prompter;
    ASSERT_EQ(JoinPieces(files, prompter, {"C:\\big\\movie.bin.00004", "C:\\joined"}, quiet),
              "The file: movie.bin is successfully joined");
    const auto* joined = files.Created("C:\\joined\\movie.bin");
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(joined->size, kSize);
    EXPECT_EQ(joined->firstWrongByte, std::nullopt);
}

}  // namespace
}  // namespace tw
