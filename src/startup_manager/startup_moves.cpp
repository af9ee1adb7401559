#include "startup_manager/startup_moves.h"

#include "platform/error.h"
#include "startup_manager/startup_backup.h"
#include "startup_manager/startup_locations.h"
#include "startup_manager/startup_marks.h"

namespace tw {
namespace {

// Each row moves only itself: an entry of its name in the other home is
// another row, never written over.
MoveResult MoveValue(const StartupStore& store, const StartupLocation& location, const StartupEntry& entry,
                     bool enable) {
    Registry& registry = store.registry;
    if (enable && entry.markedOff) {
        if (!registry.ReadValue(location.root, location.enabledKey, entry.name)) return MoveResult::NothingFound;
        MarkOn(store, location, entry.name);
        return MoveResult::Moved;
    }
    const std::string_view from = enable ? location.disabledKey : location.enabledKey;
    const std::string_view to = enable ? location.enabledKey : location.disabledKey;
    if (registry.ReadValue(location.root, to, entry.name)) return MoveResult::NameTaken;
    auto value = registry.ReadValue(location.root, from, entry.name);
    if (!value) value = RegValue::String(entry.command);
    // A mark left "off" from before would keep the moved entry from starting.
    if (enable) MarkOn(store, location, entry.name);
    if (!registry.WriteValue(location.root, to, entry.name, *value))
        throw Error(FormatText("Failed to set data for '%s'", entry.name));
    registry.DeleteValue(location.root, from, entry.name);
    if (!enable) DropOrphanMark(store, location, entry.name);
    return MoveResult::Moved;
}

void EnsureFolder(FileSystem& files, const std::string& folder) {
    if (!files.FolderExists(folder) && !files.CreateFolder(folder)) throw Error("Cannot create Startup Directory");
}

MoveResult MoveShortcut(const StartupStore& store, const StartupLocation& location, const StartupEntry& entry,
                        bool enable) {
    const std::string root = StartupFolderOf(store, entry.location);
    if (root.empty()) return MoveResult::NothingFound;
    const std::string file = ShortcutFileName(entry);
    const std::string from = ShortcutPath(root, !enable, file);
    const std::string to = ShortcutPath(root, enable, file);
    if (enable && entry.markedOff) {
        if (!store.shell.ReadShortcut(to)) return MoveResult::NothingFound;
        MarkOn(store, location, file);
        return MoveResult::Moved;
    }
    if (!store.shell.ReadShortcut(from)) return MoveResult::NothingFound;
    if (store.files.FileExists(to) || store.files.FolderExists(to)) return MoveResult::NameTaken;
    EnsureFolder(store.files, enable ? EnabledFolder(root) : DisabledFolder(root));
    if (enable) MarkOn(store, location, file);
    if (!store.files.CopyFile(from, to, true))
        throw Error(FormatText("Could not copy '%s'. The startup item stays where it was.", from));
    if (!store.files.DeleteFile(from)) {
        store.files.DeleteFile(to);
        throw Error(FormatText("Could not move '%s'. The startup item stays where it was.", from));
    }
    if (!enable) DropOrphanMark(store, location, file);
    return MoveResult::Moved;
}

// Folder operations treat every text that is not a registry location as a
// startup folder: the common one only for its own text.
const StartupLocation& FolderLocation(std::string_view text) {
    return *FindStartupLocation(text == kAllUsersFolder ? kAllUsersFolder : kCurrentUserFolder);
}

MoveResult Move(const StartupStore& store, const StartupEntry& entry, bool enable) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (location && !location->IsFolder()) return MoveValue(store, *location, entry, enable);
    return MoveShortcut(store, FolderLocation(entry.location), entry, enable);
}

}  // namespace

std::string ShortcutFileName(const StartupEntry& entry) {
    return entry.fileName.empty() ? entry.name + ".lnk" : entry.fileName;
}

std::string StartupFolderOf(const StartupStore& store, std::string_view location) {
    return store.shell.SpecialFolderPath(location == kAllUsersFolder ? Csidl::CommonStartup : Csidl::Startup);
}

MoveResult EnableStartupEntry(const StartupStore& store, const StartupEntry& entry) { return Move(store, entry, true); }

MoveResult DisableStartupEntry(const StartupStore& store, const StartupEntry& entry) {
    return Move(store, entry, false);
}

void RemoveStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (!location) return;
    const bool enabledHome = InEnabledHome(entry, ticked);
    if (!location->IsFolder()) {
        BackUpStartupEntry(store, *location, enabledHome, entry.name);
        store.registry.DeleteValue(location->root, enabledHome ? location->enabledKey : location->disabledKey,
                                   entry.name);
        DropOrphanMark(store, *location, entry.name);
        return;
    }
    const std::string root = StartupFolderOf(store, entry.location);
    if (root.empty()) return;
    const std::string file = ShortcutFileName(entry);
    const std::string path = ShortcutPath(root, enabledHome, file);
    if (const auto saved = BackUpStartupEntry(store, *location, enabledHome, file))
        DeleteVerified(store.files, path, *saved);
    DropOrphanMark(store, *location, file);
}

}  // namespace tw
