#pragma once
#include <windows.h>

namespace tw {

// The small pictures of context menus, file lists and status columns, drawn
// in the product's style and kept for the run (callers never free them).
enum class MenuIcon { SelectAll, UnselectAll, CleanChecked, Restore, Remove, RemoveAll, BackupFile, Cleaned, Passed, Trace, Start, Stop };

HICON MenuIconOf(MenuIcon icon, int size = 16);
// The size of these pictures in a window, at its DPI as its text is.
int MenuIconSize(HWND window);

}  // namespace tw
