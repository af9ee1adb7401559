#include "platform/win32/windows_win.h"

#include <winioctl.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "services/scripted_prompter.h"
#include "splitter/file_joiner.h"
#include "splitter/file_splitter.h"
#include "splitter/piece_names.h"
#include "support/scratch_folder_win.h"
#include "splitter/split_sizes.h"

namespace tw {
namespace {

// A file of `size` bytes that holds `head` at its start and `tail` at its
// end and nothing on disk in between.
void MakeSparseFile(const std::string& path, std::uint64_t size, std::string_view head, std::string_view tail) {
    const HANDLE file = CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0, returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(size - tail.size());
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    WriteFile(file, tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadAt(FileSystem& files, const std::string& path, std::uint64_t offset, std::size_t length) {
    auto stream = files.Open(path, OpenMode::Read, Share::ReadWrite);
    stream->Seek(offset);
    std::string bytes(length, '\0');
    bytes.resize(stream->Read(std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), length)));
    return bytes;
}

// A real file past 4 GiB, split at the largest size a custom field took
// before sizes were 64-bit: the sizes, the count and the bytes at both ends
// come out right.
TEST(SparseSplit, AFileOver4GibibytesSplitsIntoTheRightPieces) {
    constexpr std::uint64_t kSize = (4ULL << 30) + 4097;
    constexpr std::uint64_t kPiece = 2047ULL * 1048576;
    Win32Platform platform;
    NoProgress quiet;
    test::ScratchFolder folder("TidewellSparseSplit");
    const std::string source = folder.Path() + "disk image.iso";
    MakeSparseFile(source, kSize, "HEAD", "TAIL");
    ASSERT_EQ(platform.files.Find(source).at(0).size, kSize);

    ASSERT_EQ(SplitFile(platform.files, {source, "", kCustomSizeChoice, "2047"}, quiet), kSplitDone);
    const PieceSet set = FindPieceSet(platform.files, source + ".00000");
    EXPECT_EQ(set.count, 3u);
    EXPECT_EQ(set.totalSize, kSize);
    EXPECT_EQ(platform.files.Find(PieceName(source, 0)).at(0).size, kPiece);
    EXPECT_EQ(platform.files.Find(PieceName(source, 1)).at(0).size, kPiece);
    EXPECT_EQ(platform.files.Find(PieceName(source, 2)).at(0).size, kSize - 2 * kPiece);
    EXPECT_EQ(ReadAt(platform.files, PieceName(source, 0), 0, 4), "HEAD");
    EXPECT_EQ(ReadAt(platform.files, PieceName(source, 2), kSize - 2 * kPiece - 4, 4), "TAIL");
}

// A read-only source is only read, so it splits on the real file system too.
TEST(RealSplit, ReadOnlySourceSplitsAndItsReadOnlyPiecesJoin) {
    Win32Platform platform;
    NoProgress quiet;
    test::ScratchFolder folder("TidewellReadOnlySplit");
    const std::string source = folder.Path() + "Übersicht.txt";
    std::string text;
    for (int i = 0; text.size() < 2500000; ++i) text += std::to_string(i) + ",";
    {
        auto out = platform.files.Open(source, OpenMode::Create, Share::Exclusive);
        out->Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }
    ASSERT_TRUE(platform.files.SetAttributes(source, FileAttr::ReadOnly));
    ASSERT_EQ(SplitFile(platform.files, {source, folder.Path(), 0, "1"}, quiet), kSplitDone);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(platform.files.SetAttributes(PieceName(source, i), FileAttr::ReadOnly));
    // Beside its pieces the original is still there: asked, Cancel keeps it.
    ScriptedPrompter prompter;
    prompter.Answer(false);
    EXPECT_EQ(JoinPieces(platform.files, prompter, {PieceName(source, 1), ""}, quiet), std::nullopt);
    EXPECT_EQ(prompter.History().at(0).text, source + " already exists. Do you want to replace it?");
    EXPECT_EQ(ReadAt(platform.files, source, 0, text.size() + 1), text);
    EXPECT_EQ(platform.files.Find(folder.Path() + "*.tmp").size(), 0u);
    ASSERT_TRUE(platform.files.CreateFolder(folder.Path() + "joined"));
    ASSERT_EQ(JoinPieces(platform.files, prompter, {PieceName(source, 1), folder.Path() + "joined"}, quiet),
              "The file: Übersicht.txt is successfully joined");
    EXPECT_EQ(ReadAt(platform.files, folder.Path() + "joined\\Übersicht.txt", 0, text.size() + 1), text);
    platform.files.DeleteFile(folder.Path() + "joined\\Übersicht.txt");
    platform.files.RemoveFolder(folder.Path() + "joined");
}

}  // namespace
}  // namespace tw
