#pragma once
#include "platform/win32/windows_win.h"

namespace tw::test {

// Wine's ntdll exports wine_get_version; Windows' does not. Only tests ask:
// nothing in the product depends on Wine.
inline bool RunsUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace tw::test
