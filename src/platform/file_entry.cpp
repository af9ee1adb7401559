#include "platform/error.h"
#include "platform/file_system.h"

namespace tw {

bool DeleteVerified(FileSystem& files, std::string_view path, const FileIdentity& expected) {
    try {
        const auto entry = files.OpenEntry(path, expected, EntryAccess::Delete);
        return entry && entry->Delete();
    } catch (const Error&) {
        return false;  // missing or in use: left, as a failed delete is
    }
}

}  // namespace tw
