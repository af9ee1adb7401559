#include "registry_cleaner/registry_clean.h"

#include <algorithm>

#include "registry_cleaner/removal_plan.h"
#include "registry_cleaner/scan_categories.h"
#include "registry_cleaner/scanners.h"
#include "services/export_format.h"
#include "services/registry_export.h"

namespace tw {
namespace {

// The key lines of the clean are spelled as here, "Software" in mixed case,
// whatever spelling the scan opened.
constexpr std::string_view kSharedDllsLine = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS";
constexpr std::string_view kFonts9xLine = "Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";
constexpr std::string_view kFontsNtLine = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr std::string_view kHelpLine = "Software\\Microsoft\\Windows\\Help";

// True when every name in the key's tree, as the plan sees it, can be
// written into a registry file.
bool TreeCanBeCarried(const Registry& registry, RootKey root, const std::string& path) {
    if (!RegistryFileCanCarry(path)) return false;
    const auto values = registry.ValueNames(root, path);
    if (values && !std::all_of(values->begin(), values->end(), RegistryFileCanCarry)) return false;
    const auto subKeys = registry.SubKeyNames(root, path);
    return !subKeys || std::all_of(subKeys->begin(), subKeys->end(), [&](const std::string& name) {
               return TreeCanBeCarried(registry, root, path + "\\" + name);
           });
}

// A finding's key paths as the registry opens them, or nullopt when one
// names no key or holds a name no backup can record.
std::optional<Finding> Carriable(Finding f, std::size_t category, const Registry& plan) {
    const auto normal = [](std::string& path) {
        const auto n = NormalKeyPath(path);
        if (n) path = *n;
        return n.has_value();
    };
    switch (category) {
        case kComObjects:
            if (!normal(f.TopKey) || !TreeCanBeCarried(plan, kClassesRoot, f.TopKey)) return std::nullopt;
            break;
        case kFileTypes:
            if (!normal(f.firstKey) || !normal(f.secondKey) || !TreeCanBeCarried(plan, kClassesRoot, f.firstKey) ||
                !TreeCanBeCarried(plan, kClassesRoot, f.secondKey))
                return std::nullopt;
            break;
        case kAppPaths:
            if (!normal(f.firstKey) || !TreeCanBeCarried(plan, kLocalMachine, f.firstKey)) return std::nullopt;
            break;
        case kActivex:
            if (!normal(f.firstKey) || !TreeCanBeCarried(plan, kClassesRoot, f.firstKey)) return std::nullopt;
            break;
        default: {
            const std::string& name = category == kSharedDlls ? f.Entry
                                      : category == kFonts    ? f.Value
                                      : category == kHelpFiles ? f.FirstKey
                                                               : std::string();
            if (!normal(f.Key) || !RegistryFileCanCarry(f.Key) || !RegistryFileCanCarry(name)) return std::nullopt;
        }
    }
    return f;
}

// Records one category's checked findings: their backup lines into the
// buffer and their removals into the plan, which later lines already see.
class CategoryCleaner {
public:
    CategoryCleaner(ExportBuffer& buffer, RemovalPlan& plan, std::string_view fontKey)
        : buffer_(buffer), plan_(plan), fontKey_(fontKey) {}

    void Clean(std::size_t category, const Finding& f, bool firstOfCategory);

private:
    void Section(std::string_view keyLine) {
        buffer_.AddLine("");
        buffer_.AddLine(std::string(keyLine));
    }
    void Value(const Finding& f, std::string_view name) {
        WriteValueLine(buffer_, plan_, RootKeyFromName(f.Root), f.Key, name);
    }
    void Tree(RootKey root, std::string_view key) { WriteKeyTree(buffer_, plan_, root, key); }

    ExportBuffer& buffer_;
    RemovalPlan& plan_;
    std::string_view fontKey_;
};

void CategoryCleaner::Clean(std::size_t category, const Finding& f, bool firstOfCategory) {
    switch (category) {
        case kSharedDlls:
            if (firstOfCategory) Section(KeyLine(kLocalMachine, kSharedDllsLine));
            Value(f, f.Entry);
            plan_.DeleteValue(kLocalMachine, kSharedDllsKey, f.Entry);
            break;
        case kFonts:
            if (firstOfCategory) Section(KeyLine(kLocalMachine, fontKey_));
            Value(f, f.Value);
            plan_.DeleteValue(kLocalMachine, fontKey_, f.Value);
            break;
        case kComObjects:
            if (firstOfCategory) buffer_.AddLine("");
            Tree(kClassesRoot, f.TopKey);
            plan_.DeleteKeyTree(kClassesRoot, f.TopKey);
            break;
        case kFileTypes:
            buffer_.AddLine("");
            Tree(kClassesRoot, f.firstKey);
            buffer_.AddLine("");
            Tree(kClassesRoot, f.secondKey);
            plan_.DeleteKeyTree(kClassesRoot, f.firstKey);
            plan_.DeleteKeyTree(kClassesRoot, f.secondKey);
            break;
        case kIcons:
            Section(KeyLine(kClassesRoot, f.Key));
            Value(f, "");
            plan_.DeleteValue(kClassesRoot, f.Key, "");
            break;
        case kAppPaths:
            if (firstOfCategory) buffer_.AddLine("");
            Tree(kLocalMachine, f.firstKey);
            plan_.DeleteKeyTree(kLocalMachine, f.firstKey);
            break;
        case kHelpFiles:
            if (firstOfCategory) Section(KeyLine(kLocalMachine, kHelpLine));
            Value(f, f.FirstKey);
            plan_.DeleteValue(kLocalMachine, f.Key, f.FirstKey);
            break;
        case kActivex:
            if (firstOfCategory) buffer_.AddLine("");
            Tree(kClassesRoot, f.firstKey);
            plan_.DeleteKeyTree(kClassesRoot, f.firstKey);
            break;
        case kSounds:
            Section(KeyLine(kCurrentUser, f.Key));
            Value(f, "");
            plan_.DeleteValue(kCurrentUser, f.Key, "");
            break;
        default:
            break;
    }
}

}  // namespace

std::string EntriesLeftNotice(const std::vector<std::string>& entries) {
    std::string text(kEntriesLeft);
    for (std::string entry : entries) {
        std::replace_if(entry.begin(), entry.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        text += "\n" + entry;
    }
    return text;
}

CleanOutcome BackUpAndRemove(const Platform& platform, const FindingLists& lists, ui::CheckTree& checks,
                             ExportBuffer& buffer, BackupStore& backups) {
    // Chosen again now: the family decides the key the clean changes.
    const std::string_view fontKey = FontKeyFor(platform.system) == kFonts9xKey ? kFonts9xLine : kFontsNtLine;
    RemovalPlan plan(platform.registry);
    CategoryCleaner cleaner(buffer, plan, fontKey);
    CleanOutcome outcome;
    buffer.Clear();
    buffer.AddHeader();
    for (std::size_t category = 0; category < kCategoryCount && category < checks.GroupCount(); ++category) {
        const auto& findings = lists.List(category);
        if (checks.Group(category) == ui::CheckState::Unchecked || findings.empty()) continue;
        bool first = true;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            if (!checks.Child(category, i)) continue;
            const std::optional<Finding> finding = Carriable(findings[i], category, plan);
            if (!finding) {
                outcome.leftEntries.push_back(findings[i].Entry);
                continue;
            }
            cleaner.Clean(category, *finding, first);
            first = false;
        }
    }
    outcome.backupFile = backups.Save(buffer);
    plan.Apply(platform.registry);
    return outcome;
}

}  // namespace tw
