#pragma once
#include <string>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"
#include "services/backup_store.h"
#include "services/export_buffer.h"
#include "ui/check_tree.h"

namespace tw {

// Backs up and removes the checked findings: those whose category row is
// not unchecked and whose own row is checked. The buffer is emptied and
// filled with every checked finding's lines in category and list order,
// the file is saved, and only then is anything deleted. When the backup
// folders or the file cannot be made, the error propagates and the registry
// is left as it was. Gives the backup file's name.
std::string BackUpAndRemove(const Platform& platform, const FindingLists& lists, ui::CheckTree& checks,
                            ExportBuffer& buffer, BackupStore& backups);

}  // namespace tw
