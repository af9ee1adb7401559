#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace tw {

// A startup shortcut saved before it is removed or written over: one file
// that names the home it came from and carries its bytes, so neither can be
// lost or restored without the other. A few lines of UTF-8 text, an empty
// line, then the shortcut's bytes as they were on disk.
inline constexpr std::string_view kShortcutBackupExtension = ".lnkbackup";

struct ShortcutBackup {
    std::string location;  // the location's text: which startup folder
    std::string folder;    // the home folder, enabled or disabled, as it was
    std::string fileName;  // "Tool.lnk"
    // The home folder's identity when it was saved: a restore goes only into
    // that very folder, never through a link put in its place.
    std::optional<FileIdentity> folderIdentity;
    // Task Manager's mark of the entry, when it had one.
    std::optional<std::vector<std::uint8_t>> mark;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> EncodeShortcutBackup(const ShortcutBackup& backup);
// Nothing when the bytes are not such a file.
std::optional<ShortcutBackup> DecodeShortcutBackup(std::span<const std::uint8_t> bytes);

}  // namespace tw
