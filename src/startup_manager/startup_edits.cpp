#include "startup_manager/startup_edits.h"

#include "platform/error.h"
#include "platform/text.h"
#include "startup_manager/shell_linker.h"
#include "startup_manager/startup_backup.h"
#include "startup_manager/startup_locations.h"
#include "startup_manager/startup_marks.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

[[noreturn]] void FailedToSet(std::string_view name) { throw Error(FormatText("Failed to set data for '%s'", name)); }

[[noreturn]] void NameTaken(std::string_view name) { throw Error(FormatText(kEditNameTaken, name)); }

bool SameName(std::string_view a, std::string_view b) { return UpcaseName(a) == UpcaseName(b); }

// Where the entry under edit lives and what Task Manager's marks call it.
struct EditHome {
    const StartupStore& store;
    const StartupLocation& location;
    bool enabled;  // the enabled home, where the entry's mark belongs

    // The new name takes the old one's mark before the entry is written, so
    // it never starts where the old one would not.
    void CarryMark(std::string_view oldName, std::string_view newName) const {
        if (enabled && !SameName(oldName, newName)) CopyMark(store, location, oldName, newName);
    }
    void DropMark(std::string_view name) const { DropOrphanMark(store, location, name); }
};

void RenameValue(const EditHome& home, std::string_view key, std::string_view oldName, std::string_view newName,
                 const RegValue& value) {
    Registry& registry = home.store.registry;
    const RootKey root = home.location.root;
    if (registry.ReadValue(root, key, newName)) NameTaken(newName);
    home.CarryMark(oldName, newName);
    if (!registry.WriteValue(root, key, newName, value)) {
        home.DropMark(newName);
        FailedToSet(newName);
    }
    registry.DeleteValue(root, key, oldName);
    home.DropMark(oldName);
}

void EditValue(const EditHome& home, std::string_view oldName, std::string_view newName, std::string_view program) {
    Registry& registry = home.store.registry;
    const RootKey root = home.location.root;
    const std::string_view key = home.enabled ? home.location.enabledKey : home.location.disabledKey;
    if (!registry.KeyExists(root, key)) FailedToSet(newName);
    const auto old = registry.ReadValue(root, key, oldName);
    // An expandable command stays expandable under its new text.
    const RegValue value = RegValue::String(program, old && old->IsStringType() ? old->type : RegType::Sz);
    if (!SameName(oldName, newName)) return RenameValue(home, key, oldName, newName, value);
    // The registry keeps a value's first spelling, so a new letter case
    // needs the value deleted and written again. The new data is written
    // under the old spelling first: the key is then known to take writes.
    if (!registry.WriteValue(root, key, oldName, value)) FailedToSet(newName);
    if (oldName == newName) return;
    registry.DeleteValue(root, key, oldName);
    if (registry.WriteValue(root, key, newName, value)) return;
    if (old) registry.WriteValue(root, key, oldName, *old);
    FailedToSet(newName);
}

void EditShortcut(const EditHome& home, const StartupEntry& entry, std::string_view newName,
                  std::string_view program) {
    const StartupStore& store = home.store;
    const std::string root = StartupFolderOf(store, entry.location);
    if (root.empty()) return;
    const std::string oldFile = ShortcutFileName(entry);
    const std::string newFile = std::string(newName) + ".lnk";
    const std::string oldPath = ShortcutPath(root, home.enabled, oldFile);
    const std::string newPath = ShortcutPath(root, home.enabled, newFile);
    const auto old = store.shell.ReadShortcut(oldPath);
    if (!old) return;
    // Names that differ only in letter case are the same file.
    const bool sameFile = SameName(oldPath, newPath);
    if (!sameFile && (store.files.FileExists(newPath) || store.files.FolderExists(newPath))) NameTaken(newName);
    home.CarryMark(oldFile, newFile);
    std::string folder = home.enabled ? EnabledFolder(root) : DisabledFolder(root);
    folder.pop_back();
    if (!CreateStartupShortcut(store.shell, newName, folder, program, old->description, old->arguments)) {
        if (!sameFile) home.DropMark(newFile);
        return;
    }
    if (sameFile) return;
    store.files.DeleteFile(oldPath);
    home.DropMark(oldFile);
}

}  // namespace

void AddStartupEntry(const StartupStore& store, std::string_view name, std::string_view program,
                     std::string_view location) {
    const StartupLocation* home = FindStartupLocation(location);
    if (!home) return;
    if (home->IsFolder()) {
        const std::string folder = StartupFolderOf(store, location);
        if (folder.empty()) return;
        // An entry of the same name is written over, so it is saved first.
        BackUpStartupEntry(store, *home, true, std::string(name) + ".lnk");
        // A new entry starts enabled, whatever an old mark of its name says.
        MarkOn(store, *home, std::string(name) + ".lnk");
        CreateStartupShortcut(store.shell, name, folder, program, {}, {});
        return;
    }
    if (!store.registry.KeyExists(home->root, home->enabledKey)) FailedToSet(name);
    BackUpStartupEntry(store, *home, true, name);
    MarkOn(store, *home, name);
    if (!store.registry.WriteValue(home->root, home->enabledKey, name, RegValue::String(program))) FailedToSet(name);
}

void EditStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked, std::string_view newName,
                      std::string_view newProgram) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (!location) return;
    const EditHome home{store, *location, InEnabledHome(entry, ticked)};
    BackUpStartupEntry(store, *location, home.enabled, location->IsFolder() ? ShortcutFileName(entry) : entry.name);
    if (location->IsFolder())
        EditShortcut(home, entry, newName, newProgram);
    else
        EditValue(home, entry.name, newName, newProgram);
}

}  // namespace tw
