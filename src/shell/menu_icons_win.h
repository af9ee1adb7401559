#pragma once
#include <windows.h>

namespace tw {

// The small pictures of context menus and file lists, drawn in the
// product's style and kept for the run (callers never free them).
enum class MenuIcon { SelectAll, UnselectAll, CleanChecked, Restore, Remove, RemoveAll, BackupFile, Start, Stop };

HICON MenuIconOf(MenuIcon icon, int size = 16);

}  // namespace tw
