// The shell contract: special folders, the ShellLinker shortcut contract the
// Startup Manager relies on, and the Recycle Bin.
#include "contract_env.h"
#include "platform/text.h"

namespace tw::test {
namespace {

void Put(FileSystem& files, const std::string& path, std::string_view text) {
    files.Open(path, OpenMode::Create, Share::Exclusive)->Write(Bytes(text));
}

// A link to a new file of the scratch folder, nothing else set.
NewShortcut LinkToNewFile(FileSystem& files, const std::string& target) {
    Put(files, target, "MZ");
    NewShortcut link;
    link.targetPath = target;
    return link;
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
        EXPECT_FALSE(info->itemIdList.empty()) << "setting the path gives the link an item-ID list";
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

// The Startup Manager shows a shortcut with its target item's icon, so the
// list read back must be the item itself, good for another link too.
TEST_P(ShellContract, AnItemIdListRoundTripsAsItsBytes) {
    Platform p = P();
    const std::string target = Scratch("item target.exe");
    NewShortcut first = LinkToNewFile(p.files, target);
    first.setItemIdListFromTarget = true;
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("first.lnk"), first));
    const auto read = p.shell.ReadShortcut(Scratch("first.lnk"));
    ASSERT_TRUE(read.has_value());
    const ItemIdList item = read->itemIdList;
    ASSERT_GE(item.size(), 4u);

    NewShortcut second;
    second.itemIdList = item;  // no path: the list alone names the target
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("second.lnk"), second));
    const auto again = p.shell.ReadShortcut(Scratch("second.lnk"));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->itemIdList, item);
    EXPECT_EQ(again->targetPath, target);
}

TEST_P(ShellContract, CreateShortcutOverwrites) {
    Platform p = P();
    NewShortcut link = LinkToNewFile(p.files, Scratch("t.exe"));
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
    NewShortcut link = LinkToNewFile(p.files, Scratch("t.exe"));
    link.arguments = "/copy";
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("My Tool.lnk"), link));
    for (DisplayIcon icon : {DisplayIcon::None, DisplayIcon::Small}) {
        const auto shown = p.shell.Display(Scratch("My Tool.lnk"), icon);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(shown->name, "My Tool");
        EXPECT_FALSE(p.shell.Display(Scratch("missing.lnk"), icon).has_value());
    }
    ASSERT_TRUE(p.files.CopyFile(Scratch("My Tool.lnk"), Scratch("copy.lnk"), false));
    const auto copy = p.shell.ReadShortcut(Scratch("copy.lnk"));
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(copy->arguments, "/copy");
}

// One call names many paths in order, folder after folder, the missing
// one left out, as the Startup Manager asks for a folder's shortcuts.
TEST_P(ShellContract, DisplayOfManyPathsNamesEachInOrder) {
    Platform p = P();
    const NewShortcut link = LinkToNewFile(p.files, Scratch("t.exe"));
    p.files.CreateFolder(Scratch("Sub"));
    const std::string root = Scratch().substr(0, 3);
    for (const std::string& path : {Scratch("One.lnk"), Scratch("Two ü.lnk"), Scratch("Sub\\Three.lnk"),
                                    root + "Tidewell probe.lnk"})
        ASSERT_TRUE(p.shell.CreateShortcut(path, link));
    const std::vector<std::string> paths{Scratch("One.lnk"), Scratch("missing.lnk"), Scratch("Two ü.lnk"),
                                         Scratch("Sub\\Three.lnk"), Scratch("Sub"), root + "Tidewell probe.lnk", root};
    const auto shown = p.shell.Display(paths, DisplayIcon::None);
    p.files.DeleteFile(root + "Tidewell probe.lnk");
    std::vector<std::string> names;
    for (const auto& one : shown) names.push_back(one ? one->name : "-");
    ASSERT_EQ(names.size(), paths.size());
    EXPECT_NE(names.back(), "-") << "the drive's name is the shell's own";
    names.pop_back();
    EXPECT_EQ(names, (std::vector<std::string>{"One", "-", "Two ü", "Three", "Sub", "Tidewell probe"}));
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
    const auto drive = p.shell.Display(root, DisplayIcon::Small);
    ASSERT_TRUE(drive.has_value());
    EXPECT_NE(drive->name.find(root.substr(0, 2)), std::string::npos) << drive->name;
    p.files.CreateFolder(Scratch("Shown"));
    const auto folder = p.shell.Display(Scratch("Shown"), DisplayIcon::Small);
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->name, "Shown");
    EXPECT_FALSE(p.shell.Display(Scratch("missing"), DisplayIcon::Small).has_value());
}

// The Startup Manager shows each program's icon, and a shortcut's by the
// item it points at; what is not there has none.
TEST_P(ShellContract, WhatExistsHasAnIconAndNothingElse) {
    Platform p = P();
    ASSERT_TRUE(p.shell.CreateShortcut(Scratch("t.lnk"), LinkToNewFile(p.files, Scratch("t.exe"))));
    const auto shortcut = p.shell.ReadShortcut(Scratch("t.lnk"));
    ASSERT_TRUE(shortcut.has_value());
    const std::string folder = Scratch().substr(0, Scratch().size() - 1);
    for (const std::string& path : {Scratch("t.exe"), folder})
        EXPECT_TRUE(p.shell.FileIcon(path)) << path;
    EXPECT_TRUE(p.shell.ItemIcon(shortcut->itemIdList));
    for (const std::string& path : {Scratch("missing.exe"), std::string()})
        EXPECT_FALSE(p.shell.FileIcon(path)) << path;
    EXPECT_FALSE(p.shell.ItemIcon({}));
}

TEST_P(ShellContract, RecycleTakesTheFilesAway) {
    Platform p = P();
    Put(p.files, Scratch("one.tmp"), "1");
    Put(p.files, Scratch("zwei ü.tmp"), "2");
    Put(p.files, Scratch("stays.tmp"), "3");
    EXPECT_TRUE(p.shell.Recycle({Scratch("one.tmp"), Scratch("zwei ü.tmp")}, kNoOwner));
    EXPECT_FALSE(p.files.FileExists(Scratch("one.tmp")));
    EXPECT_FALSE(p.files.FileExists(Scratch("zwei ü.tmp")));
    EXPECT_TRUE(p.files.FileExists(Scratch("stays.tmp")));
    EXPECT_TRUE(p.shell.EmptyRecycleBin(kNoOwner, ShellFeedback::Silent));
}

}  // namespace
}  // namespace tw::test
