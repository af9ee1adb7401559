// What only the real machine can show: the OS's own error texts, data as
// the W APIs store it, the native registry view, 64-bit file sizes, shell
// link files written by others, and every cache container.
#include <aclapi.h>
#include <sddl.h>
#include <shobjidl.h>

#include "platform/error.h"
#include "platform/win32/handles_win.h"
#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"
#include "support/thrown_text.h"
#include "under_wine_win.h"
#include "win32_contract_env_win.h"

namespace tw::test {
namespace {

using win32::Widen;

class Win32Specific : public testing::Test {
protected:
    void SetUp() override { env_ = MakeWin32Env(); }
    void TearDown() override { env_.reset(); }
    std::string Scratch(std::string_view name = {}) const { return env_->ScratchFolder() + std::string(name); }
    std::string Key() const { return env_->KeyPath(); }

    std::unique_ptr<ContractEnv> env_;
    Win32Platform machine_;
};

using test::ThrownText;

TEST_F(Win32Specific, ErrorTextsAreTheSystemsOwnWithoutTheLineBreak) {
    wchar_t raw[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_FILE_NOT_FOUND, 0, raw,
                   512, nullptr);
    std::wstring expected = raw;
    ASSERT_GE(expected.size(), 2u);
    ASSERT_EQ(expected.substr(expected.size() - 2), L"\r\n") << "the system text ends with a line break";
    expected.resize(expected.size() - 2);
    EXPECT_EQ(win32::ErrorText(ERROR_FILE_NOT_FOUND), win32::Narrow(expected)) << "full stop kept, CRLF gone";
    EXPECT_EQ(win32::ErrorText(ERROR_FILE_NOT_FOUND).back(), '.');
    EXPECT_FALSE(win32::ErrorText(static_cast<DWORD>(REGDB_E_CLASSNOTREG)).empty());
    EXPECT_EQ(win32::ErrorText(0x2000ABCDu), "Error 536914893 (0x2000ABCD)") << "a code without text";
}

TEST_F(Win32Specific, StreamFailuresCarryTheTextOfTheirError) {
    FileSystem& files = machine_.files;
    EXPECT_EQ(ThrownText([&] { files.Open(Scratch("missing.txt"), OpenMode::Read, Share::Read); }),
              win32::ErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(ThrownText([&] { files.Open(Scratch("no folder\\x.txt"), OpenMode::Create, Share::Read); }),
              win32::ErrorText(ERROR_PATH_NOT_FOUND));
    files.Open(Scratch("r.txt"), OpenMode::Create, Share::Exclusive)->Write(Bytes("r"));
    auto reader = files.Open(Scratch("r.txt"), OpenMode::Read, Share::Read);
    EXPECT_EQ(ThrownText([&] { reader->Write(Bytes("w")); }), win32::ErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(ThrownText([&] { files.Open(Scratch("r.txt"), OpenMode::ReadWrite, Share::ReadWrite); }),
              win32::ErrorText(ERROR_SHARING_VIOLATION));
}

// The backup writer exports what RegQueryValueExW gives: the interface must
// neither re-encode string data nor lose the bytes after the first NUL.
TEST_F(Win32Specific, StringDataIsStoredAsTheWApisUtf16) {
    Registry& reg = machine_.registry;
    ASSERT_TRUE(reg.WriteValue(kCurrentUser, Key(), "text", RegValue::String("ü中")));
    wchar_t text[16] = {};
    DWORD length = sizeof text;
    DWORD type = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, Widen(Key()).c_str(), L"text", RRF_RT_ANY, &type, text, &length),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(text), L"\u00FC\u4E2D");
    EXPECT_EQ(length, 6u) << "two characters and the terminator";

    static const wchar_t kMulti[] = L"one\0zwei\0";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, Widen(Key()).c_str(), L"multi", REG_MULTI_SZ, kMulti, sizeof kMulti),
              ERROR_SUCCESS);
    const auto multi = reg.ReadValue(kCurrentUser, Key(), "multi");
    ASSERT_TRUE(multi.has_value());
    EXPECT_EQ(*multi, RegValue::MultiString({"one", "zwei"}));
}

// Both builds use the 64-bit view, the one the system's registry editor
// imports backups into; on 64-bit Windows an x86 build must not see
// Wow6432Node in its place.
TEST_F(Win32Specific, RegistryUsesTheSixtyFourBitView) {
    const std::string path = "Software\\TidewellTests\\View" + std::to_string(GetCurrentProcessId());
    if (!machine_.registry.WriteValue(kLocalMachine, path + "\\Inner", "v", RegValue::Dword(1)))
        GTEST_SKIP() << "HKLM is not writable for this user";
    const auto seenIn = [&](REGSAM view) {
        HKEY key = nullptr;
        const bool found = RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(path).c_str(), 0, KEY_READ | view, &key) ==
                           ERROR_SUCCESS;
        if (found) RegCloseKey(key);
        return found;
    };
    EXPECT_TRUE(seenIn(KEY_WOW64_64KEY));
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    if (wow64) {
        EXPECT_FALSE(seenIn(KEY_WOW64_32KEY)) << "an x86 build wrote into Wow6432Node";
    }
    EXPECT_TRUE(machine_.registry.DeleteKeyTree(kLocalMachine, path));
    EXPECT_FALSE(seenIn(KEY_WOW64_64KEY)) << "the delete must reach the same view";
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"Software\\TidewellTests", KEY_WOW64_64KEY, 0);
}

// Sizes are 64-bit end to end (DESIGN.md 4 and 5). The file is sparse on
// the host, so this costs no disk space.
TEST_F(Win32Specific, FilesOverFourGibibytesKeepTheirSize) {
    FileSystem& files = machine_.files;
    constexpr std::uint64_t kSize = (5ULL << 30) + 3;
    {
        auto stream = files.Open(Scratch("huge.bin"), OpenMode::Create, Share::Exclusive);
        stream->Seek(kSize - 3);
        stream->Write(Bytes("end"));
        EXPECT_EQ(stream->Size(), kSize);
    }
    const auto found = files.Find(Scratch("huge.bin"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].size, kSize);
    auto stream = files.Open(Scratch("huge.bin"), OpenMode::Read, Share::Read);
    stream->Seek(kSize - 3);
    std::vector<std::uint8_t> tail(8);
    tail.resize(stream->Read(tail));
    EXPECT_EQ(tail, Bytes("end"));
}

// A shell link file as another program may write it: name and relative
// path only, no item-ID list. ShellLinker refuses to read such a link.
std::vector<std::uint8_t> LinkWithoutIdList() {
    std::vector<std::uint8_t> bytes = {0x4C, 0, 0, 0,
                                       0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,  // CLSID_ShellLink
                                       0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46,
                                       0x8C, 0, 0, 0,   // HasName | HasRelativePath | IsUnicode
                                       0x20, 0, 0, 0};  // archive
    bytes.resize(0x4C, 0);
    bytes[0x3C] = 1;  // SW_SHOWNORMAL
    const auto addString = [&](std::u16string_view text) {
        bytes.push_back(static_cast<std::uint8_t>(text.size()));
        bytes.push_back(static_cast<std::uint8_t>(text.size() >> 8));
        for (char16_t c : text) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    };
    addString(u"written elsewhere");
    addString(u".\\target.exe");
    bytes.insert(bytes.end(), 4, 0);  // terminal block
    return bytes;
}

TEST_F(Win32Specific, ShortcutWithoutItemIdListIsNotRead) {
    machine_.files.Open(Scratch("target.exe"), OpenMode::Create, Share::Exclusive)->Write(Bytes("MZ"));
    machine_.files.Open(Scratch("elsewhere.lnk"), OpenMode::Create, Share::Exclusive)->Write(LinkWithoutIdList());
    EXPECT_FALSE(machine_.shell.ReadShortcut(Scratch("elsewhere.lnk")).has_value());
}

TEST_F(Win32Specific, ItemIdListIsTakenFromTheTarget) {
    const std::string target = Scratch("target ü.exe");
    machine_.files.Open(target, OpenMode::Create, Share::Exclusive)->Write(Bytes("MZ"));
    NewShortcut link;
    link.targetPath = target;
    link.setItemIdListFromTarget = true;
    ASSERT_TRUE(machine_.shell.CreateShortcut(Scratch("t.lnk"), link));

    const win32::ComScope com;
    win32::ComPtr<IShellLinkW> shellLink;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           shellLink.PutVoid())));
    win32::ComPtr<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.PutVoid())));
    ASSERT_TRUE(SUCCEEDED(file->Load(Widen(Scratch("t.lnk")).c_str(), STGM_READ)));
    win32::UniqueIdList list;
    ASSERT_TRUE(SUCCEEDED(shellLink->GetIDList(list.Put())) && list);
    wchar_t path[MAX_PATH] = {};
    ASSERT_TRUE(SHGetPathFromIDListW(list.Get(), path));
    EXPECT_EQ(win32::Narrow(path), target);
}

// The access list as the OS keeps it for the named entry, in its text form.
std::string AccessListText(const std::string& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(Widen(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
        return "unreadable";
    wchar_t* text = nullptr;
    std::string result = "unconvertible";
    if (ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        result = win32::Narrow(text);
        LocalFree(text);
    }
    LocalFree(descriptor);
    return result;
}

// Every user may create in the restore's parent folder; the folder made for
// the copy admits none of them. Wine keeps no access list, but turns it into
// the folder's Unix permissions and reads those back, so a grant to Everyone
// (which a plain folder gets there) would show.
TEST_F(Win32Specific, PrivateFoldersAdmitNoOrdinaryUser) {
    ASSERT_TRUE(machine_.files.CreatePrivateFolder(Scratch("private")));
    const std::string accessList = AccessListText(Scratch("private"));
    if (!RunsUnderWine()) {
        EXPECT_EQ(accessList.rfind("D:P(", 0), 0u) << "nothing inherited: " << accessList;
    }
    for (const char* everyone : {";;;WD)", ";;;BU)", ";;;AU)", ";;;IU)", ";;;CO)"})
        EXPECT_EQ(accessList.find(everyone), std::string::npos) << accessList;
}

TEST_F(Win32Specific, OpenOfAMissingFileFails) {
    EXPECT_FALSE(machine_.shell.Open(Scratch("missing.txt"), kNoOwner));
}

// FindFirstUrlCacheEntryW(nullptr) walks every container, cookies included.
TEST_F(Win32Specific, CacheEntriesComeFromEveryContainer) {
    const std::wstring cookie = L"Cookie:root@tidewell.test/";
    wchar_t file[MAX_PATH] = {};
    ASSERT_TRUE(CreateUrlCacheEntryW(cookie.c_str(), 0, L"txt", file, 0));
    const FILETIME never{};
    ASSERT_TRUE(CommitUrlCacheEntryW(cookie.c_str(), file, never, never, COOKIE_CACHE_ENTRY, nullptr, 0, L"txt",
                                     nullptr));
    const auto entries = machine_.urlCache.Entries();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [](const CacheEntry& e) { return e.url == "Cookie:root@tidewell.test/"; });
    ASSERT_NE(it, entries.end());
    EXPECT_NE(it->type & CacheEntryType::Cookie, 0u);
    EXPECT_TRUE(machine_.urlCache.DeleteEntry("Cookie:root@tidewell.test/"));
}

}  // namespace
}  // namespace tw::test
