#include "registry_cleaner/registry_clean.h"

#include <algorithm>

#include "registry_cleaner/finding_keys.h"
#include "registry_cleaner/removal_plan.h"
#include "registry_cleaner/scan_categories.h"
#include "registry_cleaner/scanners.h"
#include "services/registry_export.h"

namespace tw {
namespace {

// The key lines of the clean are spelled as here, "Software" in mixed case,
// whatever spelling the scan opened.
constexpr std::string_view kSharedDllsLine = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS";
constexpr std::string_view kFonts9xLine = "Software\\Microsoft\\Windows\\CurrentVersion\\Fonts";
constexpr std::string_view kFontsNtLine = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
constexpr std::string_view kHelpLine = "Software\\Microsoft\\Windows\\Help";

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
            std::optional<Finding> finding = Normalised(findings[i], category);
            if (!finding) continue;
            if (!CanBeBackedUp(*finding, category, plan)) {
                outcome.leftEntries.push_back(finding->Entry);
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
