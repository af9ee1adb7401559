#include "startup_manager/startup_marks.h"

#include "platform/error.h"
#include "platform/text.h"
#include "startup_manager/startup_moves.h"

namespace tw {
namespace {

// Task Manager's "enabled" mark: 02 and eleven zero bytes.
RegValue ApprovedOn() {
    std::vector<std::uint8_t> bytes(12, 0);
    bytes[0] = 2;
    return RegValue::Binary(std::move(bytes));
}

void WriteMark(const StartupStore& store, const StartupLocation& location, std::string_view name,
               const RegValue& mark) {
    if (!store.registry.WriteValue(location.ApprovedRoot(), location.approvedKey, name, mark))
        throw Error(FormatText("Failed to set data for '%s'", name));
}

bool InEnabledHomeByName(const StartupStore& store, const StartupLocation& location, std::string_view name) {
    if (!location.IsFolder()) return store.registry.ReadValue(location.root, location.enabledKey, name).has_value();
    const std::string folder = StartupFolderOf(store, location.text);
    return !folder.empty() && store.files.FileExists(ShortcutPath(folder, true, name));
}

}  // namespace

bool IsApprovedOff(const RegValue& mark) { return !mark.data.empty() && (mark.data[0] & 1) != 0; }

void MarkOn(const StartupStore& store, const StartupLocation& location, std::string_view name) {
    if (location.approvedKey.empty()) return;
    const auto mark = store.registry.ReadValue(location.ApprovedRoot(), location.approvedKey, name);
    if (mark && IsApprovedOff(*mark)) WriteMark(store, location, name, ApprovedOn());
}

void CopyMark(const StartupStore& store, const StartupLocation& location, std::string_view oldName,
              std::string_view newName) {
    if (location.approvedKey.empty()) return;
    if (const auto mark = store.registry.ReadValue(location.ApprovedRoot(), location.approvedKey, oldName))
        WriteMark(store, location, newName, *mark);
}

void DropOrphanMark(const StartupStore& store, const StartupLocation& location, std::string_view name) {
    if (location.approvedKey.empty() || InEnabledHomeByName(store, location, name)) return;
    store.registry.DeleteValue(location.ApprovedRoot(), location.approvedKey, name);
}

}  // namespace tw
