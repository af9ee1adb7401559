#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "drive_cleaner/drive_search.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "services/run_progress.h"

namespace tw {

// Deletes, or sends to the Recycle Bin, every ticked hit from the last row
// to the first, so files deep in a folder go before anything above them.
// A row leaves the list only when its file is gone; one that could not be
// removed, or is no longer the file that was found, stays, unticked.
// Returns how many stayed.
std::size_t CleanCheckedHits(std::vector<JunkFileHit>& hits, FileSystem& files, Shell& shell, bool recycle,
                             RunProgress& progress);

// The status line after a clean.
std::string CleanSummary(std::size_t left);
// The cleaning animation's text at a 250 ms step.
std::string CleaningText(std::size_t step);

}  // namespace tw
