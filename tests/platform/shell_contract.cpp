// The shell contract: special folders, the ShellLinker shortcut contract the
// Startup Manager relies on, and the Recycle Bin.
#include "contract_env.h"
#include "platform/text.h"

namespace tw::test {
namespace {

void Put(FileSystem& files, const std::string& path, std::string_view text) {
    files.Open(path, OpenMode::Create, Share::Exclusive)->Write(Bytes(text));
}

NewShortcut EveryField(const std::string& target, const std::string& folder) {
    NewShortcut link;
    link.targetPath = target;
    link.description = "Tidewell – Wartung ü 中文";
    link.setItemIdListFromTarget = true;
    link.windowState = WindowState::Maximized;
    link.hotKey = 0x0654;  // Ctrl+Shift+T
    link.iconIndex = 3;
    link.iconPath = folder + "icons.dll";
    link.arguments = "/scan \"C:\\Program Files\\x y\" -ü";
    link.workingDirectory = folder;
    return link;
}

// WINE.md: Wine reads every show command back as 1 (normal), so the state
// is checked off Wine only.
void ExpectState(ContractEnv& env, const ShortcutInfo& info, WindowState state) {
    if (!env.UnderWine()) {
        EXPECT_EQ(info.windowState, state);
    }
}

TEST_P(ShellContract, ShortcutRoundTripsEveryField) {
    Platform p = P();
    const std::string target = Scratch("Tidewell ü.exe");
    Put(p.files, target, "MZ");
    for (bool withIdList : {true, false}) {
        NewShortcut link = EveryField(target, Env().ScratchFolder());
        link.setItemIdListFromTarget = withIdList;
        const std::string linkPath = Scratch(withIdList ? "with id list ✓.lnk" : "without.lnk");
        ASSERT_TRUE(p.shell.CreateShortcut(linkPath, link));
        EXPECT_TRUE(p.files.FileExists(linkPath)) << "the shortcut is a file of the folder";

        const auto info = p.shell.ReadShortcut(linkPath);
        ASSERT_TRUE(info.has_value()) << linkPath;
        EXPECT_EQ(info->targetPath, target);
        EXPECT_TRUE(info->hasItemIdList) << "setting the path gives the link an item-ID list";
        EXPECT_EQ(info->description, link.description);
        EXPECT_EQ(info->workingDirectory, link.workingDirectory);
        EXPECT_EQ(info->arguments, link.arguments);
        EXPECT_EQ(info->iconPath, link.iconPath);
        EXPECT_EQ(info->iconIndex, 3);
        EXPECT_EQ(info->hotKey, 0x0654);
        ExpectState(Env(), *info, WindowState::Maximized);
    }
}

TEST_P(ShellContract, ShortcutDefaultsAndShowStates) {
    Platform p = P();
    const std::string target = Scratch("plain.exe");
    Put(p.files, target, "MZ");
    for (WindowState state : {WindowState::Normal, WindowState::Minimized, WindowState::Maximized}) {
        NewShortcut link;
        link.targetPath = target;
        link.windowState = state;
        const std::string linkPath = Scratch("state" + std::to_string(static_cast<int>(state)) + ".lnk");
        ASSERT_TRUE(p.shell.CreateShortcut(linkPath, link));
        const auto info = p.shell.ReadShortcut(linkPath);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->iconPath, target) << "no icon named: the target's";
        EXPECT_EQ(info->iconIndex, 0);
        EXPECT_EQ(info->hotKey, 0) << "hot key 0 is not set";
        EXPECT_EQ(info->arguments, "");
        EXPECT_EQ(info->description, "");
        EXPECT_EQ(info->workingDirectory, "");
        ExpectState(Env(), *info, state);
    }
}

TEST_P(ShellContract, CreateShortcutOverwrites) {
    Platform p = P();
    const std::string target = Scratch("t.exe");
    Put(p.files, target, "MZ");
    NewShortcut link;
    link.targetPath = target;
    link.description = "first";
    link.arguments = "--a-long-first-argument-list";
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("x.lnk"), link));
    link.description = "second";
    link.arguments = "";
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("X.LNK"), link));
    const auto info = p.shell.ReadShortcut(Scratch("x.lnk"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->description, "second");
    EXPECT_EQ(info->arguments, "");
}

// The Startup Manager lists a shortcut under this name and finds its file by
// adding ".lnk" again; a copied shortcut must read as the original.
TEST_P(ShellContract, AShortcutShowsItsNameWithoutLnkAndACopyReadsTheSame) {
    Platform p = P();
    const std::string target = Scratch("t.exe");
    Put(p.files, target, "MZ");
    NewShortcut link;
    link.targetPath = target;
    link.arguments = "/copy";
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("My Tool.lnk"), link));
    EXPECT_EQ(p.shell.DisplayName(Scratch("My Tool.lnk")), "My Tool");
    EXPECT_EQ(p.shell.DisplayName(Scratch("missing.lnk")), "");
    ASSERT_TRUE(p.files.CopyFile(Scratch("My Tool.lnk"), Scratch("copy.lnk"), false));
    const auto copy = p.shell.ReadShortcut(Scratch("copy.lnk"));
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->arguments, "/copy");
}

TEST_P(ShellContract, ReadShortcutFailsForWhatIsNoShortcut) {
    Platform p = P();
    EXPECT_FALSE(p.shell.ReadShortcut(Scratch("missing.lnk")).has_value());
    Put(p.files, Scratch("text.lnk"), "this is not a shell link");
    EXPECT_FALSE(p.shell.ReadShortcut(Scratch("text.lnk")).has_value());
    NewShortcut link;
    link.targetPath = Scratch("t.exe");
    EXPECT_FALSE(p.shell.CreateShortcut(Scratch("missing\\x.lnk"), link)) << "the folder must exist";
}

TEST_P(ShellContract, SpecialFoldersResolve) {
    const Shell& shell = P().shell;
    for (int csidl : {Csidl::Fonts, Csidl::Startup, Csidl::Recent, Csidl::CommonStartup}) {
        const std::string path = shell.SpecialFolderPath(csidl);
        EXPECT_FALSE(path.empty()) << "CSIDL " << csidl;
        EXPECT_TRUE(path.empty() || path.back() != '\\') << path;
    }
    EXPECT_TRUE(EqualsIgnoreCase(shell.SpecialFolderPath(Csidl::Windows), P().files.WindowsFolder()));
    EXPECT_EQ(shell.SpecialFolderPath(0xFE), "") << "an unknown folder";
}

TEST_P(ShellContract, DisplayNamesAnExistingDriveOrFolderOnly) {
    Platform p = P();
    const std::string root = Scratch().substr(0, 3);
    const auto drive = p.shell.Display(root);
    ASSERT_TRUE(drive.has_value());
    EXPECT_NE(drive->name.find(root.substr(0, 2)), std::string::npos) << drive->name;
    p.files.CreateFolder(Scratch("Shown"));
    const auto folder = p.shell.Display(Scratch("Shown"));
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->name, "Shown");
    EXPECT_FALSE(p.shell.Display(Scratch("missing")).has_value());
    // The icons are the caller's to free; a test cannot, so it leaves two.
}

TEST_P(ShellContract, RecycleTakesTheFilesAway) {
    Platform p = P();
    Put(p.files, Scratch("one.tmp"), "1");
    Put(p.files, Scratch("zwei ü.tmp"), "2");
    Put(p.files, Scratch("stays.tmp"), "3");
    EXPECT_TRUE(p.shell.Recycle({Scratch("one.tmp"), Scratch("zwei ü.tmp")}, 0));
    EXPECT_FALSE(p.files.FileExists(Scratch("one.tmp")));
    EXPECT_FALSE(p.files.FileExists(Scratch("zwei ü.tmp")));
    EXPECT_TRUE(p.files.FileExists(Scratch("stays.tmp")));
    EXPECT_TRUE(p.shell.EmptyRecycleBin(0, ShellFeedback::Silent));
}

}  // namespace
}  // namespace tw::test
