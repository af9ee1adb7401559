#include "startup_manager/startup_edits.h"

#include "platform/error.h"
#include "platform/text.h"
#include "startup_manager/shell_linker.h"
#include "startup_manager/startup_locations.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

[[noreturn]] void FailedToSet(std::string_view name) { throw Error(FormatText("Failed to set data for '%s'", name)); }

bool SameName(std::string_view a, std::string_view b) { return UpcaseName(a) == UpcaseName(b); }

void EditValue(Registry& registry, const StartupLocation& location, std::string_view key, std::string_view oldName,
               std::string_view newName, std::string_view program) {
    if (!registry.KeyExists(location.root, key)) FailedToSet(newName);
    const auto old = registry.ReadValue(location.root, key, oldName);
    // An expandable command stays expandable under its new text.
    const auto type = old && old->IsStringType() ? old->type : RegType::Sz;
    const RegValue value = RegValue::String(program, type);
    if (!SameName(oldName, newName)) {
        if (!registry.WriteValue(location.root, key, newName, value)) FailedToSet(newName);
        registry.DeleteValue(location.root, key, oldName);
        return;
    }
    // The registry keeps a value's first spelling, so a new letter case
    // needs the old value gone first; it is put back if the write fails.
    if (oldName != newName) registry.DeleteValue(location.root, key, oldName);
    if (registry.WriteValue(location.root, key, newName, value)) return;
    if (old && oldName != newName) registry.WriteValue(location.root, key, oldName, *old);
    FailedToSet(newName);
}

void EditShortcut(const StartupStore& store, const StartupEntry& entry, bool enabled, std::string_view newName,
                  std::string_view program) {
    const std::string root = StartupFolderOf(store, entry.location);
    if (root.empty()) return;
    const std::string oldPath = ShortcutPath(root, enabled, ShortcutFileName(entry));
    const auto old = store.shell.ReadShortcut(oldPath);
    if (!old) return;
    std::string home = enabled ? EnabledFolder(root) : DisabledFolder(root);
    home.pop_back();
    if (!CreateStartupShortcut(store.shell, newName, home, program, old->description, old->arguments)) return;
    // Names that differ only in letter case are the same file: it now holds
    // the new shortcut.
    if (!SameName(oldPath, home + "\\" + std::string(newName) + ".lnk")) store.files.DeleteFile(oldPath);
}

}  // namespace

void AddStartupEntry(const StartupStore& store, std::string_view name, std::string_view program,
                     std::string_view location) {
    const StartupLocation* home = FindStartupLocation(location);
    if (!home) return;
    if (home->IsFolder()) {
        const std::string folder = StartupFolderOf(store, location);
        if (!folder.empty()) CreateStartupShortcut(store.shell, name, folder, program, {}, {});
        return;
    }
    if (!store.registry.KeyExists(home->root, home->enabledKey) ||
        !store.registry.WriteValue(home->root, home->enabledKey, name, RegValue::String(program)))
        FailedToSet(name);
}

void EditStartupEntry(const StartupStore& store, const StartupEntry& entry, bool ticked, std::string_view newName,
                      std::string_view newProgram) {
    const StartupLocation* location = FindStartupLocation(entry.location);
    if (!location) return;
    const bool enabled = LivesInEnabledHome(store, entry, ticked);
    if (location->IsFolder())
        EditShortcut(store, entry, enabled, newName, newProgram);
    else
        EditValue(store.registry, *location, enabled ? location->enabledKey : location->disabledKey, entry.name,
                  newName, newProgram);
}

}  // namespace tw
