#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/win32/random_win.h"
#include "platform/win32/win32_platform.h"
#include "shredder/file_shredder.h"
#include "shredder/shred_list.h"
#include "support/forwarding_file_system.h"
#include "support/host_links_win.h"
#include "support/scratch_folder_win.h"
#include "support/scripted_progress.h"

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
    std::string ErrorOf(FileSystem& files, const std::string& path, bool rename) {
        try {
            ShredFile(files, random, {path, files.Identity(path).value_or(FileIdentity{})},
                      {WipeAlgorithmNumber(1), rename}, quiet);
        } catch (const Error& e) {
            return e.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }
    std::string Text(const std::string& path) {
        const auto in = platform.files.Open(path, OpenMode::Read, Share::Read);
        std::string text(static_cast<std::size_t>(in->Size()), '\0');
        text.resize(in->Read(std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size())));
        return text;
    }
    std::vector<std::string> Left() const {
        std::vector<std::string> names;
        for (const auto& f : platform.files.Find(folder.Path() + "*")) names.push_back(f.name);
        return names;
    }
    Win32Platform platform;
    Win32Random random;
    NoProgress quiet;
    test::ScratchFolder folder{"TidewellShred"};
};

TEST_F(RealShredTest, FilesAreGoneWithAndWithoutRenaming) {
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        ShredList list;
        list.AddExistingFiles(platform.files, {AddFile("Пароли.txt", 5000), AddFile("empty.bin", 0),
                                               AddFile("big.bin", 3 * 1048576 + 17)});
        ASSERT_EQ(list.Count(), 3u);
        test::ScriptedProgress progress;
        ShredBottomUp(list,
                      [&](const ListedFile& file) {
                          ShredFile(platform.files, random, file, {WipeAlgorithmNumber(6), rename}, progress);
                      },
                      {});
        EXPECT_TRUE(list.Empty());
        EXPECT_TRUE(Left().empty());
        EXPECT_GE(progress.pumps, 35 * 4);
    }
}

// Renaming or not, a file held open is named with the system's reason,
// never called missing, and stays as it was.
TEST_F(RealShredTest, AFileHeldOpenByAnotherIsNamedWithTheSystemsReason) {
    const std::string path = AddFile("held.txt", 10);
    const auto held = platform.files.Open(path, OpenMode::Read, Share::Read);
    const std::string named = FormatText(kCannotShred, path);
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        const std::string error = ErrorOf(platform.files, path, rename);
        EXPECT_EQ(error.substr(0, named.size()), named);
        EXPECT_GT(error.size(), named.size() + 1) << "the system's reason follows";
        EXPECT_EQ(error.find("cannot be found"), std::string::npos);
        EXPECT_EQ(Left(), std::vector<std::string>{"held.txt"});
    }
}

// The final delete refused, as a file system may refuse one; the shredder's
// own handle keeps every other program away from the file meanwhile.
class RefusingDelete final : public test::ForwardingEntry {
public:
    using ForwardingEntry::ForwardingEntry;
    bool Delete() override { return false; }
};
using DeleteRefused = test::WrappingEntries<RefusingDelete>;

TEST_F(RealShredTest, AFailedFinalDeleteIsReportedAndTheFileKeepsItsName) {
    DeleteRefused held(platform.files);
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        const std::string path = AddFile("kept name.txt", 3000);
        EXPECT_EQ(ErrorOf(held, path, rename), FormatText(kDeleteFailed, path));
        EXPECT_EQ(Left(), std::vector<std::string>{"kept name.txt"});
        EXPECT_EQ(Text(path), std::string(3000, '\0')) << "overwritten all the same";
    }
}

// A link made on the host side, inside the prefix's drive T:. Only a link to
// a folder can be shown under Wine: measured with Wine 8.0, a host link to a
// file is a plain file to every Windows call (attributes 0x20, also through
// FindFirstFileW and a handle opened with FILE_FLAG_OPEN_REPARSE_POINT, which
// reaches the target), so the shredder cannot tell it from one there; the
// memory platform shows that rule.
TEST_F(RealShredTest, AFolderLinkIsRefusedAndItsFolderKept) {
    const auto host = test::HostLinksFolder();
    if (!host) GTEST_SKIP() << "no host links: run this binary through ctest, which makes them";
    const std::string link = *host + "folder-link";
    for (const bool rename : {true, false}) {
        EXPECT_EQ(ErrorOf(platform.files, link, rename), FormatText(kLinkRefused, link));
    }
    EXPECT_TRUE(platform.files.FolderExists(link));
    EXPECT_EQ(Text(*host + "target-folder\\inner.txt"), "inner");
}

// The folder of a listed file swapped, behind the host link on its path,
// for one holding a file of the same name (Wine's MoveFileW cannot move a
// link itself, so the folders behind it are renamed): the shred is refused
// with the file named, and that other file keeps every byte.
TEST_F(RealShredTest, AFolderSwappedBehindALinkSinceTheFileWasListedIsRefused) {
    const auto host = test::HostLinksFolder();
    if (!host) GTEST_SKIP() << "no host links: run this binary through ctest, which makes them";
    const std::string path = *host + "swap-link\\secret.txt";
    ShredList list;
    ASSERT_EQ(list.AddExistingFiles(platform.files, {path}), 1u);
    ASSERT_TRUE(platform.files.MoveFile(*host + "swap\\listed", *host + "swap\\listed-aside"));
    ASSERT_TRUE(platform.files.MoveFile(*host + "swap\\other", *host + "swap\\listed"));
    for (const bool rename : {true, false}) {
        SCOPED_TRACE(rename);
        const auto shred = [&](const ListedFile& file) {
            ShredFile(platform.files, random, file, {WipeAlgorithmNumber(1), rename}, quiet);
        };
        try {
            ShredBottomUp(list, shred, {});
            ADD_FAILURE() << "shredded";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), FormatText(kNotTheListedFile, path));
        }
        EXPECT_EQ(list.Count(), 1u);
        EXPECT_EQ(Text(path), "precious");
    }
    EXPECT_EQ(Text(*host + "swap\\listed-aside\\secret.txt"), "mine");
    EXPECT_FALSE(platform.files.FileExists(*host + "swap\\listed\\$000000.tmp"));
}

}  // namespace
}  // namespace tw
