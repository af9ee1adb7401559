#pragma once
#include <string>
#include <string_view>

#include "startup_manager/startup_entry.h"

namespace tw {

inline constexpr std::string_view kFillAllFields = "Please fill all the fields to add an startup entry";
// An edit never writes over another entry of its home.
inline constexpr std::string_view kEditNameTaken =
    "A startup item named '%s' is already there. Choose another name.";

// What the add box collects: a new entry and the location it goes to.
struct NewStartupEntry {
    std::string name, program, location;
};

// What the edit box collects for the entry it was opened on.
struct StartupEdit {
    std::string name, program;
};

// A new enabled entry. A registry home must exist already: a missing key
// throws "Failed to set data for '<name>'". Same-named entries are
// overwritten; a shortcut that cannot be saved is not reported.
void AddStartupEntry(const StartupStore& store, std::string_view name, std::string_view program,
                     std::string_view location);

// Renames `entry` and gives it a new program in the home it is in; Task
// Manager's mark goes with it. The new entry is written before the old one
// goes, and a rename that changes only letter case keeps the entry. A name
// another entry of the home has, or a failed write, throws and keeps the
// old entry.
void EditStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked, std::string_view newName,
                      std::string_view newProgram);

}  // namespace tw
