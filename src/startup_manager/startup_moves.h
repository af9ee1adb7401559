#pragma once
#include "startup_manager/startup_entry.h"

namespace tw {

enum class MoveResult { Moved, NothingFound };

// Shown when a toggle found nothing to move, so the box stays as it was.
inline constexpr std::string_view kNothingToMove =
    "The startup item was not found where it is listed. Nothing was changed.";

// Move an entry between its homes with its own bytes: the registry value
// keeps its type, the shortcut file is copied as it is. Failures throw
// tw::Error and leave the entry where it was.
MoveResult EnableStartupEntry(const StartupStore& store, const StartupEntry& entry);
MoveResult DisableStartupEntry(const StartupStore& store, const StartupEntry& entry);

// Deletes the entry from the home the box names; a missing one is silent.
void RemoveStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked);

// Whether the entry lies in its enabled home: ticked, or unticked only by
// Task Manager's mark with nothing in the disabled home.
bool LivesInEnabledHome(const StartupStore& store, const StartupEntry& entry, bool ticked);

// The folder a folder location's entries live in; empty when the shell
// cannot tell. Unknown texts mean the user's folder.
std::string StartupFolderOf(const StartupStore& store, std::string_view location);

}  // namespace tw
