#include "startup_manager/startup_enumeration.h"

#include <map>
#include <set>
#include <utility>

#include "platform/error.h"
#include "platform/text.h"
#include "services/path_rules.h"
#include "startup_manager/startup_locations.h"
#include "startup_manager/startup_marks.h"

namespace tw {
namespace {

// Asks the shell for each program's icon once: two entries of one program
// share their image.
class IconCache {
public:
    explicit IconCache(StartupIcons& icons) : icons_(icons) {}
    int ForFile(const std::string& path) {
        auto [it, added] = files_.try_emplace(UpcaseName(path), -1);
        if (added) it->second = icons_.ForFile(path);
        return it->second;
    }
    int ForItem(const ItemIdList& item) {
        auto [it, added] = items_.try_emplace(std::string(item.begin(), item.end()), -1);
        if (added) it->second = icons_.ForItem(item);
        return it->second;
    }

private:
    StartupIcons& icons_;
    std::map<std::string, int> files_, items_;  // items by their bytes
};

// The names Task Manager marked off in one home, read once per source
// rather than once per entry.
std::set<std::string> ApprovedOffNames(const StartupStore& store, const StartupLocation& location) {
    std::set<std::string> off;
    if (location.approvedKey.empty()) return off;
    const RootKey root = location.ApprovedRoot();
    for (const auto& name : store.registry.ValueNames(root, location.approvedKey).value_or(std::vector<std::string>{})) {
        const auto mark = store.registry.ReadValue(root, location.approvedKey, name);
        if (mark && IsApprovedOff(*mark)) off.insert(UpcaseName(name));
    }
    return off;
}

void ListKey(const StartupStore& store, const StartupLocation& location, bool enabled, IconCache& icons,
             std::vector<StartupEntry>& rows) {
    const std::string_view key = enabled ? location.enabledKey : location.disabledKey;
    const auto names = store.registry.ValueNames(location.root, key);
    if (!names) return;
    const auto off = enabled ? ApprovedOffNames(store, location) : std::set<std::string>{};
    for (const auto& name : *names) {
        const auto value = store.registry.ReadValue(location.root, key, name);
        if (value && !value->data.empty() && !value->IsStringType())
            throw Error(FormatText("Invalid data type for '%s'", name));
        StartupEntry entry;
        entry.name = name;
        entry.command = value && value->IsStringType() ? value->Text() : std::string();
        entry.location = location.text;
        entry.markedOff = off.contains(UpcaseName(name));
        entry.enabled = enabled && !entry.markedOff;
        entry.imageIndex = icons.ForFile(ExtractStartupPath(entry.command));
        rows.push_back(std::move(entry));
    }
}

std::string WithoutLnk(std::string_view fileName) {
    if (fileName.size() >= 4 && UpcaseName(fileName.substr(fileName.size() - 4)) == ".LNK")
        fileName.remove_suffix(4);
    return std::string(fileName);
}

void ListFolder(const StartupStore& store, const StartupLocation& location, bool enabled, IconCache& icons,
                std::vector<StartupEntry>& rows) {
    const std::string root = store.shell.SpecialFolderPath(location.csidl);
    if (root.empty()) return;
    const std::string home = enabled ? EnabledFolder(root) : DisabledFolder(root);
    const auto off = enabled ? ApprovedOffNames(store, location) : std::set<std::string>{};
    std::vector<std::string> links;
    std::vector<std::pair<std::string, ShortcutInfo>> readable;  // file name, what it holds
    for (const auto& found : store.files.Find(home + "*.lnk")) {
        if (found.IsFolder()) continue;
        std::string link = home + found.name;
        auto shortcut = store.shell.ReadShortcut(link);
        if (!shortcut) continue;
        links.push_back(std::move(link));
        readable.emplace_back(found.name, std::move(*shortcut));
    }
    // One call for the folder: the shell parses it once for all names.
    const auto shown = store.shell.Display(links, DisplayIcon::None);
    for (std::size_t i = 0; i < links.size(); ++i) {
        const auto& [file, shortcut] = readable[i];
        StartupEntry entry;
        entry.name = shown[i] && !shown[i]->name.empty() ? shown[i]->name : WithoutLnk(file);
        entry.command = shortcut.targetPath;
        entry.location = location.text;
        entry.fileName = file;
        entry.markedOff = off.contains(UpcaseName(file));
        entry.enabled = enabled && !entry.markedOff;
        entry.imageIndex = icons.ForItem(shortcut.itemIdList);
        rows.push_back(std::move(entry));
    }
}

}  // namespace

void EnumerateStartupEntries(const StartupStore& store, StartupIcons& icons, std::vector<StartupEntry>& rows) {
    rows.clear();
    IconCache cache(icons);
    const auto at = [](std::string_view text) { return *FindStartupLocation(text); };
    const auto keys = [&](std::string_view run, std::string_view services) {
        ListKey(store, at(run), true, cache, rows);
        ListKey(store, at(services), true, cache, rows);
        ListKey(store, at(run), false, cache, rows);
        ListKey(store, at(services), false, cache, rows);
    };
    keys(kAllUsersRun, kAllUsersRunServices);
    if (store.windows64) {
        ListKey(store, at(kAllUsersRun32), true, cache, rows);
        ListKey(store, at(kAllUsersRun32), false, cache, rows);
    }
    keys(kCurrentUserRun, kCurrentUserRunServices);
    ListFolder(store, at(kAllUsersFolder), true, cache, rows);
    ListFolder(store, at(kCurrentUserFolder), true, cache, rows);
    ListFolder(store, at(kAllUsersFolder), false, cache, rows);
    ListFolder(store, at(kCurrentUserFolder), false, cache, rows);
}

std::optional<std::size_t> FindStartupRow(const std::vector<StartupEntry>& rows, std::string_view location,
                                          std::string_view name, bool enabledHome) {
    const StartupLocation* home = FindStartupLocation(location);
    if (!home) return std::nullopt;
    const std::string wanted = UpcaseName(home->IsFolder() ? std::string(name) + ".lnk" : std::string(name));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const StartupEntry& row = rows[i];
        const std::string found = UpcaseName(home->IsFolder() ? ShortcutFileName(row) : row.name);
        if (row.location == location && found == wanted && InEnabledHome(row, row.enabled) == enabledHome) return i;
    }
    return std::nullopt;
}

}  // namespace tw
