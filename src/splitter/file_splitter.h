#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "services/run_progress.h"

namespace tw {

inline constexpr std::string_view kNoFileToSplit = "A file name must be specified to be split.";
inline constexpr std::string_view kSplitSourceMissing =
    "The file you have selected does not exist. Please select a valid file destination directory.";
inline constexpr std::string_view kDestinationMissing =
    "The destination directory you have selected does not exist. Please select a valid file location.";
inline constexpr std::string_view kSourceSmallerThanPiece =
    "Size of the file you have specified is less than the file split size.";
inline constexpr std::string_view kSplitDone = "The file has been successfully split.";

// What the split page holds when "&Split" is pressed.
struct SplitRequest {
    std::string source;
    std::string destination;     // empty: beside the source
    std::size_t sizeChoice = 0;  // index into kSplitSizes
    std::string customMegabytes = "1";
};

// Cuts the source into pieces named by PieceName: always whole + 1 of them,
// the last holding the rest (possibly nothing). Returns the notice to show,
// whether the split was done or refused. A file that cannot be opened,
// created, read or written throws tw::Error naming that file; pieces written
// before stay on disk.
std::string SplitFile(FileSystem& files, const SplitRequest& request, RunProgress& progress);

}  // namespace tw
