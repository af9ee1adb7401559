#pragma once
#include "platform/memory/memory_platform.h"
#include "platform/win32/file_system_win.h"
#include "platform/win32/shell_win.h"
#include "platform/win32/system_win.h"
#include "suite/suite_context.h"

namespace tw {

// A tool on this machine's files and shell, with a registry of its own, so
// a demo reads the prefix's real files without touching its registry.
struct DemoMachine {
    MemoryRegistry registry;
    Win32FileSystem files;
    Win32Shell shell;
    MemoryUrlCache urlCache;
    MemoryClipboard clipboard;
    Win32System system;

    Platform Bundle() { return {registry, files, shell, urlCache, clipboard, system}; }
};

}  // namespace tw
