#pragma once
#include <functional>
#include <string>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"

namespace tw {

// What a scan reports while it runs: the category status texts (and the
// empty text at the end), and the points where window messages may run.
struct ScanProgress {
    std::function<void()> pump;
    std::function<void(const std::string&)> status;
};

// Empties every list, then runs the nine scanners in category order. Window
// messages run once before the first category and after each one, never
// during a category.
void RunScan(const Platform& platform, FindingLists& lists, const ScanProgress& progress);

}  // namespace tw
