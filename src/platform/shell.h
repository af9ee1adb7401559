#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/icon.h"

namespace tw {

namespace Csidl {
inline constexpr int Recent = 0x08;
inline constexpr int Startup = 0x07;
inline constexpr int Fonts = 0x14;
inline constexpr int CommonStartup = 0x18;
inline constexpr int Windows = 0x24;
}  // namespace Csidl

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A shell item-ID list as its bytes, the terminating zero included; it
// names the item even where no file path does (a control panel, a printer).
using ItemIdList = std::vector<std::uint8_t>;

// What a shortcut file holds, as the shell link object reads and writes it.
struct ShortcutInfo {
    std::string targetPath;
    ItemIdList itemIdList;  // never empty: a shortcut without one is not readable
    std::string workingDirectory;
    std::string arguments;
    std::string description;
    std::string iconPath;  // the target path when the shortcut names no icon
    int iconIndex = 0;
    std::uint16_t hotKey = 0;
    WindowState windowState = WindowState::Normal;
};

struct NewShortcut {
    std::string targetPath;
    std::string description;
    // The list to store; when empty, the target path's own if asked for.
    ItemIdList itemIdList;
    bool setItemIdListFromTarget = false;
    WindowState windowState = WindowState::Normal;
    std::uint16_t hotKey = 0;  // set only when not 0
    int iconIndex = 0;
    std::string iconPath;
    std::string arguments;
    std::string workingDirectory;
};

// How the shell shows a file or folder: its display name (a shortcut's
// without ".lnk") and, when asked for, its small icon (none when not asked
// for, or from a shell without icons).
struct ShellDisplay {
    std::string name;
    Icon smallIcon{};
};

// Whether Display also fetches the icon; the name alone is cheaper.
enum class DisplayIcon { None, Small };

// A window as portable code carries it: opaque, only handed back to the
// platform as the owner of what it shows; kNoOwner is none.
enum class OwnerWindow : std::uintptr_t {};
inline constexpr OwnerWindow kNoOwner{};

// Whether emptying the Recycle Bin shows the shell's own progress and plays
// its sound, as a user who asked for it expects, or happens unseen.
enum class ShellFeedback { Silent, ProgressAndSound };

class Shell {
public:
    virtual ~Shell() = default;
    // Empty when the folder cannot be determined.
    virtual std::string SpecialFolderPath(int csidl) const = 0;
    virtual std::optional<ShortcutInfo> ReadShortcut(std::string_view linkPath) const = 0;
    // Overwrites an existing file; true when saved.
    virtual bool CreateShortcut(std::string_view linkPath, const NewShortcut& shortcut) = 0;
    // Sends files to the Recycle Bin; the shell warns before it would delete
    // a file for good. A file held open elsewhere, which could not be moved,
    // is left where it is. True when every file was handed over and the
    // shell reports success.
    virtual bool Recycle(const std::vector<std::string>& paths, OwnerWindow owner) = 0;
    // Empties the Recycle Bins of all drives without asking.
    virtual bool EmptyRecycleBin(OwnerWindow owner, ShellFeedback feedback) = 0;
    // Tells the shell that what a folder shows has changed, so open Explorer
    // windows list it afresh. The path must be absolute.
    virtual void NotifyFolderChanged(std::string_view folderPath) = 0;
    // How the shell shows each path, in order; nullopt where it gives
    // nothing. Paths of one folder in a row share one parse of the folder,
    // far cheaper than a lookup of each whole path.
    virtual std::vector<std::optional<ShellDisplay>> Display(std::span<const std::string> paths,
                                                             DisplayIcon icon) const = 0;
    std::optional<ShellDisplay> Display(std::string_view path, DisplayIcon icon) const {
        const std::string one(path);
        return std::move(Display(std::span(&one, 1), icon).front());
    }
    // The shell's large icon of a file or folder, or of the item an item-ID
    // list names (a shortcut's target, which may be no file at all); none
    // for an empty path or list, or what the shell does not know. A list
    // drawing it down to its own size looks better than the small one.
    virtual Icon FileIcon(std::string_view path) const = 0;
    virtual Icon ItemIcon(const ItemIdList& item) const = 0;
    // The shell's "open" of a file or address, normal show state.
    virtual bool Open(std::string_view fileOrUrl, OwnerWindow owner) = 0;
};

}  // namespace tw
