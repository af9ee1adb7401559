#include "startup_manager/startup_icons_win.h"

#include <shellapi.h>

#include "suite/artwork_win.h"
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

int StartupImageList::AddShellIcon(LPCWSTR pathOrItem, UINT how) {
    SHFILEINFOW info{};
    // The large icon is drawn down to the list's size, which looks better
    // than the shell's own small one.
    if (!SHGetFileInfoW(pathOrItem, 0, &info, sizeof info, how | SHGFI_ICON | SHGFI_LARGEICON) || !info.hIcon)
        return -1;
    const int index = ImageList_AddIcon(list_, info.hIcon);
    DestroyIcon(info.hIcon);
    return index;
}

int StartupImageList::ForFile(std::string_view path) {
    return path.empty() ? -1 : AddShellIcon(ui::Wide(path).c_str(), 0);
}

// The item's own icon, not the link file's: a shortcut may name another icon.
int StartupImageList::ForItem(const ItemIdList& item) {
    return item.empty() ? -1 : AddShellIcon(reinterpret_cast<LPCWSTR>(item.data()), SHGFI_PIDL);
}

}  // namespace tw
