#pragma once
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/url_cache.h"

namespace tw {

// Everything the tools may ask of the OS, handed to each tool's logic.
// app/ builds the Win32 bundle; tests build the in-memory one.
struct Platform {
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    UrlCache& urlCache;
    Clipboard& clipboard;
    System& system;
};

}  // namespace tw
