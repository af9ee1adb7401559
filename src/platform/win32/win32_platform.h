#pragma once
#include "platform/platform.h"
#include "platform/win32/file_system_win.h"
#include "platform/win32/registry_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "platform/win32/url_cache_win.h"

namespace tw {

// The real machine, as app/ hands it to the tools.
struct Win32Platform {
    Win32Registry registry;
    Win32FileSystem files;
    Win32Shell shell;
    Win32UrlCache urlCache;
    Win32Clipboard clipboard;
    Win32System system;

    Win32Platform() = default;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;
    Platform Bundle() { return {registry, files, shell, urlCache, clipboard, system}; }
};

}  // namespace tw
