#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "startup_manager/startup_entry.h"

namespace tw {

// Adds icons to the window's icon list and gives their index, -1 when none
// could be added. Each program or target is asked for once per enumeration.
class StartupIcons {
public:
    virtual ~StartupIcons() = default;
    virtual int ForFile(std::string_view path) = 0;
    // The icon of the item a shortcut points at, by its item-ID list.
    virtual int ForItem(const ItemIdList& item) = 0;
};

// Clears `rows` and lists every source in its fixed order. A value without
// data reads as "" whatever its type; one with data that is not a string
// throws tw::Error("Invalid data type for '<name>'"); the rows
// found before it stay in `rows`.
void EnumerateStartupEntries(const StartupStore& store, StartupIcons& icons, std::vector<StartupEntry>& rows);

// The row of the entry `name` (as typed: a shortcut's file is name + ".lnk")
// in the given location and home, after a rebuild.
std::optional<std::size_t> FindStartupRow(const std::vector<StartupEntry>& rows, std::string_view location,
                                          std::string_view name, bool enabledHome);

}  // namespace tw
