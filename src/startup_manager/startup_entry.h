#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace tw {

class BackupStore;

// One listed row. `enabled` is the state found by the enumeration; the
// row's check box is the current state afterwards.
struct StartupEntry {
    std::string name;
    std::string command;  // the command line, or the shortcut's target
    std::string location;
    int imageIndex = -1;
    bool enabled = true;
    // The shortcut file's own name (with ".lnk"), so a folder entry is found
    // again even where the shell's display name differs from it.
    std::string fileName;
    // Found in the enabled home but switched off by Task Manager's mark:
    // unticked, yet every operation acts on the enabled home.
    bool markedOff = false;

    friend bool operator==(const StartupEntry&, const StartupEntry&) = default;
};

// The OS pieces the Startup Manager's logic acts on.
struct StartupStore {
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    bool windows64 = false;  // lists and offers the 32-bit registry view
    // Where what a remove, an edit or an add would lose is saved first.
    BackupStore* backups = nullptr;
};

// The file an entry lives in: the remembered file name, or the name with
// ".lnk" as entries typed by the user have none.
std::string ShortcutFileName(const StartupEntry& entry);

}  // namespace tw
