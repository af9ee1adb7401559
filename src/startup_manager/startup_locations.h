#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tw {

// Where Windows looks for programs to start, and the parallel "disabled
// home" it never reads. Registry homes are keys below `root`; folder homes
// are the startup folder `csidl` and its sibling with "-" appended.
struct StartupLocation {
    std::string_view text;  // shown in the list; every operation dispatches on it
    RootKey root = 0;       // 0 for a folder location
    std::string_view enabledKey;
    std::string_view disabledKey;
    int csidl = 0;  // folder locations only
    // Where Task Manager (Windows 8 and later) marks entries of this home off
    // without moving them; below `root`, or the folder's root for folders.
    std::string_view approvedKey;

    bool IsFolder() const { return root == 0; }
    RootKey ApprovedRoot() const;
};

inline constexpr std::string_view kAllUsersRun = "Registry - All Users - Run";
inline constexpr std::string_view kAllUsersRunServices = "Registry - All Users - Run Services";
inline constexpr std::string_view kCurrentUserRun = "Registry - Current User - Run";
inline constexpr std::string_view kCurrentUserRunServices = "Registry - Current User - Run Services";
inline constexpr std::string_view kAllUsersFolder = "Startup Folder - All Users";
inline constexpr std::string_view kCurrentUserFolder = "Startup Folder - Current User";
inline constexpr std::string_view kAllUsersRun32 = "Registry - All Users - Run (32-bit)";

// The locations in the order the add dialog offers them; the 32-bit view's
// Run comes last and only on 64-bit Windows.
std::span<const StartupLocation> StartupLocations(bool windows64);

// The location with exactly this text, or nullptr.
const StartupLocation* FindStartupLocation(std::string_view text);

// Folder homes: F\name.lnk when enabled, F-\name.lnk when disabled.
std::string EnabledFolder(std::string_view folder);
std::string DisabledFolder(std::string_view folder);
std::string ShortcutPath(std::string_view folder, bool enabled, std::string_view fileName);

}  // namespace tw
