#pragma once
#include <windows.h>

#include "platform/icon.h"

namespace tw::win32 {

// Hands an icon the shell made to the portable side, which destroys it
// when done with it.
inline Icon OwnIcon(HICON icon) {
    return Icon(icon, [](Icon::Handle handle) { DestroyIcon(static_cast<HICON>(handle)); });
}

// What a window draws; the Icon keeps it.
inline HICON IconHandle(const Icon& icon) { return static_cast<HICON>(icon.Get()); }

}  // namespace tw::win32
