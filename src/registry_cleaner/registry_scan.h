#pragma once
#include "platform/platform.h"
#include "registry_cleaner/finding.h"
#include "services/run_progress.h"

namespace tw {

// Empties every list, then runs the nine scanners in category order, each
// under its status text (and the empty text at the end). Window messages
// run once before the first category and after each one, never during a
// category.
void RunScan(const Platform& platform, FindingLists& lists, RunProgress& progress);

}  // namespace tw
