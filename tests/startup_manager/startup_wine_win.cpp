// Moves, edits and the 32-bit view against the real registry and real
// shortcut files in the test prefix's startup folders (under Wine).
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/win32/win32_platform.h"
#include "startup_fixture.h"
#include "startup_manager/startup_edits.h"
#include "startup_manager/startup_icons_win.h"
// After the icon list's windows.h: takes back the names FileSystem uses.
#include "platform/win32/windows_win.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

constexpr std::string_view kName = "Tidewell Test Entry";
constexpr std::string_view kRenamed = "Tidewell Renamed Entry";

class NoIcons final : public StartupIcons {
public:
    int ForFile(std::string_view) override { return -1; }
    int ForItem(const ItemIdList&) override { return -1; }
};

// An image of the list as drawn on white, to tell two icons apart.
std::vector<std::uint32_t> Pixels(HIMAGELIST list, int index) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + 16 * 16);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

class StartupUnderWine : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (const auto key : {kRun, kRunOff, kApprovedRun})
            for (const auto name : {kName, kRenamed, std::string_view("TIDEWELL test entry")})
                p.registry.DeleteValue(kCurrentUser, key, name);
        for (const auto key : {kRun32, kRun32Off}) p.registry.DeleteValue(kLocalMachine, key, kName);
        for (const bool enabled : {true, false}) p.files.DeleteFile(ShortcutPath(Folder(), enabled, "Tidewell Tool.lnk"));
    }
    std::string Folder() const { return p.shell.SpecialFolderPath(Csidl::Startup); }
    std::vector<StartupEntry> Ours() {
        std::vector<StartupEntry> rows, ours;
        EnumerateStartupEntries(store, icons, rows);
        for (auto& e : rows)
            if (e.name.starts_with("Tidewell") || e.name.starts_with("TIDEWELL")) ours.push_back(e);
        return ours;
    }
    std::vector<std::uint8_t> Bytes(const std::string& path) { return FileBytes(p.files, path); }
    std::string MakeTool() {
        NewShortcut link;
        link.targetPath = "C:\\windows\\notepad.exe";
        link.setItemIdListFromTarget = true;
        link.arguments = "/A readme.txt";
        link.description = "test tool";
        link.windowState = WindowState::Minimized;
        const std::string path = ShortcutPath(Folder(), true, "Tidewell Tool.lnk");
        EXPECT_TRUE(p.shell.CreateShortcut(path, link));
        return path;
    }

    Win32Platform p;
    StartupStore store{p.registry, p.files, p.shell, true};
    NoIcons icons;
};

TEST_F(StartupUnderWine, AnExpandableValueComesBackByteIdenticalWithItsType) {
    const RegValue value = RegValue::String("%ProgramFiles%\\Tidewell\\probe.exe /x", RegType::ExpandSz);
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kRun, kName, value));
    auto rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].command, "%ProgramFiles%\\Tidewell\\probe.exe /x");
    EXPECT_EQ(DisableStartupEntry(store, rows[0]), MoveResult::Moved);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRunOff, kName), value);
    EXPECT_EQ(EnableStartupEntry(store, rows[0]), MoveResult::Moved);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, kName), value);
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kRunOff, kName));
}

TEST_F(StartupUnderWine, AShortcutComesBackByteIdenticalAndIsListedByItsDisplayName) {
    const std::string path = MakeTool();
    const auto bytes = Bytes(path);
    auto rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Tidewell Tool");
    EXPECT_EQ(rows[0].location, kCurrentUserFolder);
    EXPECT_EQ(UpcaseName(rows[0].command), "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(DisableStartupEntry(store, rows[0]), MoveResult::Moved);
    EXPECT_FALSE(p.files.FileExists(path));
    EXPECT_EQ(Bytes(ShortcutPath(Folder(), false, "Tidewell Tool.lnk")), bytes);
    EXPECT_FALSE(Ours().at(0).enabled);
    EXPECT_EQ(EnableStartupEntry(store, rows[0]), MoveResult::Moved);
    EXPECT_EQ(Bytes(path), bytes);
}

// The link names another icon than its target's; the list shows the item.
TEST_F(StartupUnderWine, AShortcutShowsItsTargetItemsIconNotTheLinksOwn) {
    NewShortcut link;
    link.targetPath = "C:\\windows";
    link.setItemIdListFromTarget = true;
    link.iconPath = "C:\\windows\\notepad.exe";
    ASSERT_TRUE(p.shell.CreateShortcut(ShortcutPath(Folder(), true, "Tidewell Tool.lnk"), link));
    StartupImageList images(p.shell, 16);
    std::vector<StartupEntry> rows;
    EnumerateStartupEntries(store, images, rows);
    const auto ours = std::find_if(rows.begin(), rows.end(), [](const auto& e) { return e.name == "Tidewell Tool"; });
    ASSERT_NE(ours, rows.end());
    ASSERT_GT(ours->imageIndex, 0);

    StartupImageList expected(p.shell, 16);
    const int target = expected.ForFile(link.targetPath);
    const int named = expected.ForFile(link.iconPath);
    ASSERT_NE(Pixels(expected.Handle(), target), Pixels(expected.Handle(), named)) << "two different icons";
    EXPECT_EQ(Pixels(images.Handle(), ours->imageIndex), Pixels(expected.Handle(), target));
}

TEST_F(StartupUnderWine, ACaseOnlyRenameKeepsTheEntry) {
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kRun, kName, RegValue::String("probe.exe")));
    EditStartupEntry(store, Ours().at(0), true, "TIDEWELL test entry", "probe2.exe");
    auto rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "TIDEWELL test entry");
    EXPECT_EQ(rows[0].command, "probe2.exe");
    p.registry.DeleteValue(kCurrentUser, kRun, rows[0].name);

    MakeTool();
    EditStartupEntry(store, Ours().at(0), true, "TIDEWELL TOOL", "C:\\windows\\regedit.exe");
    rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(UpcaseName(rows[0].command), "C:\\WINDOWS\\REGEDIT.EXE");
    const auto link = p.shell.ReadShortcut(ShortcutPath(Folder(), true, "Tidewell Tool.lnk"));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, "/A readme.txt");
}

// "Run-" holds another entry of the same name: ticking and removing the
// "Run" row leave it alone.
TEST_F(StartupUnderWine, ATaskManagerOffEntryIsTickedByItsMarkAndRemovedBesideItsNamesake) {
    const RegValue command = RegValue::String("C:\\a.exe"), namesake = RegValue::String("C:\\b.exe");
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kRun, kName, command));
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kRunOff, kName, namesake));
    std::vector<std::uint8_t> mark{0x03, 0, 0, 0, 0x4a, 0x1f, 0x8e, 0x2c, 0xb2, 0x3e, 0xda, 0x01};
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kApprovedRun, kName, RegValue::Binary(mark)));
    auto rows = Ours();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].enabled);
    EXPECT_EQ(EnableStartupEntry(store, rows[0]), MoveResult::Moved);
    mark.assign(12, 0);
    mark[0] = 0x02;
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kApprovedRun, kName), RegValue::Binary(mark));
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, kName), command);
    rows = Ours();
    ASSERT_TRUE(rows.at(0).enabled);
    RemoveStartupEntry(store, rows[0], true);
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kRun, kName));
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kApprovedRun, kName));
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRunOff, kName), namesake);
}

TEST_F(StartupUnderWine, ARenamedEntryTaskManagerHadOffStaysOff) {
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kRun, kName, RegValue::String("C:\\a.exe")));
    const RegValue off = RegValue::Binary({0x03, 0, 0, 0, 0x4a, 0x1f, 0x8e, 0x2c, 0xb2, 0x3e, 0xda, 0x01});
    ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, kApprovedRun, kName, off));
    EditStartupEntry(store, Ours().at(0), false, kRenamed, "C:\\c.exe");
    const auto rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, kRenamed);
    EXPECT_FALSE(rows[0].enabled);
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kRun, kRenamed), RegValue::String("C:\\c.exe"));
    EXPECT_EQ(p.registry.ReadValue(kCurrentUser, kApprovedRun, kRenamed), off);
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kApprovedRun, kName)) << "the old mark goes";
    EXPECT_FALSE(p.registry.ReadValue(kCurrentUser, kRunOff, kRenamed));
}

TEST_F(StartupUnderWine, The32BitViewIsListedMovedAndRemovedInThatViewOnly) {
    ASSERT_TRUE(p.registry.WriteValue(kLocalMachine, kRun32, kName, RegValue::String("C:\\x86\\probe.exe")));
    auto rows = Ours();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].location, kAllUsersRun32);
    EXPECT_EQ(DisableStartupEntry(store, rows[0]), MoveResult::Moved);
    EXPECT_TRUE(p.registry.ReadValue(kLocalMachine, kRun32Off, kName));
    EXPECT_FALSE(p.registry.ReadValue(kLocalMachine, kRunOff, kName));
    RemoveStartupEntry(store, rows[0], false);
    EXPECT_TRUE(Ours().empty());
}

}  // namespace
}  // namespace tw
