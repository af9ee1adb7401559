#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"
#include "services/backup_store.h"
#include "services/export_buffer.h"
#include "ui/check_tree.h"

namespace tw {

// What a clean did: the backup file's name, and the entries of checked
// findings it left in place because a backup could not record them.
struct CleanOutcome {
    std::string backupFile;
    std::vector<std::string> leftEntries;
};

inline constexpr std::string_view kEntriesLeft =
    "These entries were left in place: a name in them contains a line break, which a registry backup file "
    "cannot record, so they could not be restored after cleaning.";

// kEntriesLeft followed by one entry a line.
std::string EntriesLeftNotice(const std::vector<std::string>& entries);

// Backs up and removes the checked findings: those whose category row is
// not unchecked and whose own row is checked. The buffer is emptied and
// filled with every checked finding's lines in category and list order,
// the file is saved, and only then is anything deleted. When the backup
// folders or the file cannot be made, the error propagates and the registry
// is left as it was. A finding whose removal would delete a name that
// holds a line break (which no registry file can carry), or whose key path
// names no key, is neither backed up nor removed.
CleanOutcome BackUpAndRemove(const Platform& platform, const FindingLists& lists, ui::CheckTree& checks,
                             ExportBuffer& buffer, BackupStore& backups);

}  // namespace tw
