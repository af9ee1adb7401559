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
inline constexpr std::string_view kLinkRefused =
    "File: %s is a link to another file or folder. Shredding it would destroy what it points to, so it was left "
    "alone.";
inline constexpr std::string_view kDeleteFailed = "File: %s has been overwritten but cannot be deleted.";

struct ShredOptions {
    const WipeAlgorithm& algorithm;
    bool rename = true;
};

// Overwrites one file with every pass of the algorithm, each pass opening
// the file afresh, and deletes it. A symbolic link or junction is refused
// untouched (kLinkRefused), never followed. A file that cannot be renamed
// throws "File: %s cannot be found."; one that cannot be opened or written
// throws the platform's text, and one that cannot be deleted throws
// kDeleteFailed; a renamed file then gets its own name back, which the
// delete message names (or "$000000.tmp" when even that fails).
void ShredFile(FileSystem& files, RandomSource& random, std::string_view path, const ShredOptions& options,
               const std::function<void()>& pump);

}  // namespace tw
