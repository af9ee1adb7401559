#pragma once
#include <windows.h>

#include <initializer_list>

#include "platform/win32/handles_win.h"

namespace tw {

// The small pictures of context menus, file lists and status columns, drawn
// in the product's style and kept for the run (callers never free them).
enum class MenuIcon { SelectAll, UnselectAll, CleanChecked, Restore, Remove, RemoveAll, BackupFile, Cleaned, Passed, Trace, Start, Stop };

// At the side ui::SmallIconSize gives for the window that shows it.
HICON MenuIconOf(MenuIcon icon, int size);
// A row view's image list of these icons at `size`, image i being icon i;
// made afresh when the window's DPI changes.
win32::UniqueImageList MenuIconList(std::initializer_list<MenuIcon> icons, int size);

}  // namespace tw
