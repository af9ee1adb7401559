#pragma once
#include <string>

#include "internet_tuner/network_parameters.h"
#include "services/backup_store.h"
#include "services/export_buffer.h"

namespace tw {

// The backup an apply writes first, so that importing it gives back exactly
// what was there: each recorded value that exists with its stored type and
// data, a delete line for each that does not, every interface's MTU by its
// own value and the NT receive window's global cap beside it. The store's
// typed reads run first, so a value of the wrong type throws before any
// line is kept.
void BuildInternetBackup(ExportBuffer& buffer, const NetworkStore& store);

// Builds and saves the backup; returns the file's name. Throws when a read
// fails or the folders or the file cannot be made, and then nothing is saved.
std::string WriteInternetBackup(const NetworkStore& store, BackupStore& backups);

}  // namespace tw
