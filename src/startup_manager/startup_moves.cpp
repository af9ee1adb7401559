#include "startup_manager/startup_moves.h"

#include "platform/error.h"
#include "startup_manager/startup_enumeration.h"
#include "startup_manager/startup_locations.h"

namespace tw {
namespace {

// Task Manager's "enabled" mark: 02 and eleven zero bytes.
RegValue ApprovedOn() {
    std::vector<std::uint8_t> bytes(12, 0);
    bytes[0] = 2;
    return RegValue::Binary(std::move(bytes));
}

// True when Task Manager had the entry off and now has it on again.
bool ApproveAgain(const StartupStore& store, const StartupLocation& location, std::string_view valueName) {
    if (location.approvedKey.empty()) return false;
    const RootKey root = location.ApprovedRoot();
    const auto mark = store.registry.ReadValue(root, location.approvedKey, valueName);
    if (!mark || !IsApprovedOff(*mark)) return false;
    if (!store.registry.WriteValue(root, location.approvedKey, valueName, ApprovedOn()))
        throw Error(FormatText("Failed to set data for '%s'", valueName));
    return true;
}

MoveResult MoveValue(const StartupStore& store, const StartupLocation& location, const StartupEntry& entry,
                     bool enable) {
    Registry& registry = store.registry;
    const std::string_view from = enable ? location.disabledKey : location.enabledKey;
    const std::string_view to = enable ? location.enabledKey : location.disabledKey;
    auto value = registry.ReadValue(location.root, from, entry.name);
    // An entry Task Manager switched off is still in the enabled home.
    if (!value && enable && registry.ReadValue(location.root, to, entry.name))
        return ApproveAgain(store, location, entry.name) ? MoveResult::Moved : MoveResult::NothingFound;
    if (!value) value = RegValue::String(entry.command);
    if (!registry.WriteValue(location.root, to, entry.name, *value))
        throw Error(FormatText("Failed to set data for '%s'", entry.name));
    registry.DeleteValue(location.root, from, entry.name);
    if (enable) ApproveAgain(store, location, entry.name);
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
    if (!store.shell.ReadShortcut(from)) {
        const bool approved = enable && store.shell.ReadShortcut(to) && ApproveAgain(store, location, file);
        return approved ? MoveResult::Moved : MoveResult::NothingFound;
    }
    EnsureFolder(store.files, enable ? EnabledFolder(root) : DisabledFolder(root));
    if (!store.files.CopyFile(from, to, false))
        throw Error(FormatText("Could not copy '%s'. The startup item stays where it was.", from));
    if (!store.files.DeleteFile(from)) {
        store.files.DeleteFile(to);
        throw Error(FormatText("Could not move '%s'. The startup item stays where it was.", from));
    }
    if (enable) ApproveAgain(store, location, file);
    return MoveResult::Moved;
}

MoveResult Move(const StartupStore& store, const StartupEntry& entry, bool enable) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (location && !location->IsFolder()) return MoveValue(store, *location, entry, enable);
    if (!location || entry.location != kAllUsersFolder) location = FindStartupLocation(kCurrentUserFolder);
    return MoveShortcut(store, *location, entry, enable);
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

bool LivesInEnabledHome(const StartupStore& store, const StartupEntry& entry, bool ticked) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (ticked || !location || location->approvedKey.empty()) return ticked;
    const std::string valueName = location->IsFolder() ? ShortcutFileName(entry) : entry.name;
    const auto mark = store.registry.ReadValue(location->ApprovedRoot(), location->approvedKey, valueName);
    if (!mark || !IsApprovedOff(*mark)) return false;
    if (!location->IsFolder()) return !store.registry.ReadValue(location->root, location->disabledKey, entry.name);
    const std::string root = StartupFolderOf(store, entry.location);
    return !store.shell.ReadShortcut(ShortcutPath(root, false, valueName));
}

void RemoveStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (!location) return;
    ticked = LivesInEnabledHome(store, entry, ticked);
    if (!location->IsFolder()) {
        store.registry.DeleteValue(location->root, ticked ? location->enabledKey : location->disabledKey, entry.name);
        return;
    }
    const std::string root = StartupFolderOf(store, entry.location);
    if (!root.empty()) store.files.DeleteFile(ShortcutPath(root, ticked, ShortcutFileName(entry)));
}

}  // namespace tw
