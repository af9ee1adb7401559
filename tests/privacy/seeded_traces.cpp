#include "seeded_traces.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tw::test {
namespace {

constexpr std::string_view kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr std::string_view kRecentDocs = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
constexpr std::string_view kSibling = "TidewellSibling";
constexpr std::string_view kOwnValue = "TidewellOwn";

struct Trace {
    std::string_view parent;
    std::string_view key;
};

// What the items clear, written out from the table rather than taken from
// the code under test.
constexpr std::array<Trace, 16> kTraces = {{
    {kExplorer, "RunMRU"},
    {kExplorer, "Doc Find Spec MRU"},
    {"Software\\Microsoft\\Search Assistant\\ACMru", "5603"},
    {"Software\\Microsoft\\Search Assistant\\ACMru", "5604"},
    {kExplorer, "WordWheelQuery"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32", "LastVisitedMRU"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32", "OpenSaveMRU"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32", "OpenSavePidlMRU"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32", "LastVisitedPidlMRU"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32", "LastVisitedPidlMRULegacy"},
    {kExplorer, "Streams"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint", "Recent File List"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad", "Recent File List"},
    {"Software\\Microsoft\\MediaPlayer\\Player", "RecentFileList"},
    {"Software\\Microsoft\\MediaPlayer\\Player", "RecentURLList"},
    {"Software\\Microsoft\\MediaPlayer\\Radio", "MRUList"},
}};

// Keys that look like traces but belong to no item.
constexpr std::array<std::string_view, 2> kLookalikes = {"ComDlg32\\CIDSizeMRU", "RunMRU Backup"};

std::string Join(std::string_view a, std::string_view b) { return std::string(a) + "\\" + std::string(b); }

std::vector<std::string> Parents() {
    std::vector<std::string> parents{std::string(kRecentDocs)};
    for (const Trace& t : kTraces) {
        if (std::find(parents.begin(), parents.end(), t.parent) == parents.end()) parents.emplace_back(t.parent);
    }
    return parents;
}

}  // namespace

void SeedRegistryTraces(Registry& registry) {
    for (const Trace& t : kTraces) {
        const std::string key = Join(t.parent, t.key);
        registry.WriteValue(kCurrentUser, key, "a", RegValue::String("C:\\Users\\Ann\\Documents\\letter.txt"));
        registry.WriteValue(kCurrentUser, key, "MRUList", RegValue::String("a"));
        registry.WriteValue(kCurrentUser, Join(key, "Nested"), "b", RegValue::Dword(2));
    }
    registry.WriteValue(kCurrentUser, Join(kRecentDocs, ".txt"), "0", RegValue::Binary({'l', 0, 0, 0}));
    registry.WriteValue(kCurrentUser, Join(kRecentDocs, "Folder\\Deeper"), "0", RegValue::Binary({'d', 0}));
    registry.WriteValue(kCurrentUser, kRecentDocs, "MRUListEx", RegValue::Binary({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    registry.WriteValue(kCurrentUser, kRecentDocs, "0", RegValue::Binary({'r', 0, 0, 0}));
    for (const std::string& parent : Parents()) {
        if (parent == kRecentDocs) continue;
        registry.WriteValue(kCurrentUser, Join(parent, kSibling), "kept", RegValue::String("yes"));
        registry.WriteValue(kCurrentUser, parent, kOwnValue, RegValue::Dword(7));
    }
    for (std::string_view lookalike : kLookalikes)
        registry.WriteValue(kCurrentUser, Join(kExplorer, lookalike), "x", RegValue::Dword(1));
}

std::vector<std::string> RemainingTraces(const Registry& registry) {
    std::vector<std::string> remaining;
    for (const Trace& t : kTraces) {
        if (registry.KeyExists(kCurrentUser, Join(t.parent, t.key))) remaining.push_back(Join(t.parent, t.key));
    }
    for (const auto& name : registry.SubKeyNames(kCurrentUser, kRecentDocs).value_or(std::vector<std::string>{}))
        remaining.push_back("RecentDocs sub-key " + name);
    for (const auto& name : registry.ValueNames(kCurrentUser, kRecentDocs).value_or(std::vector<std::string>{}))
        remaining.push_back("RecentDocs value " + name);
    return remaining;
}

std::vector<std::string> MissingNeighbours(const Registry& registry) {
    std::vector<std::string> missing;
    if (!registry.KeyExists(kCurrentUser, kRecentDocs)) missing.emplace_back(kRecentDocs);
    for (const std::string& parent : Parents()) {
        if (parent == kRecentDocs) continue;
        if (!registry.KeyExists(kCurrentUser, Join(parent, kSibling))) missing.push_back(Join(parent, kSibling));
        if (registry.ReadValue(kCurrentUser, parent, kOwnValue) != RegValue::Dword(7))
            missing.push_back(parent + " value " + std::string(kOwnValue));
    }
    for (std::string_view lookalike : kLookalikes) {
        const std::string key = Join(kExplorer, lookalike);
        if (!registry.KeyExists(kCurrentUser, key)) missing.push_back(key);
    }
    return missing;
}

void RemoveSeededTraces(Registry& registry) {
    for (const Trace& t : kTraces) registry.DeleteKeyTree(kCurrentUser, Join(t.parent, t.key));
    for (const std::string& parent : Parents()) {
        registry.DeleteKeyTree(kCurrentUser, Join(parent, kSibling));
        registry.DeleteValue(kCurrentUser, parent, kOwnValue);
    }
    for (std::string_view lookalike : kLookalikes)
        registry.DeleteKeyTree(kCurrentUser, Join(kExplorer, lookalike));
    for (const auto& name : registry.SubKeyNames(kCurrentUser, kRecentDocs).value_or(std::vector<std::string>{}))
        registry.DeleteKeyTree(kCurrentUser, Join(kRecentDocs, name));
}

}  // namespace tw::test
