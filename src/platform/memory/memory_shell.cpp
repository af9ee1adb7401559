#include "platform/memory/memory_platform.h"
#include "platform/text.h"

namespace tw {
namespace {

// The shell reads back what was written, with the show-command mapping
// Windows applies: minimized is stored as SW_SHOWMINNOACTIVE.
ShortcutInfo ToInfo(const NewShortcut& s) {
    ShortcutInfo info;
    info.targetPath = s.targetPath;
    info.hasItemIdList = s.setItemIdListFromTarget || !s.targetPath.empty();
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
    if (it == shortcuts_.end() || !it->second.hasItemIdList) return std::nullopt;
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

std::optional<ShellDisplay> MemoryShell::Display(std::string_view path) const {
    if (!files_.FolderExists(path) && !files_.FileExists(path)) return std::nullopt;
    if (path.size() == 3 && path.substr(1) == ":\\") return ShellDisplay{"Local Disk (" + std::string(path.substr(0, 2)) + ")"};
    const auto trimmed = path.substr(0, path.find_last_not_of('\\') + 1);
    return ShellDisplay{std::string(trimmed.substr(trimmed.rfind('\\') + 1))};
}

bool MemoryShell::Open(std::string_view fileOrUrl, OwnerWindow) {
    opened_.emplace_back(fileOrUrl);
    return true;
}

// As Explorer with known extensions hidden for links: the file's own name
// without ".lnk"; other files keep their name.
std::string MemoryShell::DisplayName(std::string_view path) const {
    if (!files_.FileExists(path) && !files_.FolderExists(path)) return {};
    std::string_view name = path.substr(path.find_last_of('\\') + 1);
    if (name.size() > 4 && UpcaseName(name.substr(name.size() - 4)) == ".LNK") name.remove_suffix(4);
    return std::string(name);
}

void MemoryShell::SetSpecialFolder(int csidl, std::string path) { folders_[csidl] = std::move(path); }

}  // namespace tw
