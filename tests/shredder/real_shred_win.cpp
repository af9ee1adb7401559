#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/win32/random_win.h"
#include "platform/win32/win32_platform.h"
#include "shredder/file_shredder.h"
#include "shredder/shred_list.h"
#include "support/scratch_folder_win.h"

namespace tw {
namespace {

class RealShredTest : public ::testing::Test {
protected:
    std::string AddFile(const std::string& name, std::size_t length) {
        const std::string path = folder.Path() + name;
        auto out = platform.files.Open(path, OpenMode::Create, Share::Exclusive);
        const std::vector<std::uint8_t> bytes(length, 0xA5);
        out->Write(bytes);
        return path;
    }
    std::vector<std::string> Left() const {
        std::vector<std::string> names;
        for (const auto& f : platform.files.Find(folder.Path() + "*")) names.push_back(f.name);
        return names;
    }
    Win32Platform platform;
    Win32Random random;
    test::ScratchFolder folder{"TidewellShred"};
};

TEST_F(RealShredTest, FilesAreGoneWithAndWithoutRenaming) {
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        ShredList list;
        list.Add(AddFile("Пароли.txt", 5000));
        list.Add(AddFile("empty.bin", 0));
        list.Add(AddFile("big.bin", 3 * 1048576 + 17));
        int pumps = 0;
        ShredBottomUp(list,
                      [&](const std::string& path) {
                          ShredFile(platform.files, random, path, {WipeAlgorithmNumber(6), rename}, [&] { ++pumps; });
                      },
                      {});
        EXPECT_TRUE(list.Empty());
        EXPECT_TRUE(Left().empty());
        EXPECT_GE(pumps, 35 * 4);
    }
}

TEST_F(RealShredTest, AFileHeldOpenByAnotherStopsTheRunWithTheSystemText) {
    const std::string path = AddFile("held.txt", 10);
    const auto held = platform.files.Open(path, OpenMode::Read, Share::Read);
    try {
        ShredFile(platform.files, random, path, {WipeAlgorithmNumber(1), false}, {});
        ADD_FAILURE() << "shredded a file held open";
    } catch (const Error& e) {
        EXPECT_STRNE(e.what(), "");
    }
    EXPECT_EQ(Left(), std::vector<std::string>{"held.txt"});
}

}  // namespace
}  // namespace tw
