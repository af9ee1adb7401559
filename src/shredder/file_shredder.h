#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/file_system.h"
#include "platform/random.h"
#include "services/run_progress.h"
#include "shredder/shred_list.h"
#include "shredder/wipe_algorithms.h"

namespace tw {

// The name every file takes before it is overwritten, so its own name is
// gone before the first pass.
inline constexpr std::string_view kShredTempName = "$000000.tmp";
inline constexpr std::string_view kRenameFailed = "File: %s cannot be found.";
inline constexpr std::string_view kCannotShred = "Cannot shred file \"%s\". ";
inline constexpr std::string_view kTempNameTaken = "It cannot take the name \"%s\".";
inline constexpr std::string_view kLinkRefused =
    "File: %s is a link to another file or folder. Shredding it would destroy what it points to, so it was left "
    "alone.";
inline constexpr std::string_view kDeleteFailed = "File: %s has been overwritten but cannot be deleted.";
inline constexpr std::string_view kNotTheListedFile =
    "File: %s is no longer the file that was added to the list: a folder on its path has been changed since. It was "
    "left alone.";

struct ShredOptions {
    const WipeAlgorithm& algorithm;
    bool rename = true;
    // Told the bytes of each write as it is done, so a progress bar can
    // move within one large file.
    std::function<void(std::uint64_t)> written = {};
};

// Overwrites one file with every pass of the algorithm and deletes it, all
// through one handle opened on the listed file itself, so a folder swapped
// on its path meanwhile redirects nothing: a file that is no longer the one
// listed throws kNotTheListedFile untouched. A symbolic link or junction is
// refused untouched (kLinkRefused), never followed. A file that is gone
// throws "File: %s cannot be found." when it was to be renamed; one that
// cannot be opened, renamed or written throws kCannotShred with the
// system's reason (or kTempNameTaken), and one that cannot be deleted throws
// kDeleteFailed; a renamed file then gets its own name back, which the
// delete message names (or "$000000.tmp" when even that fails).
void ShredFile(FileSystem& files, RandomSource& random, const ListedFile& file, const ShredOptions& options,
               RunProgress& progress);

}  // namespace tw
