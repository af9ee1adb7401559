#include "startup_manager/startup_icons_win.h"

#include <shellapi.h>

#include "shell/artwork_win.h"
#include "ui/wide_win.h"

namespace tw {

StartupImageList::StartupImageList() {
    list_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 16);
    Clear();
}

StartupImageList::~StartupImageList() {
    if (list_) ImageList_Destroy(list_);
}

void StartupImageList::Clear() {
    ImageList_RemoveAll(list_);
    ImageList_AddIcon(list_, ProgramIcon(16));  // kept by the artwork cache
}

int StartupImageList::AddShellIcon(std::string_view path) {
    if (path.empty()) return -1;
    SHFILEINFOW info{};
    // The large icon is drawn down to the list's size, which looks better
    // than the shell's own small one.
    if (!SHGetFileInfoW(ui::Wide(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON) || !info.hIcon)
        return -1;
    const int index = ImageList_AddIcon(list_, info.hIcon);
    DestroyIcon(info.hIcon);
    return index;
}

int StartupImageList::ForFile(std::string_view path) { return AddShellIcon(path); }

// The shell gives a shortcut file the icon of the item it points at.
int StartupImageList::ForShortcutTarget(std::string_view linkPath) { return AddShellIcon(linkPath); }

}  // namespace tw
