#pragma once
#include "platform/shell.h"

namespace tw {

// Special folders, shell links (IShellLinkW + IPersistFile, COM initialised
// around each call), the Recycle Bin and "open" through the shell.
class Win32Shell final : public Shell {
public:
    std::string SpecialFolderPath(int csidl) const override;
    std::optional<ShortcutInfo> ReadShortcut(std::string_view linkPath) const override;
    bool CreateShortcut(std::string_view linkPath, const NewShortcut& shortcut) override;
    bool Recycle(const std::vector<std::string>& paths, OwnerWindow owner) override;
    bool EmptyRecycleBin(OwnerWindow owner, ShellFeedback feedback) override;
    void NotifyFolderChanged(std::string_view folderPath) override;
    bool Open(std::string_view fileOrUrl, OwnerWindow owner) override;
    using Shell::Display;
    std::vector<std::optional<ShellDisplay>> Display(std::span<const std::string> paths,
                                                     DisplayIcon icon) const override;
    Icon FileIcon(std::string_view path) const override;
    Icon ItemIcon(const ItemIdList& item) const override;
};

}  // namespace tw
