#pragma once
#include <string>

#include "platform/platform.h"

namespace tw {

inline constexpr std::string_view kRecentDocsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";

// Deletes the files directly in the user's Recent folder, hidden and system
// ones included. Sub-folders, links and files that cannot be deleted stay. Runs
// only on an absolute path naming a real folder, never a link to another
// one. Gives the folder it went through, or "" when it did not run.
std::string CleanRecentFolder(const Shell& shell, FileSystem& files);

// Deletes every sub-key of RecentDocs with everything below it, then the
// values stored directly in it, where Windows 7 to 11 keep the recent list.
// RecentDocs itself stays.
void ClearRecentDocs(Registry& registry);

}  // namespace tw
