#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "services/backup_store.h"
#include "startup_manager/startup_entry.h"
#include "startup_manager/startup_locations.h"

namespace tw {

inline constexpr std::string_view kStartupBackups = "Backups\\Startup";

// Saves what a home holds under `name` (a value name, or a shortcut's file
// name) before it is removed or written over, with Task Manager's mark: a
// registry value as a registry file with its own type and bytes, a shortcut
// byte for byte with the folder it is in. Nothing is saved when the home
// holds no such entry, or the store keeps no backups. Throws tw::Error when
// the backup cannot be made; the caller then changes nothing. For a
// shortcut, gives the identity of the file that was saved, so that only
// that very file is deleted afterwards.
std::optional<FileIdentity> BackUpStartupEntry(const StartupStore& store, const StartupLocation& location,
                                               bool enabledHome, std::string_view name);

// The Startup Manager's folder of the backup store. Registry files go back
// through the registry editor, as every tool's do; a shortcut is copied
// back into the folder it came from, never over a file that is there now.
class StartupBackups final : public BackupStore {
public:
    explicit StartupBackups(const Platform& platform);
    std::vector<BackupFile> List() const override;
    // Throws tw::Error, with nothing written, when a shortcut cannot go back.
    void Restore(std::string_view fileName, RandomSource& random, OwnerWindow owner) override;

private:
    void RestoreShortcut(std::string_view fileName);

    Registry& registry_;
    FileSystem& files_;
    Shell& shell_;
};

}  // namespace tw
