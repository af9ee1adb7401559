#pragma once
#include <windows.h>

#include <commctrl.h>

#include "platform/shell.h"
#include "platform/win32/handles_win.h"
#include "startup_manager/startup_enumeration.h"

namespace tw {

// The list's 32-bit icon list of the given size: the program's own icon
// at index 0 for rows without one, then the shell's icon of each program.
class StartupImageList final : public StartupIcons {
public:
    StartupImageList(const Shell& shell, int iconSize);

    HIMAGELIST Handle() const { return list_.Get(); }
    // Back to the preset image alone, before a new enumeration.
    void Clear();
    // A new, empty list at `iconSize` (the old handle is freed): the rows'
    // icons are added again by a new enumeration.
    void Resize(int iconSize);
    int ForFile(std::string_view path) override { return Add(shell_.FileIcon(path)); }
    // The item's own icon, not the link file's: a shortcut may name another icon.
    int ForItem(const ItemIdList& item) override { return Add(shell_.ItemIcon(item)); }

private:
    int Add(const Icon& icon);

    const Shell& shell_;
    int size_;
    win32::UniqueImageList list_;
};

}  // namespace tw
