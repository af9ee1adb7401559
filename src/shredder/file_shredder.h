#pragma once
#include <functional>
#include <string_view>

#include "platform/file_system.h"
#include "platform/random.h"
#include "shredder/wipe_algorithms.h"

namespace tw {

// The name every file takes before it is overwritten, so its own name is
// gone before the first pass.
inline constexpr std::string_view kShredTempName = "$000000.tmp";
inline constexpr std::string_view kRenameFailed = "File: %s cannot be found.";

struct ShredOptions {
    const WipeAlgorithm& algorithm;
    bool rename = true;
};

// Overwrites one file with every pass of the algorithm, each pass opening
// the file afresh, and deletes it (a failed delete is not reported). A file
// that cannot be renamed throws "File: %s cannot be found."; one that cannot
// be opened or written throws the platform's text, and a renamed file then
// gets its own name back.
void ShredFile(FileSystem& files, RandomSource& random, std::string_view path, const ShredOptions& options,
               const std::function<void()>& pump);

}  // namespace tw
