#pragma once
#include "platform/platform.h"
#include "privacy/privacy_items.h"

namespace tw {

inline constexpr std::string_view kMemoryManagementKey =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
inline constexpr std::string_view kClearPageFileValue = "ClearPageFileAtShutdown";

// Runs one item's cleaner. Deletions that fail are skipped; a page-file
// flag that cannot be written ("Failed to set data for '%s'"), a clipboard
// another program holds ("Cannot open clipboard") or one that opens but
// will not empty ("Cannot empty clipboard") throws tw::Error, which stops
// the run.
void CleanTrace(PrivacyItem item, Platform& platform, OwnerWindow owner);

}  // namespace tw
