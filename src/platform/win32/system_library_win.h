#pragma once

#include <windows.h>

namespace tw::win32 {

// From here on, a DLL named without a path is looked for in the system
// folder only. False where Windows cannot (Windows 7 without KB2533623): then
// only the current folder is taken out of the search, and LoadSystemLibrary
// loads by full path.
bool RestrictDllSearchToSystemFolder();

// Loads a DLL of Windows from the system folder, or from the side-by-side
// assembly the program's manifest names for it; never from the program's
// own folder or the current one.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace tw::win32
