#include "platform/memory/memory_platform.h"
#include "platform/text.h"

namespace tw {
namespace {

// Stands in for the shell's list of a path: one item holding the path's
// text, then the terminating zero size.
ItemIdList IdListOf(std::string_view path) {
    const std::size_t size = path.size() + 2;
    ItemIdList list{static_cast<std::uint8_t>(size & 0xFF), static_cast<std::uint8_t>(size >> 8)};
    list.insert(list.end(), path.begin(), path.end());
    list.insert(list.end(), {0, 0});
    return list;
}

// The path of a list IdListOf made; empty for any other list.
std::string PathOf(const ItemIdList& list) {
    if (list.size() < 4) return {};
    const std::size_t item = list[0] | (list[1] << 8);
    if (item + 2 != list.size() || list[item] != 0 || list[item + 1] != 0) return {};
    return std::string(list.begin() + 2, list.end() - 2);
}

// The shell reads back what was written, with the show-command mapping
// Windows applies: minimized is stored as SW_SHOWMINNOACTIVE. Setting a
// path gives the link the path's item-ID list, and a list given besides
// names the target, as with the shell link.
ShortcutInfo ToInfo(const NewShortcut& s) {
    ShortcutInfo info;
    info.targetPath = s.targetPath;
    if (!s.itemIdList.empty()) {
        info.itemIdList = s.itemIdList;
        if (const std::string path = PathOf(s.itemIdList); !path.empty()) info.targetPath = path;
    } else if (s.setItemIdListFromTarget || !s.targetPath.empty()) {
        info.itemIdList = IdListOf(s.targetPath);
    }
    info.workingDirectory = s.workingDirectory;
    info.arguments = s.arguments;
    info.description = s.description;
    info.iconPath = s.iconPath.empty() ? s.targetPath : s.iconPath;
    info.iconIndex = s.iconIndex;
    info.hotKey = s.hotKey;
    info.windowState = s.windowState;
    return info;
}

}  // namespace

std::string MemoryShell::SpecialFolderPath(int csidl) const {
    const auto it = folders_.find(csidl);
    return it == folders_.end() ? std::string() : it->second;
}

std::optional<ShortcutInfo> MemoryShell::ReadShortcut(std::string_view linkPath) const {
    if (!files_.FileExists(linkPath)) return std::nullopt;
    const auto it = shortcuts_.find(files_.Text(linkPath));
    if (it == shortcuts_.end() || it->second.itemIdList.empty()) return std::nullopt;
    return it->second;
}

bool MemoryShell::CreateShortcut(std::string_view linkPath, const NewShortcut& shortcut) {
    std::string marker;
    try {
        // The content names its record, so a copied file reads as the same
        // shortcut, as a real .lnk does.
        marker = "shortcut #" + std::to_string(++saved_) + " to " + shortcut.targetPath;
        auto stream = files_.Open(linkPath, OpenMode::Create, Share::Exclusive);
        stream->Write({reinterpret_cast<const std::uint8_t*>(marker.data()), marker.size()});
    } catch (const std::exception&) {
        return false;
    }
    shortcuts_[marker] = ToInfo(shortcut);
    return true;
}

bool MemoryShell::Recycle(const std::vector<std::string>& paths, OwnerWindow) {
    bool all = true;
    for (const auto& p : paths) {
        if (files_.DeleteFile(p))
            recycled_.push_back(p);
        else
            all = false;
    }
    return all;
}

bool MemoryShell::EmptyRecycleBin(OwnerWindow, ShellFeedback feedback) {
    emptied_.push_back(feedback);
    return true;
}

// A drive root shows as "Local Disk (C:)"; a shortcut by its name without
// ".lnk", as Explorer shows links; anything else by its name. No icons.
std::vector<std::optional<ShellDisplay>> MemoryShell::Display(std::span<const std::string> paths,
                                                              DisplayIcon) const {
    std::vector<std::optional<ShellDisplay>> shown;
    for (std::string_view path : paths) {
        if (!files_.FolderExists(path) && !files_.FileExists(path)) {
            shown.emplace_back();
        } else if (path.size() == 3 && path.substr(1) == ":\\") {
            shown.push_back(ShellDisplay{"Local Disk (" + std::string(path.substr(0, 2)) + ")"});
        } else {
            const auto trimmed = path.substr(0, path.find_last_not_of('\\') + 1);
            std::string_view name = trimmed.substr(trimmed.rfind('\\') + 1);
            if (name.size() > 4 && UpcaseName(name.substr(name.size() - 4)) == ".LNK") name.remove_suffix(4);
            shown.push_back(ShellDisplay{std::string(name)});
        }
    }
    return shown;
}

bool MemoryShell::Open(std::string_view fileOrUrl, OwnerWindow) {
    opened_.emplace_back(fileOrUrl);
    return true;
}

Icon MemoryShell::IconIfExists(std::string_view path) const {
    if (path.empty() || (!files_.FileExists(path) && !files_.FolderExists(path))) return {};
    ++liveIcons_;
    return Icon(&liveIcons_, [](Icon::Handle count) { --*static_cast<int*>(count); });
}

// Everything that exists has an icon, as in Explorer.
Icon MemoryShell::FileIcon(std::string_view path) const { return IconIfExists(path); }

Icon MemoryShell::ItemIcon(const ItemIdList& item) const { return IconIfExists(PathOf(item)); }

void MemoryShell::SetSpecialFolder(int csidl, std::string path) { folders_[csidl] = std::move(path); }

}  // namespace tw
