#include "startup_manager/startup_locations.h"

#include <array>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace tw {
namespace {


// The 32-bit view's keys are reached through their real place, which a
// 64-bit process opens as it is.
constexpr std::array<StartupLocation, 7> kLocations{{
    {kAllUsersRun, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run-", 0,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"},
    {kAllUsersRunServices, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices",
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices-", 0, {}},
    {kCurrentUserRun, kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run-", 0,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run"},
    {kCurrentUserRunServices, kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices",
     "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices-", 0, {}},
    {kAllUsersFolder, 0, {}, {}, Csidl::CommonStartup,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder"},
    {kCurrentUserFolder, 0, {}, {}, Csidl::Startup,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder"},
    {kAllUsersRun32, kLocalMachine, "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
     "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run-", 0,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run32"},
}};


}  // namespace

RootKey StartupLocation::ApprovedRoot() const {
    if (!IsFolder()) return root;
    return csidl == Csidl::CommonStartup ? kLocalMachine : kCurrentUser;
}

std::span<const StartupLocation> StartupLocations(bool windows64) {
    return std::span<const StartupLocation>(kLocations).first(windows64 ? 7 : 6);
}

const StartupLocation* FindStartupLocation(std::string_view text) {
    for (const auto& location : kLocations)
        if (location.text == text) return &location;
    return nullptr;
}

std::string EnabledFolder(std::string_view folder) { return WithTrailingBackslash(folder); }

std::string DisabledFolder(std::string_view folder) {
    while (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
    return std::string(folder) + "-\\";
}

std::string ShortcutPath(std::string_view folder, bool enabled, std::string_view fileName) {
    return (enabled ? EnabledFolder(folder) : DisabledFolder(folder)) + std::string(fileName);
}

}  // namespace tw
