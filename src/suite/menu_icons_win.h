#pragma once
#include <windows.h>

namespace tw {

// The small pictures of context menus, file lists and status columns, drawn
// in the product's style and kept for the run (callers never free them).
enum class MenuIcon { SelectAll, UnselectAll, CleanChecked, Restore, Remove, RemoveAll, BackupFile, Cleaned, Passed, Trace, Start, Stop };

// At the side ui::SmallIconSize gives for the window that shows it.
HICON MenuIconOf(MenuIcon icon, int size);

}  // namespace tw
