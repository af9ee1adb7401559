#include "startup_manager/startup_icons_win.h"

#include "platform/win32/icon_win.h"
#include "suite/artwork_win.h"

namespace tw {

StartupImageList::StartupImageList(const Shell& shell, int iconSize)
    : shell_(shell), size_(iconSize), list_(ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 16, 16)) {
    Clear();
}

void StartupImageList::Resize(int iconSize) {
    size_ = iconSize;
    list_.Reset(ImageList_Create(iconSize, iconSize, ILC_COLOR32 | ILC_MASK, 16, 16));
    Clear();
}

void StartupImageList::Clear() {
    ImageList_RemoveAll(list_.Get());
    ImageList_AddIcon(list_.Get(), ProgramIcon(size_));  // kept by the artwork cache
}

// The shell's large icon is drawn down to the list's size.
int StartupImageList::Add(const Icon& icon) {
    return icon ? ImageList_AddIcon(list_.Get(), win32::IconHandle(icon)) : -1;
}

}  // namespace tw
