#pragma once
#include "startup_manager/startup_entry.h"

namespace tw {

enum class MoveResult { Moved, NothingFound, NameTaken };

// Shown when a toggle found nothing to move, so the box stays as it was.
inline constexpr std::string_view kNothingToMove =
    "The startup item was not found where it is listed. Nothing was changed.";
// Shown when the other home already holds an entry of the same name.
inline constexpr std::string_view kNameTaken =
    "Another startup item of the same name is already where this one would go. Nothing was changed.";

// Move an entry between its homes with its own bytes: the registry value
// keeps its type, the shortcut file is copied as it is. Ticking an entry
// that only Task Manager's mark keeps off sets the mark on and moves
// nothing; unticking drops the mark it leaves behind. An entry of the same
// name in the other home is left alone (NameTaken). Failures throw
// tw::Error and leave the entry where it was.
MoveResult EnableStartupEntry(const StartupStore& store, const StartupEntry& entry);
MoveResult DisableStartupEntry(const StartupStore& store, const StartupEntry& entry);

// Deletes the entry from its own home (the box names it, unless Task
// Manager's mark alone unticked it) and the mark it leaves without an
// entry; a missing one is silent.
void RemoveStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked);

// The folder a folder location's entries live in; empty when the shell
// cannot tell. Unknown texts mean the user's folder.
std::string StartupFolderOf(const StartupStore& store, std::string_view location);

}  // namespace tw
