// A full clean against the real registry, file system, shell and clipboard
// (under Wine in the test prefix).
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"
#include "privacy/privacy_clean.h"
#include "privacy/trace_cleaners.h"
#include "seeded_traces.h"
#include "services/scripted_prompter.h"

namespace tw {
namespace {

std::optional<long long> RecycleBinItems() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinW(nullptr, &info))) return std::nullopt;
    return info.i64NumItems;
}

void PutTextOnClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t length = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length);
    std::memcpy(GlobalLock(memory), text.c_str(), length);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class PrivacyCleanUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        test::RemoveSeededTraces(p.registry);
        pageFileFlag = p.registry.ReadValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue);
        ASSERT_TRUE(p.registry.WriteValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue, RegValue::Dword(0)));
        recent = p.shell.SpecialFolderPath(Csidl::Recent) + "\\";
        ASSERT_TRUE(p.files.FolderExists(recent)) << recent;
        keptFolder = recent + "Tidewell kept";
        p.files.CreateFolder(keptFolder);
        Put(keptFolder + "\\inside.txt");
        Put(recent + "plain.txt");
        for (auto [name, attributes] : {std::pair{"hidden.txt", FileAttr::Hidden}, {"system.txt", FileAttr::System}}) {
            Put(recent + name);
            p.files.SetAttributes(recent + name, attributes);
        }
        Put(recent + "report.txt");
        NewShortcut link;
        link.targetPath = recent + "report.txt";
        ASSERT_TRUE(p.shell.CreateShortcut(recent + "report.txt.lnk", link));
    }
    void TearDown() override {
        test::RemoveSeededTraces(p.registry);
        if (pageFileFlag)
            p.registry.WriteValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue, *pageFileFlag);
        else
            p.registry.DeleteValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue);
        p.files.DeleteFile(keptFolder + "\\inside.txt");
        p.files.RemoveFolder(keptFolder);
    }
    void Put(const std::string& path) {
        p.files.Open(path, OpenMode::Create, Share::Exclusive)->Write(std::vector<std::uint8_t>{'x'});
    }
    std::vector<std::string> RecentNames() const {
        std::vector<std::string> names;
        for (const FoundFile& f : p.files.Find(recent + "*")) names.push_back(f.name);
        return names;
    }

    Win32Platform p;
    Platform platform = p.Bundle();
    std::optional<RegValue> pageFileFlag;
    std::string recent, keptFolder;
};

TEST_F(PrivacyCleanUnderWine, EveryTraceInItsOldAndNewHomeGoesAndNothingBesideIt) {
    test::SeedRegistryTraces(p.registry);
    ASSERT_EQ(test::RemainingTraces(p.registry).size(), 20u);
    const std::string doomed = recent + "..\\Tidewell doomed.txt";
    Put(doomed);
    ASSERT_TRUE(p.shell.Recycle({doomed}, kNoOwner));
    const auto binBefore = RecycleBinItems();
    ASSERT_TRUE(binBefore.has_value());
    EXPECT_GE(*binBefore, 1);
    PutTextOnClipboard(L"a secret");
    ASSERT_GT(CountClipboardFormats(), 0);

    PrivacyRows rows;
    rows.selected.fill(true);
    ScriptedPrompter prompter;
    prompter.Answer(true);
    ASSERT_TRUE(RunPrivacyClean(rows, prompter, platform, kNoOwner, {}));

    EXPECT_EQ(test::RemainingTraces(p.registry), std::vector<std::string>{});
    EXPECT_EQ(test::MissingNeighbours(p.registry), std::vector<std::string>{});
    EXPECT_EQ(p.registry.ReadValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue), RegValue::Dword(1));
    EXPECT_EQ(RecentNames(), std::vector<std::string>{"Tidewell kept"});
    EXPECT_TRUE(p.files.FileExists(keptFolder + "\\inside.txt"));
    EXPECT_EQ(RecycleBinItems(), 0);
    EXPECT_EQ(CountClipboardFormats(), 0);
}

}  // namespace
}  // namespace tw
