#pragma once
#include <string_view>

#include "platform/registry.h"
#include "startup_manager/startup_entry.h"
#include "startup_manager/startup_locations.h"

namespace tw {

// Task Manager (Windows 8 and later) switches an entry off without moving
// it: a binary value of the entry's name (a shortcut's file name) in the
// home's `approvedKey`. A mark belongs to the entry in the enabled home;
// one left without that entry would switch off the next entry of its name.

// True when the mark says "do not start": bit 0 of its first byte.
bool IsApprovedOff(const RegValue& mark);

// Whether the entry lies in its enabled home: its box is ticked, or only
// Task Manager's mark keeps it from starting.
inline bool InEnabledHome(const StartupEntry& entry, bool ticked) { return ticked || entry.markedOff; }

// A mark that says off becomes Task Manager's "enabled" form. A failed write
// throws "Failed to set data for '<name>'".
void MarkOn(const StartupStore& store, const StartupLocation& location, std::string_view name);

// Gives `newName` the mark of `oldName`, if it has one; throws like MarkOn.
void CopyMark(const StartupStore& store, const StartupLocation& location, std::string_view oldName,
              std::string_view newName);

// Deletes the mark of `name` unless the enabled home holds an entry of that
// name; silent when there is none.
void DropOrphanMark(const StartupStore& store, const StartupLocation& location, std::string_view name);

}  // namespace tw
