#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/random.h"

namespace tw {

// A new folder below parent (which every user may write to) that only
// administrators and SYSTEM can open, under a name nobody can guess in
// advance. A name someone else took first is never used: another is drawn.
// Nothing when no folder can be made there.
std::optional<std::string> NewPrivateFolder(FileSystem& files, RandomSource& random, std::string_view parent);

// Copies from into a file it creates itself at to: an entry already there,
// link or not, makes it fail without being touched. Leaves nothing at to
// when it fails.
bool CopyToNewFile(FileSystem& files, std::string_view from, std::string_view to);

}  // namespace tw
