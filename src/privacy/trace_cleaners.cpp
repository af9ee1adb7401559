#include "privacy/trace_cleaners.h"

#include "platform/error.h"
#include "platform/reg_key.h"
#include "privacy/recent_traces.h"

namespace tw {
namespace {

// A key of the current user's registry that an item deletes with everything
// below it. Each item's keys are deleted in this order; the keys Windows
// Vista and later use follow the ones of the older versions.
struct TraceKey {
    PrivacyItem item;
    std::string_view path;
};

constexpr TraceKey kTraceKeys[] = {
    {PrivacyItem::RunHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"},
    {PrivacyItem::FindHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU"},
    {PrivacyItem::FindHistory, "Software\\Microsoft\\Search Assistant\\ACMru\\5603"},
    {PrivacyItem::FindHistory, "Software\\Microsoft\\Search Assistant\\ACMru\\5604"},
    {PrivacyItem::FindHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\WordWheelQuery"},
    {PrivacyItem::OpenSaveHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"},
    {PrivacyItem::OpenSaveHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"},
    {PrivacyItem::OpenSaveHistory, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSavePidlMRU"},
    {PrivacyItem::OpenSaveHistory,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRU"},
    {PrivacyItem::OpenSaveHistory,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedPidlMRULegacy"},
    {PrivacyItem::RegistryStreams, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Streams"},
    {PrivacyItem::PaintRecent, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List"},
    {PrivacyItem::WordpadRecent, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"},
    {PrivacyItem::MediaPlayerRecent, "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList"},
    {PrivacyItem::MediaPlayerRecent, "Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"},
    {PrivacyItem::MediaPlayerRecent, "Software\\Microsoft\\MediaPlayer\\Radio\\MRUList"},
};

void DeleteTraceKeys(PrivacyItem item, Registry& registry) {
    // Deleting the tree opens the parent without creating it: a missing
    // parent or key deletes nothing, and nothing is re-created.
    for (const TraceKey& key : kTraceKeys) {
        if (key.item == item) registry.DeleteKeyTree(kCurrentUser, key.path);
    }
}

// Windows clears the page file at its next shutdown; nothing goes at once.
void SetClearPageFileFlag(Registry& registry) {
    RegKey key(registry, kLocalMachine);
    if (!key.Open(kMemoryManagementKey, true))
        throw Error(FormatText("Failed to set data for '%s'", kClearPageFileValue));
    key.WriteDword(kClearPageFileValue, 1);
}

void CleanRecentDocuments(Platform& platform) {
    const std::string folder = CleanRecentFolder(platform.shell, platform.files);
    ClearRecentDocs(platform.registry);
    // Explorer windows showing the folder would keep listing the old files.
    if (!folder.empty()) platform.shell.NotifyFolderChanged(folder);
}

}  // namespace

void CleanTrace(PrivacyItem item, Platform& platform, OwnerWindow owner) {
    switch (item) {
        case PrivacyItem::RecycleBin:
            // The user asked for it: the shell shows its progress and plays
            // its sound, but asks nothing. Its result changes nothing here.
            platform.shell.EmptyRecycleBin(owner, ShellFeedback::ProgressAndSound);
            return;
        case PrivacyItem::SwapFile:
            SetClearPageFileFlag(platform.registry);
            return;
        case PrivacyItem::RecentDocuments:
            CleanRecentDocuments(platform);
            return;
        case PrivacyItem::Clipboard:
            switch (platform.clipboard.Empty()) {
                case ClipboardResult::Emptied: return;
                case ClipboardResult::NotOpened: throw Error("Cannot open clipboard");
                case ClipboardResult::NotEmptied: throw Error("Cannot empty clipboard");
            }
            return;
        default:
            DeleteTraceKeys(item, platform.registry);
            return;
    }
}

}  // namespace tw
