#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/shell.h"

namespace tw::win32 {

// The only places a window crosses between the portable code's opaque
// OwnerWindow and the HWND that Windows calls take.
inline HWND ToHwnd(OwnerWindow owner) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(owner)); }
inline OwnerWindow OwnerOf(HWND window) { return static_cast<OwnerWindow>(reinterpret_cast<std::uintptr_t>(window)); }

}  // namespace tw::win32
